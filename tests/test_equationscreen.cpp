// Equations on the exercise screen. 307 and 308 answered with the keyboard
// alone by following the traced target: every problem is solved, the found
// expressions line up in the display boxes, 308's solved picture sits in
// the middle of the upper panel. The counter's (301) steps redraw the
// pattern row and are never errors; the riddle (405) is told from the
// sound-start timer before its cards appear, and an answer turns the other
// cards face down.
#include "engine/generator.h"
#include "exercises/addortake.h"
#include "media/numbertext.h"
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/contextfixture.h"
#include "support/screenenv.h"
#include <QRegularExpression>
#include <QtTest>

using namespace flumo;
using S = ExerciseScreen;

namespace {

QString pad(int v) { return NumberToText(v, 2); }

// Picture stand-ins of the sizes the media pack gives them.
void writePictures(test::TestPlatform &tp)
{
    tp.writeJpeg("obr-pom/prazdny.jpg", 216, 160);
    for (int b = 0; b <= 10; ++b)
        for (int c = 0; c <= 10; ++c) {
            if (b + c <= 10)
                tp.writeJpeg("obr/soucty/sou" + pad(b) + "_" + pad(c) + "d.jpg", 200, 160);
            if (c <= b) {
                tp.writeJpeg("obr/rozdil/roz" + pad(b) + "_" + pad(c) + "d.jpg", 200, 160);
                tp.writeJpeg("obr/304/rov" + pad(b) + "_" + pad(c) + "_" + pad(b - c) + "d.jpg", 216, 160);
                tp.writeJpeg("obr/rovnice2/rov" + pad(b - c) + "_" + pad(b) + "_" + pad(c) + "d.jpg", 216, 160);
            }
        }
    for (int n = 1; n <= 38; ++n) {
        tp.writeJpeg("obr/308/ner" + pad(n) + "d.jpg", 216, 160);
        tp.writeJpeg("obr/nerovnice2/ner" + pad(n) + "d.jpg", 216, 160);
    }
}

// The target as the trace tells it: the problem line, then every change.
int tracedTarget(const test::TraceRecorder &rec)
{
    int target = 0;
    static const QRegularExpression problem(QStringLiteral("^problem .* target=(\\d+)")),
        change(QStringLiteral("^target tile=(\\d+)"));
    for (const QString &l : rec.lines()) {
        if (auto m = problem.match(l); m.hasMatch())
            target = m.captured(1).toInt();
        else if (auto c = change.match(l); c.hasMatch())
            target = c.captured(1).toInt();
    }
    return target;
}

// Space walks the cursor to the tile, Enter answers.
void answer(test::AnswerFixture &f, int tile)
{
    for (int guard = 0; f.problem().selectedTile != tile && guard < 10; ++guard)
        f.screen->FormKeyUp(S::KeySpace);
    f.screen->FormKeyUp(S::KeyEnter);
}

} // namespace

class TestEquationScreen : public QObject {
    Q_OBJECT
private slots:
    void keyboardFollowsTheTrace()
    {
        test::AnswerFixture f(&generatorFor);
        writePictures(f.tp);
        for (int task : {307, 308})
            for (int subtask = 1; subtask <= 2; ++subtask) {
                f.build(task, 3, subtask);
                for (int problem = 0; problem < 8; ++problem) {
                    test::TraceRecorder rec;
                    f.screen->ZamichUkl1Click();
                    const int needed = f.problem().answersNeeded;
                    const int errors = f.scores.errorCount, points = f.scores.pointCount;
                    for (int k = 1; k <= needed; ++k) {
                        answer(f, tracedTarget(rec));
                        QCOMPARE(f.scores.errorCount, errors);
                        if (task == 307) {
                            const PaintBox *box = f.screen->displayBox(k);
                            QVERIFY(box->isVisibleTo(f.screen->patternPanel()));
                            QCOMPARE(box->x(), 10 + (k - 1) * 210);
                        }
                    }
                    QCOMPARE(f.scores.pointCount, points + 1);
                    if (task == 308) {
                        const PaintBox *answerBox = test::named<PaintBox>(f.screen.get(), "PBvyb1");
                        QCOMPARE(answerBox->x(), (744 - 216) / 2);
                        QVERIFY(answerBox->isVisibleTo(f.screen->patternPanel()));
                    }
                    if (f.screen->timer1()->isActive())
                        f.screen->Timer1Timer();
                }
            }
    }

    void counterStepsAreNoErrors()
    {
        test::AnswerFixture f(&generatorFor);
        f.build(301, 3, 3);
        f.build(301, 3, 3);   // a new exercise starts at subtask 1
        auto *gen = dynamic_cast<AddOrTakeGenerator *>(f.screen->generator());
        QVERIFY(gen);
        QCOMPARE(f.screen->signPictureName(), QString("obr\\201\\nerovna.Jpg"));
        int steps = 0;
        while (f.problem().targetTile != 3 && steps++ < 12)
            f.click(f.problem().targetTile);
        QCOMPARE(gen->count(), gen->target());
        QCOMPARE(f.screen->signPictureName(), QString("obr\\201\\cervene\\rovnase.Jpg"));
        QCOMPARE(f.screen->answerPictureName(),
                 QString("obr\\201\\cervene\\cisl%1d.jpg").arg(gen->count(), 3, 10, QChar('0')));
        QCOMPARE(f.scores.errorCount, 0);
        QCOMPARE(f.played("spatne"), 0);
        f.click(3);
        QCOMPARE(f.scores.pointCount, 1);
    }

    void riddleIsToldBeforeTheCardsAppear()
    {
        test::AnswerFixture f(&generatorFor);
        for (int v = 1; v <= 10; ++v)
            for (const char *tail : {"_11", "_10", "_21", "_20", "_31"})
                f.tp.writeWav(QString("zvuky/405/zv%1%2.wav").arg(v, 2, 10, QChar('0')).arg(tail), 20);
        for (int r = 1; r <= 2; ++r)
            f.tp.writeWav(QString("zvuky/405/uv405_1-%1.wav").arg(r), 20);
        f.build(405, 1, 2);
        f.build(405, 1, 2);   // a new exercise starts at subtask 1
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!f.screen->tile(i)->isVisibleTo(f.screen.get()));
        QTRY_COMPARE(f.played("_31.wav"), 1);
        QCOMPARE(f.played("405/"), 4);   // the opening, two steps, the result
        for (int i = 1; i <= 6; ++i)
            QVERIFY(f.screen->tile(i)->isVisibleTo(f.screen.get()));
        const int wrong = f.problem().targetTile == 1 ? 2 : 1;
        f.click(wrong);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(f.screen->tilePictureName(i) == "obr\\405\\Karta-otocena.Jpg", i != wrong);
    }

    void riddleWithoutItsSoundsStillShowsTheCards()
    {
        test::AnswerFixture f(&generatorFor);
        f.build(405);
        QTRY_VERIFY(f.screen->tile(6)->isVisibleTo(f.screen.get()));
    }
};

FLUMO_SCREEN_TEST_MAIN(TestEquationScreen, 1024, 768, 120)
#include "test_equationscreen.moc"
