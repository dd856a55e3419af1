// The number rows 201 and 205: the row with and without zero, what a click
// on a number introduces, and the decomposition explorer's states, ball
// moves and spoken decompositions, alone and on the exercise screen.
#include "exercises/numberrow.h"
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/generatorenv.h"
#include "support/screenenv.h"
#include <QApplication>
#include <QTest>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QStringList placed, animations;
    QString display1;

    Host() { size = [](const QString &) { return QSize(56, 90); }; }
    void playDirect(const QString &name, bool wait) override { sounds << name + (wait ? "!wait" : ""); }
    void placeDisplayBox(int k, const QString &picture, int left, int, bool) override
    {
        placed << QStringLiteral("%1:%2@%3").arg(k).arg(picture).arg(left);
    }
    void setDisplayPicture(int k, const QString &picture) override
    {
        if (k == 1)
            display1 = picture;
    }
    void showAnimation(const QString &file) override { animations << file; }
};

struct Run : test::GeneratorRun<std::unique_ptr<Generator>, Host> {
    Run(int task, int level, bool noZero) : GeneratorRun(task, level, 1, 7, noZero) { build(); }
    bool choose(int tile)
    {
        p.selectedTile = tile;
        return gen->takeChoice(ctx, tile);
    }
};

} // namespace

class TestNumberRow : public QObject {
    Q_OBJECT
private slots:
    void rowsAndIntroduction()
    {
        for (bool noZero : {true, false}) {
            Run r(201, 3, noZero);
            QCOMPARE(r.p.tileCount, noZero ? 10 : 11);
            for (int i = 1; i <= r.p.tileCount; ++i)
                QCOMPARE(r.p.tileValue[std::size_t(i)], noZero ? i : i - 1);
        }
        Run r(201, 2, true);
        QVERIFY(r.choose(3));
        const auto *intro = static_cast<const NumberIntroGenerator *>(r.gen.get());
        const QString kind = QString::number(intro->last().kind).rightJustified(2, u'0');
        QCOMPARE(r.host.placed, (QStringList{"1:Obr\\Prazdny6.jpg@10", "2:obr\\prsty\\prst03d.jpg@220",
                                             "3:obr\\111\\poc" + kind + "_03d.jpg@460"}));
        QCOMPARE(r.host.animations, QStringList{"obr-pom\\03.GIF"});
        QCOMPARE(r.host.sounds, QStringList{"Zvuky\\201\\zv03.wav"});
        QCOMPARE(r.p.answersGiven, 0);
    }

    void explorerMovesStopAtBothEnds()
    {
        Run r(205, 2, true);
        auto *ex = static_cast<DecompositionExplorer *>(r.gen.get());
        QVERIFY(r.choose(4));
        QVERIFY(ex->state().open);
        QCOMPARE(r.p.tileCount, 3);
        QCOMPARE(r.p.stem(3), QStringLiteral("obr\\205\\roz04"));
        QVERIFY(r.host.sounds.first().startsWith("Zvuky\\205\\zv04-") && r.host.sounds.first().endsWith("!wait"));
        const auto check = [&](int left) {
            QCOMPARE(ex->state().left, left);
            QCOMPARE(ex->state().left + ex->state().right, 4);
            const QString parts = QStringLiteral("04_%1_%2").arg(left, 2, 10, QChar(u'0')).arg(4 - left, 2, 10, QChar(u'0'));
            // What is said, drawn in the answer box and on the part tiles agree.
            QCOMPARE(r.host.sounds.last(), "Zvuky\\205\\zv" + parts + ".wav");
            QCOMPARE(r.host.display1, "obr\\206\\r" + parts);
            QCOMPARE(r.p.stem(DecompositionExplorer::kLeftPart), QStringLiteral("obr\\205\\rozz%1").arg(left, 2, 10, QChar(u'0')));
            const auto balls = ex->tileOverlays(r.p, DecompositionExplorer::kLine);
            QCOMPARE(int(balls.size()), 4);
            for (int k = 0; k < 4; ++k)
                QCOMPARE(balls[std::size_t(k)].at.x(), k < left ? 2 + 40 * k : 479 - 40 * (k - left + 1));
        };
        check(4);
        for (int left = 3; left >= 0; --left) {
            r.choose(DecompositionExplorer::kRightArrow);
            check(left);
        }
        const int said = r.host.sounds.size();
        r.choose(DecompositionExplorer::kRightArrow);     // nothing left to move
        QCOMPARE(r.host.sounds.size(), said);
        check(0);
        for (int left = 1; left <= 4; ++left) {
            r.choose(DecompositionExplorer::kLeftArrow);
            check(left);
        }
        r.choose(DecompositionExplorer::kLeftArrow);
        QCOMPARE(r.host.sounds.size(), said + 4);
        r.choose(DecompositionExplorer::kClose);
        QVERIFY(!ex->state().open);
        QCOMPARE(r.p.tileCount, 5);
        QCOMPARE(r.p.selectedTile, 4);
        QCOMPARE(r.p.stem(3), QStringLiteral("obr\\205\\cis03"));
        QVERIFY(ex->tileOverlays(r.p, DecompositionExplorer::kLine).empty());

        // Zero with zero counted: the arrows have nothing to move.
        Run z(205, 1, false);
        z.choose(1);
        auto *zx = static_cast<DecompositionExplorer *>(z.gen.get());
        QCOMPARE(zx->state().whole, 0);
        const int zsaid = z.host.sounds.size();
        z.choose(DecompositionExplorer::kRightArrow);
        z.choose(DecompositionExplorer::kLeftArrow);
        QCOMPARE(z.host.sounds.size(), zsaid);
        QCOMPARE(z.host.sounds.last(), QStringLiteral("Zvuky\\205\\zv00_00_00.wav"));
    }

    void explorerOnTheScreenIsNeverScored()
    {
        test::AnswerFixture f([](int task) -> GeneratorFactory { return task == 205 ? &makeDecompositionExplorer : nullptr; });
        f.tp.writeWav(QStringLiteral("zvuky/205/zv02_01_01.wav"), 50);
        f.build(205, 1);
        test::TraceRecorder rec;
        f.click(2);
        QCOMPARE(f.problem().tileCount, 3);
        PaintBox *line = f.screen->tile(DecompositionExplorer::kLine);
        QVERIFY(line->isVisibleTo(f.screen.get()) && !line->isEnabled());
        f.click(DecompositionExplorer::kRightArrow);
        QCOMPARE(f.played("zv02_01_01"), 1);
        f.click(DecompositionExplorer::kClose);
        QVERIFY(!line->isVisibleTo(f.screen.get()) && line->isEnabled());
        QCOMPARE(f.problem().selectedTile, 2);
        QCOMPARE(f.screen->tile(2)->tag(), 2);
        QCOMPARE(rec.lines("answer").size(), 0);
        QCOMPARE(f.scores.errorCount + f.scores.pointCount, 0);
        QCOMPARE(rec.lines("explorer").size(), 3);

        // A new problem closes an open explorer: the row is back, whole.
        f.click(3);
        QVERIFY(!line->isEnabled());
        f.screen->ZamichUkl1Click();
        QCOMPARE(f.problem().tileCount, 3);
        QCOMPARE(f.problem().stem(3), QStringLiteral("obr\\205\\cis03"));
        QVERIFY(!line->isVisibleTo(f.screen.get()) && line->isEnabled());
        f.click(1);
        QCOMPARE(static_cast<const DecompositionExplorer *>(f.screen->generator())->state().whole, 1);
    }
};

FLUMO_SCREEN_TEST_MAIN(TestNumberRow, 1280, 1024, 120)
#include "test_numberrow.moc"
