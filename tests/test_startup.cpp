// Start-up and ending: the five screens in order after the settings, the
// disc prompt, the backdrop rule and first activation, the intro and card
// screens' windows and keys, and the close chain that ends the program.
#include "app/application.h"
#include "app/backdrop.h"
#include "platform/inifile.h"
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
const DisplayMetrics kDisplay{96, 32};

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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
    return !mask.isEmpty() && !mask.contains(QPoint(0, 0))
        && !mask.contains(QPoint(w->width() - 1, w->height() - 1))
        && mask.contains(QPoint(w->width() / 2, w->height() / 2));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void screensAreCreatedInOrderAfterTheSettings()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        tp.write(QStringLiteral("Param1.INI"),
                 "[Obecne]\r\nCislo ukolu=305\r\nTlacitka nahore=0\r\nCerne pozadi=0\r\n");
        test::TraceRecorder trace;
        Application app(tp.platform, kDisplay);
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Flumo"));
        QVERIFY(app.createScreens());

        QStringList order;
        for (const QString &l : trace.lines(QStringLiteral("screen-created")))
            order << l.section(QLatin1Char('='), 1);
        QCOMPARE(order, (QStringList{"FCernaObr1", "FParam1", "FUkolu1", "FUvodObr1", "FKart1"}));
        QCOMPARE(app.backdrop()->objectName(), QStringLiteral("FCernaObr1"));
        QCOMPARE(app.paramScreen()->objectName(), QStringLiteral("FParam1"));
        QCOMPARE(app.introScreen()->objectName(), QStringLiteral("FUvodObr1"));
        QCOMPARE(app.cardScreen()->objectName(), QStringLiteral("FKart1"));

        // The exercise screen was made with the loaded settings: the group of
        // exercise 305, and the strip between the pattern area and the tiles.
        QCOMPARE(app.state().currentGroup, 3);
        QCOMPARE(app.exerciseScreen()->toolbar()->y(), 198);
        // The backdrop follows the loaded setting as soon as it is read.
        QCOMPARE(app.backdrop()->size(), QSize(1, 1));
        QVERIFY(app.pictures().mediaRoot().isEmpty());
        // Nothing is shown before the message loop runs.
        QVERIFY(trace.lines(QStringLiteral("screen")).isEmpty());
        QVERIFY(tp.dialogs.calls().empty());
    }

    void mediaRootOnAMountedDisc()
    {
        test::TestPlatform tp;
        QTemporaryDir disc;
        QDir(disc.path()).mkpath(QStringLiteral("OBR"));
        QFile marker(disc.path() + QStringLiteral("/OBR/okno.pt0"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.write(test::makeContainer(QByteArray(16, 'x'), 0));
        marker.close();
        tp.drives.drives = {disc.path() + QLatin1Char('/')};
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        QCOMPARE(app.pictures().mediaRoot(), disc.path() + QLatin1Char('/'));
        QCOMPARE(tp.dialogs.count(ScriptedDialogs::Call::ErrorYesNo), 0);
    }

    void discPromptNoEndsBeforeAnyScreenShows()
    {
        test::TestPlatform tp;   // no marker, no disc
        tp.dialogs.answer(true); // "Ano": look again, still nothing
        // then "Ne"
        test::TraceRecorder trace;
        Application app(tp.platform, kDisplay);
        QVERIFY(!app.createScreens());
        QCOMPARE(tp.dialogs.count(ScriptedDialogs::Call::ErrorYesNo), 2);
        QCOMPARE(app.exerciseScreen(), nullptr);
        QCOMPARE(app.introScreen(), nullptr);
        QCOMPARE(app.cardScreen(), nullptr);
        QCOMPARE(app.exec(), 0);   // returns at once
        QVERIFY(trace.lines(QStringLiteral("screen")).isEmpty());
        QVERIFY(!app.backdrop()->isVisible());
        QCOMPARE(trace.lines(QStringLiteral("screen-created")).size(), 2);
    }

    void introAndCardWindowsAreCentredAndRounded()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        const IntroScreen *intro = app.introScreen();
        QCOMPARE(intro->size(), QSize(800, 600));
        QCOMPARE(intro->pos(), QPoint((kScreenW - 800) / 2, (kScreenH - 600) / 2));
        QCOMPARE(intro->pos(), QPoint(112, 84));   // 112.5 and 84.5 rounded toward zero
        QVERIFY(intro->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(maskedCornerAndCentre(intro));
        // The close button: left set at run time, top and size from the design.
        QCOMPARE(intro->closeButton()->geometry(),
                 QRect(750, scaleDesign(28, 96), scaleDesign(23, 96), scaleDesign(23, 96)));

        const CardScreen *cards = app.cardScreen();
        QCOMPARE(cards->size(), QSize(584, 540));
        QCOMPARE(cards->pos(), QPoint(220, 114));
        QVERIFY(cards->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(maskedCornerAndCentre(cards));
        // A 30 x 30 ellipse rounds less than the 68 x 68 one.
        QVERIFY(cards->mask().contains(QPoint(15, 2)));
        QVERIFY(!intro->mask().contains(QPoint(15, 2)));
    }

    void backdropRuleBothWays()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        test::TraceRecorder trace;
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        BackdropScreen *b = app.backdrop();
        QVERIFY(!b->isEnabled());
        QCOMPARE(b->geometry(), QRect(0, 0, kScreenW, kScreenH));
        QCOMPARE(b->colour(), QColor(Qt::black));

        app.settings().setBlackBackdrop(false);
        QCOMPARE(b->geometry(), QRect((kScreenW - 1) / 2, (kScreenH - 1) / 2, 1, 1));
        QCOMPARE(b->colour(), QColor(0, 128, 128));
        QVERIFY(trace.lines(QStringLiteral("backdrop")).last().contains(QStringLiteral("black=0")));

        app.settings().setBlackBackdrop(true);
        QCOMPARE(b->geometry(), QRect(0, 0, kScreenW, kScreenH));
        QCOMPARE(b->colour(), QColor(Qt::black));
        b->show();
        QCOMPARE(QColor(b->grab().toImage().pixel(500, 400)), QColor(Qt::black));
    }

    void firstActivationShowsTheIntroOnlyOnce()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        test::TraceRecorder trace;
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        BackdropScreen *b = app.backdrop();
        QCOMPARE(b->tag(), 0);
        b->show();
        QTRY_VERIFY(app.introScreen()->isVisible());
        QCOMPARE(b->tag(), 1);

        // The intro goes behind (as when an exercise starts); re-activations
        // re-apply the rule but never bring it back.
        app.introScreen()->hide();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(b, &activate);
        b->setGeometry(5, 5, 10, 10);
        Later later(50, [&] { app.cardScreen()->close(); }, {app.cardScreen()});
        app.cardScreen()->showModal();
        QVERIFY(!later.guardFired);
        QTRY_COMPARE(b->geometry(), QRect(0, 0, kScreenW, kScreenH));
        QTest::qWait(50);
        QVERIFY(app.introScreen()->isHidden());
        QCOMPARE(trace.lines(QStringLiteral("screen name=FUvodObr1 shown")).size(), 1);
        QCOMPARE(b->tag(), 1);
        b->close();
    }

    void closingTheIntroEndsTheProgramWithoutTheExerciseScreen()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        const QByteArray ini = "[Hodnoceni]\r\nKarticka za=3\r\n[Obecne]\r\nCislo ukolu=207\r\n";
        tp.write(QStringLiteral("Param1.INI"), ini);
        test::TraceRecorder trace;
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        app.settings().setPointsPerCard(7);   // a change that must not be written
        bool clicked = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!clicked && app.introScreen()->isVisible()) {
                clicked = true;
                QTest::mouseClick(app.introScreen()->closeButton(), Qt::LeftButton, {}, QPoint(5, 5));
            }
        });
        poll.start(20);
        Later guard(5000, [] {}, {app.backdrop()});
        const int code = app.exec();
        QVERIFY(clicked);
        QVERIFY(!guard.guardFired);
        QCOMPARE(code, 0);
        QVERIFY(trace.lines(QStringLiteral("screen name=FUkolu1 shown")).isEmpty());
        QVERIFY(!app.backdrop()->isVisible());
        QVERIFY(!app.introScreen()->isVisible());
        QCOMPARE(trace.lines(QStringLiteral("program-ended")), QStringList{QStringLiteral("program-ended code=0")});
        QCOMPARE(readFile(tp.dir() + QStringLiteral("/Param1.INI")), ini);
    }

    void closingTheExerciseScreenStopsTimer2AndEndsTheProgram()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        QTimer::singleShot(100, [&] {
            app.exerciseScreen()->show();
            app.exerciseScreen()->timer2()->start();
            app.exerciseScreen()->close();
        });
        Later guard(5000, [] {}, {app.backdrop()});
        QCOMPARE(app.exec(), 0);
        QVERIFY(!guard.guardFired);
        QVERIFY(!app.exerciseScreen()->timer2()->isActive());
        QVERIFY(!app.backdrop()->isVisible());
        QVERIFY(!QFile::exists(tp.dir() + QStringLiteral("/Param1.INI")));   // nothing written
    }

    void altKeysOpenTheModalScreens()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        test::TraceRecorder trace;
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        IntroScreen *intro = app.introScreen();
        intro->show();

        // Alt+P, with Alt let go before P: the settings screen, modally.
        {
            Later later(50, [&] { app.paramScreen()->close(); }, {app.paramScreen()});
            QTest::keyPress(intro, Qt::Key_P, Qt::AltModifier);
            QTest::keyRelease(intro, Qt::Key_P, Qt::NoModifier);
            QVERIFY(!later.guardFired);
        }
        QCOMPARE(trace.lines(QStringLiteral("screen name=FParam1 shown")).size(), 1);
        QVERIFY(!app.paramScreen()->isVisible());

        // Alt+H with cards in use: the card screen in its viewing mode.
        int tagSeen = -1;
        {
            Later later(50, [&] { tagSeen = app.cardScreen()->tag(); app.cardScreen()->close(); }, {app.cardScreen()});
            QTest::keyClick(intro, Qt::Key_H, Qt::AltModifier);
            QVERIFY(!later.guardFired);
        }
        QCOMPARE(tagSeen, CardScreen::kViewMode);
        QCOMPARE(trace.lines(QStringLiteral("screen name=FKart1 shown")).size(), 1);

        // Without cards, and without Alt, nothing opens.
        app.settings().setUseCards(false);
        QTest::keyClick(intro, Qt::Key_H, Qt::AltModifier);
        QTest::keyClick(intro, Qt::Key_P);
        QTest::keyClick(intro, Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(trace.lines(QStringLiteral("screen name=FKart1 shown")).size(), 1);
        QCOMPARE(trace.lines(QStringLiteral("screen name=FParam1 shown")).size(), 1);
        QVERIFY(intro->isVisible());

        // P pressed alone but released while Alt is held counts as Alt+P.
        {
            Later later(50, [&] { app.paramScreen()->close(); }, {app.paramScreen()});
            QTest::keyPress(intro, Qt::Key_P);
            QTest::keyRelease(intro, Qt::Key_P, Qt::AltModifier);
            QVERIFY(!later.guardFired);
        }
        QCOMPARE(trace.lines(QStringLiteral("screen name=FParam1 shown")).size(), 2);
    }

    void cardScreenClosesOnEnterAndEscape()
    {
        test::TestPlatform tp;
        tp.writeMediaMarker();
        Application app(tp.platform, kDisplay);
        QVERIFY(app.createScreens());
        CardScreen *cards = app.cardScreen();
        const std::vector<std::function<void()>> closers = {
            [cards] { QTest::keyRelease(cards, Qt::Key_Return); },
            [cards] { QTest::keyRelease(cards, Qt::Key_Enter); },
            [cards] { QTest::keyRelease(cards, Qt::Key_Escape); },
        };
        for (const auto &closeIt : closers) {
            Later later(30, [&] {
                QVERIFY(cards->isShowingModal());
                QCOMPARE(cards->windowModality(), Qt::ApplicationModal);
                QTest::keyRelease(cards, Qt::Key_A);   // other keys do nothing
                QVERIFY(cards->isVisible());
                closeIt();
            }, {cards});
            QCOMPARE(cards->showModal(), 0);
            QVERIFY(!later.guardFired);
            QVERIFY(!cards->isVisible());
        }
    }
};

FLUMO_SCREEN_TEST_MAIN(StartupTest, kScreenW, kScreenH, 96)
#include "test_startup.moc"
