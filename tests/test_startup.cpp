// Start-up and ending: the five screens in order after the settings, the
// disc prompt, the backdrop rule and first activation, the intro and card
// screens' windows and keys, and the close chain that ends the program.
#include "app/application.h"
#include "app/backdrop.h"
#include "screens/cardscreen.h"
#include "screens/exercisescreen.h"
#include "screens/introscreen.h"
#include "screens/paintbox.h"
#include "screens/paramscreen.h"
#include "support/screenenv.h"
#include "support/testplatform.h"
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

using namespace flumo;

namespace {

constexpr int kScreenW = 1025;
constexpr int kScreenH = 769;

// One program run: the test doubles, the trace, and the Application.
struct Run {
    test::TestPlatform tp;
    test::TraceRecorder trace;
    std::unique_ptr<Application> app;
    // Creates the screens, with the media marker in the working folder unless
    // told otherwise and ini as "Param1.INI" when given.
    bool start(const QByteArray &ini = {}, bool marker = true)
    {
        if (marker)
            tp.writeMediaMarker();
        if (!ini.isEmpty())
            tp.write(QStringLiteral("Param1.INI"), ini);
        app = std::make_unique<Application>(tp.platform, DisplayMetrics{96, 32});
        return app->createScreens();
    }
    qsizetype shown(const char *name) const
    {
        return trace.lines(QStringLiteral("screen name=%1 shown").arg(QLatin1String(name))).size();
    }
};

// Runs action after ms on the event loop, and a guard that closes every
// modal screen after a while so that a fault cannot hang the suite.
// Both timers die with the Later object.
struct Later {
    QObject context;
    bool guardFired = false;
    Later(int ms, std::function<void()> action, std::vector<QWidget *> guarded = {})
    {
        QTimer::singleShot(ms, &context, std::move(action));
        QTimer::singleShot(ms + 3000, &context, [this, guarded] {
            guardFired = true;
            for (QWidget *w : guarded)
                if (w && w->isVisible())
                    w->close();
        });
    }
};

bool maskedCornerAndCentre(const QWidget *w)
{
    const QRegion mask = w->mask();
    return !mask.isEmpty() && !mask.contains(QPoint(0, 0)) && !mask.contains(QPoint(w->width() - 1, w->height() - 1))
        && mask.contains(QPoint(w->width() / 2, w->height() / 2));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void screensAreCreatedInOrderAfterTheSettings()
    {
        Run r;
        QVERIFY(r.start("[Obecne]\r\nCislo ukolu=305\r\nTlacitka nahore=0\r\nCerne pozadi=0\r\n"));
        QStringList order;
        for (const QString &l : r.trace.lines(QStringLiteral("screen-created")))
            order << l.section(QLatin1Char('='), 1);
        QCOMPARE(order, (QStringList{"FCernaObr1", "FParam1", "FUkolu1", "FUvodObr1", "FKart1"}));
        const Application &a = *r.app;
        // The exercise screen was made with the loaded settings: the group of
        // exercise 305, and the strip between the pattern area and the tiles.
        QCOMPARE(r.app->state().currentGroup, 3);
        QCOMPARE(a.exerciseScreen()->toolbar()->y(), 198);
        // The backdrop follows the loaded setting as soon as it is read.
        QCOMPARE(a.backdrop()->size(), QSize(1, 1));
        QVERIFY(r.app->pictures().mediaRoot().isEmpty());
        // Nothing is shown before the message loop runs.
        QVERIFY(r.trace.lines(QStringLiteral("screen")).isEmpty());
        QVERIFY(r.tp.dialogs.calls().empty());
    }

    void mediaRootOnAMountedDisc()
    {
        Run r;
        QTemporaryDir disc;
        QDir(disc.path()).mkpath(QStringLiteral("OBR"));
        QFile marker(disc.path() + QStringLiteral("/OBR/okno.pt0"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.write(test::makeContainer(QByteArray(16, 'x'), 0));
        marker.close();
        r.tp.drives.drives = {disc.path() + QLatin1Char('/')};
        QVERIFY(r.start({}, false));
        QCOMPARE(r.app->pictures().mediaRoot(), disc.path() + QLatin1Char('/'));
        QCOMPARE(r.tp.dialogs.count(ScriptedDialogs::Call::ErrorYesNo), 0);
    }

    void discPromptNoEndsBeforeAnyScreenShows()
    {
        Run r;                      // no marker, no disc
        r.tp.dialogs.answer(true);  // "Ano": look again, still nothing; then "Ne"
        QVERIFY(!r.start({}, false));
        QCOMPARE(r.tp.dialogs.count(ScriptedDialogs::Call::ErrorYesNo), 2);
        QVERIFY(!r.app->exerciseScreen() && !r.app->introScreen() && !r.app->cardScreen());
        QCOMPARE(r.app->exec(), 0);   // returns at once
        QVERIFY(r.trace.lines(QStringLiteral("screen")).isEmpty());
        QVERIFY(!r.app->backdrop()->isVisible());
        QCOMPARE(r.trace.lines(QStringLiteral("screen-created")).size(), 2);
    }

    void introCardAndBackdropWindows()
    {
        Run r;
        QVERIFY(r.start());
        const IntroScreen *intro = r.app->introScreen();
        QCOMPARE(intro->geometry(), QRect(112, 84, 800, 600));   // 112.5 and 84.5 rounded toward zero
        QVERIFY(intro->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(maskedCornerAndCentre(intro));
        const CardScreen *cards = r.app->cardScreen();
        QCOMPARE(cards->geometry(), QRect(220, 114, 584, 540));
        QVERIFY(cards->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(maskedCornerAndCentre(cards));
        // A 30 x 30 ellipse rounds less than the 68 x 68 one.
        QVERIFY(cards->mask().contains(QPoint(15, 2)));
        QVERIFY(!intro->mask().contains(QPoint(15, 2)));

        // The backdrop: disabled, black and whole-screen, or a teal pixel in the middle.
        BackdropScreen *b = r.app->backdrop();
        QVERIFY(!b->isEnabled());
        for (bool black : {true, false, true}) {
            r.app->settings().setBlackBackdrop(black);
            QCOMPARE(b->geometry(), black ? QRect(0, 0, kScreenW, kScreenH) : QRect(512, 384, 1, 1));
            QCOMPARE(b->colour(), black ? QColor(Qt::black) : QColor(0, 128, 128));
            QVERIFY(r.trace.lines(QStringLiteral("backdrop")).last().contains(black ? "black=1" : "black=0"));
        }
        b->show();
        QCOMPARE(QColor(b->grab().toImage().pixel(500, 400)), QColor(Qt::black));
    }

    void firstActivationShowsTheIntroOnlyOnce()
    {
        Run r;
        QVERIFY(r.start());
        BackdropScreen *b = r.app->backdrop();
        QCOMPARE(b->tag(), 0);
        b->show();
        QTRY_VERIFY(r.app->introScreen()->isVisible());
        QCOMPARE(b->tag(), 1);

        // The intro goes behind (as when an exercise starts); re-activations
        // re-apply the rule but never bring it back.
        r.app->introScreen()->hide();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(b, &activate);
        b->setGeometry(5, 5, 10, 10);
        Later later(50, [&] { r.app->cardScreen()->close(); }, {r.app->cardScreen()});
        r.app->cardScreen()->showModal();
        QVERIFY(!later.guardFired);
        QTRY_COMPARE(b->geometry(), QRect(0, 0, kScreenW, kScreenH));
        QTest::qWait(50);
        QVERIFY(r.app->introScreen()->isHidden());
        QCOMPARE(r.shown("FUvodObr1"), 1);
        QCOMPARE(b->tag(), 1);
        b->close();
    }

    void minimiseIsOneAndTheIntroComingBackIsTraced()
    {
        Run r;
        QVERIFY(r.start());
        BackdropScreen *b = r.app->backdrop();
        IntroScreen *intro = r.app->introScreen();
        ExerciseScreen *ex = r.app->exerciseScreen();
        b->show();
        QTRY_VERIFY(intro->isVisible());
        ex->show();
        r.trace.clear();
        QTest::keyClick(ex, Qt::Key_Escape);   // the intro comes back over the exercise screen
        QCOMPARE(r.trace.lines(QStringLiteral("screen")),
                 (QStringList{"screen name=FUvodObr1 shown", "screen name=FUkolu1 hidden"}));

        QTest::mouseClick(intro->minimiseButton(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(b->isMinimized() && intro->isHidden() && ex->isHidden());
        b->showNormal();
        QVERIFY(intro->isVisible() && ex->isVisible());
        b->close();
    }

    void closingTheIntroEndsTheProgramWithoutTheExerciseScreen()
    {
        Run r;
        const QByteArray ini = "[Hodnoceni]\r\nKarticka za=3\r\n[Obecne]\r\nCislo ukolu=207\r\n";
        QVERIFY(r.start(ini));
        r.app->settings().setPointsPerCard(7);   // a change that must not be written
        bool clicked = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!clicked && r.app->introScreen()->isVisible()) {
                clicked = true;
                QTest::mouseClick(r.app->introScreen()->closeButton(), Qt::LeftButton, {}, QPoint(5, 5));
            }
        });
        poll.start(20);
        Later guard(5000, [] {}, {r.app->backdrop()});
        QCOMPARE(r.app->exec(), 0);
        QVERIFY(clicked && !guard.guardFired);
        QCOMPARE(r.shown("FUkolu1"), 0);
        QVERIFY(!r.app->backdrop()->isVisible() && !r.app->introScreen()->isVisible());
        QCOMPARE(r.trace.lines(QStringLiteral("program-ended")), QStringList{QStringLiteral("program-ended code=0")});
        QFile file(r.tp.dir() + QStringLiteral("/Param1.INI"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ini);
    }

    void closingTheExerciseScreenStopsTimer2AndEndsTheProgram()
    {
        Run r;
        QVERIFY(r.start());
        ExerciseScreen *s = r.app->exerciseScreen();
        QTimer::singleShot(100, [s] {
            s->show();
            s->timer2()->start();
            s->close();
        });
        Later guard(5000, [] {}, {r.app->backdrop()});
        QCOMPARE(r.app->exec(), 0);
        QVERIFY(!guard.guardFired);
        QVERIFY(!s->timer2()->isActive() && !r.app->backdrop()->isVisible());
        QVERIFY(!QFile::exists(r.tp.dir() + QStringLiteral("/Param1.INI")));   // nothing written
    }

    void altKeysOpenTheModalScreens()
    {
        Run r;
        QVERIFY(r.start());
        IntroScreen *intro = r.app->introScreen();
        intro->show();
        // Alt+P (Alt let go before P, or P pressed alone and released with Alt
        // held): the settings screen, modally.
        for (Qt::KeyboardModifier pressed : {Qt::AltModifier, Qt::NoModifier}) {
            Later later(50, [&] { r.app->paramScreen()->close(); }, {r.app->paramScreen()});
            QTest::keyPress(intro, Qt::Key_P, pressed);
            QTest::keyRelease(intro, Qt::Key_P, pressed == Qt::AltModifier ? Qt::NoModifier : Qt::AltModifier);
            QVERIFY(!later.guardFired);
            QVERIFY(!r.app->paramScreen()->isVisible());
        }
        QCOMPARE(r.shown("FParam1"), 2);

        // Alt+H with cards in use: the card screen in its viewing mode.
        CardScreen *cards = r.app->cardScreen();
        int tagSeen = -1;
        {
            Later later(50, [&] { tagSeen = cards->tag(); cards->close(); }, {cards});
            QTest::keyClick(intro, Qt::Key_H, Qt::AltModifier);
            QVERIFY(!later.guardFired);
        }
        QCOMPARE(tagSeen, CardScreen::kViewMode);
        QCOMPARE(r.shown("FKart1"), 1);

        // Without cards, and without Alt, nothing opens.
        r.app->settings().setUseCards(false);
        QTest::keyClick(intro, Qt::Key_H, Qt::AltModifier);
        QTest::keyClick(intro, Qt::Key_P);
        QTest::keyClick(intro, Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(r.shown("FKart1"), 1);
        QCOMPARE(r.shown("FParam1"), 2);
        QVERIFY(intro->isVisible());
    }
};

FLUMO_SCREEN_TEST_MAIN(StartupTest, kScreenW, kScreenH, 96)
#include "test_startup.moc"
