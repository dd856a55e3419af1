// Answer input on the exercise screen: the cursor on full and partial
// grids, keys acting once on release, command keys at their limits, the
// automatic movement's timing, a click where the cursor is not, and the
// wait tick of a blocking play.
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/screenenv.h"
#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

using namespace flumo;
using S = ExerciseScreen;

namespace {

// SelectedTile after key on a grid of c columns, r rows, n tiles.
int step(test::AnswerFixture &f, int key, int from, int c, int r, int n)
{
    Problem &p = f.problem();
    p.gridColumns = c, p.gridRows = r, p.tileCount = n, p.selectedTile = from;
    f.screen->FormKeyUp(key);
    return p.selectedTile;
}

void keyUp(QWidget *w, Qt::Key key, bool autoRepeat = false)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

} // namespace

class AnswerInputTest : public QObject {
    Q_OBJECT
private slots:
    void cursorOnFullAndPartialGrids()
    {
        test::AnswerFixture f;
        f.build(101);
        QCOMPARE(step(f, S::KeyRight, 4, 4, 2, 8), 1);
        QCOMPARE(step(f, S::KeyLeft, 5, 4, 2, 8), 8);
        QCOMPARE(step(f, S::KeyUp, 2, 4, 2, 8), 6);
        QCOMPARE(step(f, S::KeyDown, 6, 4, 2, 8), 2);
        QCOMPARE(step(f, S::KeySpace, 8, 4, 2, 8), 1);
        QCOMPARE(f.screen->tile(1)->tag(), 1);   // the highlight mark
        // Partial grids: the same column or row, on a tile that exists.
        QCOMPARE(step(f, S::KeyUp, 2, 4, 2, 6), 6);
        QCOMPARE(step(f, S::KeyUp, 3, 4, 2, 6), 3);
        QCOMPARE(step(f, S::KeyRight, 6, 4, 2, 6), 5);
        QCOMPARE(step(f, S::KeyLeft, 5, 4, 2, 6), 6);
        for (const auto &[c, r, n] : {std::tuple{4, 2, 6}, {3, 3, 7}, {5, 2, 6}})
            for (int key : {S::KeyLeft, S::KeyRight, S::KeyUp, S::KeyDown, S::KeySpace})
                for (int from = 1; from <= n; ++from) {
                    const int to = step(f, key, from, c, r, n);
                    QVERIFY2(to >= 1 && to <= n, qPrintable(QStringLiteral("key %1 from %2 on %3x%4/%5: %6")
                                                                .arg(key).arg(from).arg(c).arg(r).arg(n).arg(to)));
                }
    }

    void keysActOnceOnReleaseAndCommandsStopAtLimits()
    {
        test::AnswerFixture f;
        f.build(101);
        test::TraceRecorder rec;
        keyUp(f.screen.get(), Qt::Key_Right, true);   // a held key repeats
        keyUp(f.screen.get(), Qt::Key_Right);
        QCOMPARE(f.problem().selectedTile, 2);
        QCOMPARE(rec.lines(QStringLiteral("key")), QStringList{QStringLiteral("key code=39")});
        // A release whose press went elsewhere (a popup menu chosen with
        // Enter) answers nothing.
        QKeyEvent strayRelease(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(f.screen.get(), &strayRelease);
        QCOMPARE(rec.lines(QStringLiteral("answer")).size(), 0);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        keyUp(f.screen.get(), Qt::Key_F1);
        QCOMPARE(rec.lines(QStringLiteral("help")).size(), 1);
        keyUp(f.screen.get(), Qt::Key_F5);            // level 1 already
        QCOMPARE(rec.lines(QStringLiteral("problem")).size(), 0);
        keyUp(f.screen.get(), Qt::Key_F8);
        QCOMPARE(f.state.currentSubtask, 2);
        // The reward games take only F9 and Esc.
        f.build(501);
        rec.clear();
        for (Qt::Key k : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F6, Qt::Key_F8})
            keyUp(f.screen.get(), k);
        QCOMPARE(rec.lines(QStringLiteral("problem")).size(), 0);
        keyUp(f.screen.get(), Qt::Key_F9);
        QCOMPARE(rec.lines(QStringLiteral("problem")).size(), 1);
    }

    void automaticMovementWaitsTheFullDelay()
    {
        test::AnswerFixture f;
        f.settings.setAutoAdvance(true);
        f.build(101);
        QVERIFY(f.screen->timer2()->isActive());
        const auto msUntilStep = [&f] {
            const int from = f.problem().selectedTile;
            for (int ms = 100; ms <= 3000; ms += 100) {
                f.tp.clock.advance(100);
                f.screen->Timer2Timer();
                if (f.problem().selectedTile != from)
                    return ms;
            }
            return -1;
        };
        QCOMPARE(msUntilStep(), 600);                  // delay 5: more than 500 ms
        QCOMPARE(f.problem().selectedTile, 2);
        f.tp.clock.advance(300);
        f.screen->tilePointerMoved(1);                 // a hover restarts the delay
        QCOMPARE(msUntilStep(), 600);
        f.settings.setAutoAdvanceDelay(10);
        f.problem().selectedTile = f.problem().tileCount;
        QCOMPARE(msUntilStep(), 1100);
        QCOMPARE(f.problem().selectedTile, 1);
    }

    void clickWhereTheCursorIsNotIsOnlyReprimanded()
    {
        test::AnswerFixture f;
        f.settings.setAutoAdvance(true);
        f.build(101);
        f.screen->FormKeyUp(S::KeyRight);             // the cursor on 2, the pointer on 1
        test::TraceRecorder rec;
        f.tp.clock.advance(400);
        f.screen->tileClicked(1);
        QCOMPARE(f.tp.dialogs.count(ScriptedDialogs::Call::Beep), 1);
        QCOMPARE(f.scores.errorCount, 0);
        QVERIFY(rec.lines(QStringLiteral("answer")).isEmpty());
        QVERIFY(f.screen->timer2()->isActive());
        QCOMPARE(f.screen->lastCursorMove(), f.tp.clock.tickCount());
        f.settings.setUseDing(false);
        f.screen->tileClicked(3);
        QCOMPARE(f.played(QStringLiteral("spatne")), 1);
    }

    void doubleClickIsOneClickAndInputDuringTheWaitsIsDropped()
    {
        test::AnswerFixture f;
        f.settings.setUsePraise(false);
        f.build(101);
        f.screen->show();
        test::TraceRecorder rec;
        // As the window system delivers a double-click on tile 1 (tile 2 is right).
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                               QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f.screen->tile(1), &e);
        }
        QCOMPARE(rec.lines(QStringLiteral("answer")).size(), 1);
        QCOMPARE(f.scores.errorCount, 1);

        // A quick second Enter and a click made while the still pause and
        // the waits block queue up; they must not judge the next problem.
        f.tp.clock.setSleepHook([&](int) {
            QCoreApplication::postEvent(f.screen.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
            QCoreApplication::postEvent(f.screen.get(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier));
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(f.screen->tile(1), new QMouseEvent(t, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                                                               Qt::LeftButton, Qt::NoModifier));
        });
        keyUp(f.screen.get(), Qt::Key_Right);
        keyUp(f.screen.get(), Qt::Key_Return);
        f.tp.clock.setSleepHook(nullptr);
        QCoreApplication::processEvents();
        QCOMPARE(rec.lines(QStringLiteral("problem")).size(), 1);
        QCOMPARE(rec.lines(QStringLiteral("answer")).size(), 2);
        QCOMPARE(f.scores.errorCount, 1);
        keyUp(f.screen.get(), Qt::Key_Return);       // the new problem takes input
        QCOMPARE(rec.lines(QStringLiteral("answer")).size(), 3);
    }

    void waitingPlayTicksAsItsClockAdvances()
    {
        test::TestPlatform tp;
        tp.writeWav(QStringLiteral("a.wav"), 300);
        qint64 last = tp.clock.tickCount();
        int ticks = 0, longestGap = 0;
        tp.sound.setWaitTick([&] {
            ++ticks;
            longestGap = std::max(longestGap, int(tp.clock.tickCount() - last));
            last = tp.clock.tickCount();
        });
        QVERIFY(tp.sound.open(tp.dir() + QStringLiteral("/a.wav")));
        tp.sound.play(true);
        QVERIFY(ticks >= 300 / 40 && longestGap <= 40);
        QVERIFY(tp.clock.tickCount() - last < 40);
    }
};

FLUMO_SCREEN_TEST_MAIN(AnswerInputTest, 1280, 1024, 120)

#include "test_answerinput.moc"
