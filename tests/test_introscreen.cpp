// The intro screen: the keyboard table with its wrap-around, group and row
// hover and clicks, the card strip, the delete question, key releases whose
// press went elsewhere, and which rows may start an exercise.
#include "engine/catalog.h"
#include "engine/settings.h"
#include "media/pictureloader.h"
#include "screens/exercisescreen.h"
#include "screens/introscreen.h"
#include "screens/paintbox.h"
#include "support/contextfixture.h"
#include "support/screenenv.h"
#include "support/testplatform.h"
#include <QApplication>
#include <QTest>
#include <memory>

using namespace flumo;

namespace {

int builds = 0;
struct CountingGenerator : Generator {
    void build(ProblemContext &) override { ++builds; }
};
// Every exercise but 202 can be built.
GeneratorFactory lookup(int task)
{
    return findExercise(task) && task != 202 ? +[]() -> std::unique_ptr<Generator> { return std::make_unique<CountingGenerator>(); }
                                             : nullptr;
}

const QColor kRowColour(20, 20, 120);

struct Fixture : test::ContextFixture {
    std::unique_ptr<ExerciseScreen> exercise;
    std::unique_ptr<IntroScreen> intro;
    int settingsOpened = 0, cardsOpened = 0, menuBuilt = 0;

    Fixture()
    {
        settings.setAutoAdvance(false);
        // Each look of a group button has its own size: 60 x 40 + 10 per look.
        for (int n = 1; n <= 6; ++n)
            for (auto [look, extra] : {std::pair{'n', 0}, {'k', 10}, {'v', 20}})
                tp.writeJpeg(QStringLiteral("obr/uvod/tl%1%2.Jpg").arg(n, 2, 10, QLatin1Char('0')).arg(QLatin1Char(look)),
                             60 + extra, 40 + extra);
        for (int r = 1; r <= 8; ++r)
            tp.writeJpeg(QStringLiteral("obr/uvod/vyb02_%1n.Jpg").arg(r, 2, 10, QLatin1Char('0')), 205, 18, kRowColour);
        tp.writeWav("zvuky/klik1.wav", 50);
        tp.writeWav("zvuky/klik2.wav", 50);
        exercise = std::make_unique<ExerciseScreen>(ctx, DisplayMetrics{120, 32});
        exercise->setGeneratorLookup(&lookup);
        intro = std::make_unique<IntroScreen>(ctx, DisplayMetrics{120, 32});
        intro->setExerciseScreen(exercise.get());
        intro->setSettingsAction([this] { ++settingsOpened; });
        intro->setCardsAction([this] { ++cardsOpened; });
        intro->setExerciseMenuAction([this] { ++menuBuilt; });
        builds = 0;
    }

    void showAt(int task)
    {
        state.currentTask = task;
        state.currentGroup = task / 100;
        intro->show();
    }
    int clicks(const char *name) const
    {
        int n = 0;
        for (const QString &p : tp.sound.played())
            n += p.endsWith(QLatin1String(name), Qt::CaseInsensitive) ? 1 : 0;
        return n;
    }
    void key(Qt::Key k) { QTest::keyClick(intro.get(), k); }
};

} // namespace

class IntroScreenTest : public QObject {
    Q_OBJECT
private slots:
    void keyboardTableWrapsAround()
    {
        Fixture f;
        f.showAt(305);
        QCOMPARE(f.intro->selectedRow(), 5);
        QCOMPARE(f.clicks("klik1.wav"), 0);    // the group click on show is silent
        QCOMPARE(f.intro->rowBox(5)->tag(), 5);
        for (int i = 0; i < 6; ++i)
            f.key(Qt::Key_Down);
        QCOMPARE(f.intro->selectedRow(), 11);
        f.key(Qt::Key_Down);
        QVERIFY(f.intro->selectedRow() == 1 && f.intro->rowBox(11)->tag() == 0);
        f.key(Qt::Key_Up);
        QCOMPARE(f.intro->selectedRow(), 11);
        QVERIFY(f.intro->pictureOf(f.intro->rowBox(11)).endsWith("vyb03_11k.Jpg"));

        f.key(Qt::Key_Right);
        QVERIFY(f.state.currentGroup == 4 && f.intro->selectedRow() == 1);
        f.key(Qt::Key_Space);
        QCOMPARE(f.state.currentGroup, 1);
        f.key(Qt::Key_Left);
        QCOMPARE(f.state.currentGroup, 4);
        QCOMPARE(f.clicks("klik1.wav"), 3);
        f.key(Qt::Key_Left);
        f.key(Qt::Key_Left);
        QCOMPARE(f.state.currentGroup, 2);
        // Eight rows; the white panels of rows 9-12 stay.
        QVERIFY(f.intro->rowBox(8)->isVisible() && !f.intro->rowBox(9)->isVisible() && f.intro->rowPanel(12)->isVisible());
        QVERIFY(f.intro->pictureOf(f.intro->descriptionBox()).endsWith("text02.Jpg"));
        f.key(Qt::Key_Up);
        QCOMPARE(f.intro->selectedRow(), 8);
    }

    void hoverAndClickOnButtonsAndRows()
    {
        Fixture f;
        f.showAt(112);
        PaintBox *b1 = f.intro->button(1), *b2 = f.intro->button(2), *b3 = f.intro->button(3);
        const auto hover = [](PaintBox *box) { emit box->pointerMoved(box, QPoint(1, 1), Qt::NoModifier); };
        QCOMPARE(b1->size(), QSize(80, 60));          // the current group's "v" look
        hover(b2);
        QCOMPARE(f.intro->hoverGroup(), 2);
        QCOMPARE(b2->size(), QSize(70, 50));          // "k"
        hover(b3);
        QCOMPARE(b2->tag(), 0);
        QCOMPARE(b2->size(), QSize(60, 40));          // back to "n"
        QCOMPARE(b3->size(), QSize(70, 50));
        hover(b1);
        QCOMPARE(b1->size(), QSize(80, 60));          // the current group stays "v"

        // Group 1 row 12, then a mouse click on group 2 (eight rows): the
        // highlight moves to the last row, with the click sound, and row 12
        // is not drawn with a picture group 2 does not have.
        QCOMPARE(f.intro->selectedRow(), 12);
        test::TraceRecorder rec;
        hover(b2);
        QTest::mouseClick(b2, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.state.currentGroup, 2);
        QVERIFY(f.intro->selectedRow() == 8 && f.intro->rowBox(8)->tag() == 8);
        QCOMPARE(f.clicks("klik1.wav"), 1);
        QVERIFY(b1->size() == QSize(60, 40) && b2->size() == QSize(80, 60));
        for (const QString &line : rec.lines("picture-missing"))
            QVERIFY2(!line.contains("vyb02_12"), qPrintable(line));

        hover(f.intro->rowBox(3));
        QVERIFY(f.intro->selectedRow() == 3 && f.intro->rowBox(8)->tag() == 0);
        QVERIFY(f.intro->pictureOf(f.intro->rowBox(8)).endsWith("vyb02_08n.Jpg"));

        // Settings button: its action, the strip redrawn, its "k" look.
        QTest::mouseClick(f.intro->button(5), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.settingsOpened, 1);
        QCOMPARE(f.intro->button(5)->size(), QSize(70, 50));
    }

    void cardStripForSetsOfFourAndNine()
    {
        Fixture f;
        f.settings.setCardCountIndex(0);
        f.scores.cardsEarned = 2;
        f.showAt(101);
        const QString empty = QStringLiteral("obr\\uvod\\karta0.Jpg");
        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(f.intro->cardSlot(n)->isVisible(), n <= 2 || n >= 5);
            if (n >= 5)
                QCOMPARE(f.intro->pictureOf(f.intro->cardSlot(n)), empty);
        }
        QCOMPARE(f.intro->pictureOf(f.intro->cardSlot(2)), QStringLiteral("obr\\uvod\\karta2.Jpg"));

        f.settings.setCardCountIndex(1);   // resets the score
        f.scores.cardsEarned = 3;
        f.intro->RefreshCardStrip();
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(f.intro->cardSlot(n)->isVisible(), n <= 3);
        QTest::mouseClick(f.intro->cardSlot(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.cardsOpened, 1);

        // Not in use: nine empty cards that open nothing.
        f.settings.setUseCards(false);
        f.intro->RefreshCardStrip();
        for (int n = 1; n <= 9; ++n) {
            QVERIFY(f.intro->cardSlot(n)->isVisible());
            QCOMPARE(f.intro->pictureOf(f.intro->cardSlot(n)), empty);
        }
        QTest::mouseClick(f.intro->cardSlot(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f.cardsOpened, 1);
    }

    void helpKeyAndReleasesWhosePressWentElsewhere()
    {
        Fixture f;
        f.showAt(203);
        f.scores.cardsEarned = 3;
        f.intro->RefreshCardStrip();
        int helps = 0;
        f.intro->setHelpAction([&] { ++helps; });
        f.key(Qt::Key_F1);
        QCOMPARE(helps, 1);
        // The Enter that closed the help page, and the one that answered "Ne"
        // to the delete question, were pressed there: their releases start nothing.
        QTest::keyRelease(f.intro.get(), Qt::Key_Return);
        f.tp.dialogs.answer(false);
        f.intro->clickDelete();
        QTest::keyRelease(f.intro.get(), Qt::Key_Return);
        QVERIFY(builds == 0 && f.scores.cardsEarned == 3);

        f.tp.dialogs.answer(true);
        const qint64 slept = f.tp.clock.totalSlept();
        f.intro->clickDelete();
        QCOMPARE(f.tp.dialogs.calls().back().text,
                 QStringLiteral("Opravdu chcete smazat všechny dosud získané kartičky ?"));
        QCOMPARE(f.scores.cardsEarned, 0);
        QCOMPARE(f.tp.clock.totalSlept() - slept, 150);
        QVERIFY(!f.intro->cardSlot(1)->isVisible());
        QVERIFY(f.intro->pictureOf(f.intro->deleteButton()).endsWith("smaz1.Jpg"));
        QTest::keyRelease(f.intro.get(), Qt::Key_Return);
        QCOMPARE(builds, 0);
        f.key(Qt::Key_Return);
        QCOMPARE(builds, 1);

        // No cards left: only the sound, no question.
        f.intro->clickDelete();
        QCOMPARE(f.tp.dialogs.count(ScriptedDialogs::Call::QuestionYesNo), 2);
        QCOMPARE(f.clicks("klik2.wav"), 3);
    }

    // A launch is timed to this line: once, after the first frame.
    void firstPaintIsTracedOnce()
    {
        Fixture f;
        test::TraceRecorder rec;
        f.showAt(101);
        QTRY_COMPARE(rec.lines("screen-painted"), QStringList{"screen-painted name=FUvodObr1"});
        f.intro->repaint();
        QTest::qWait(20);
        QCOMPARE(rec.lines("screen-painted").size(), 1);
    }

    void onlyPlayableExercisesStart()
    {
        Fixture f;
        f.showAt(201);
        test::TraceRecorder rec;
        // 202 has no generator: a beep, nothing changes, and its row is dimmed.
        QTest::mouseClick(f.intro->rowBox(2), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(f.state.currentTask == 201 && !f.exercise->isVisible());
        QCOMPARE(f.tp.dialogs.count(ScriptedDialogs::Call::Beep), 1);
        const QRgb dimmed = f.intro->rowBox(2)->grab().toImage().pixel(100, 9);
        const QRgb plain = f.intro->rowBox(4)->grab().toImage().pixel(100, 9);
        QVERIFY(test::nearColour(plain, kRowColour.rgb()));
        QVERIFY(!test::nearColour(dimmed, plain, 40));

        f.state.currentSubtask = 3;
        QTest::mouseClick(f.intro->rowBox(4), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(f.state.currentTask == 204 && f.state.currentSubtask == 1);
        QVERIFY(f.menuBuilt == 1 && builds == 1 && f.exercise->isVisible());
        QCOMPARE(rec.lines("exercise"), QStringList{"exercise chosen task=204"});
        // Chosen again, the exercise screen comes to the front over this one.
        rec.clear();
        QVERIFY(f.intro->startRow(4));
        QCOMPARE(rec.lines("screen"), (QStringList{"screen name=FUkolu1 shown", "screen name=FUvodObr1 hidden"}));
    }
};

FLUMO_SCREEN_TEST_MAIN(IntroScreenTest, 1280, 1024, 120)

#include "test_introscreen.moc"
