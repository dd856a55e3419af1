// The exercise screen's creation (window, pools, pointers, strip placement,
// the state it sets), its activation and closing, the paint box, and the
// random generator.
#include "engine/random.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include "support/screenenv.h"
#include "support/contextfixture.h"
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace flumo;
using test::named;

namespace {

struct Fixture : test::ContextFixture {
    std::unique_ptr<ExerciseScreen> make(int dpi = 120, int depth = 32)
    {
        return std::make_unique<ExerciseScreen>(ctx, DisplayMetrics{dpi, depth});
    }
};

} // namespace

class ExerciseScreenTest : public QObject {
    Q_OBJECT
private slots:
    void windowGeometryShapeAndPools()
    {
        Fixture f;
        auto s = f.make(96);
        QCOMPARE(s->objectName(), QStringLiteral("FUkolu1"));
        QVERIFY(s->windowFlags() & Qt::FramelessWindowHint);
        // The client size stays fixed whatever the dpi.
        QCOMPARE(s->minimumSize(), QSize(800, 600));
        QCOMPARE(s->maximumSize(), QSize(800, 600));
        // Centred with integer division: (1025 - 800) / 2 = 112, (769 - 600) / 2 = 84.
        QCOMPARE(s->pos(), QPoint(112, 84));
        // Rounded corners; (34, 0) is the straight edge beyond the corner ellipse.
        for (QPoint out : {QPoint(0, 0), QPoint(799, 599), QPoint(799, 0)})
            QVERIFY(!s->mask().contains(out));
        for (QPoint in : {QPoint(400, 300), QPoint(34, 0), QPoint(0, 300)})
            QVERIFY(s->mask().contains(in));

        // The pools: 12 Tiles, 7 display boxes, 16 back boxes.
        QVERIFY(s->tile(12) && !s->tile(13) && !s->tile(0) && s->displayBox(7) && !s->displayBox(8));
        QVERIFY(s->backBox(16) && !s->backBox(17));
    }

    void stripPlacementFollowsToolbarOnTopBelowTheGames()
    {
        // Between the areas without ToolbarOnTop, except for the games (above 400).
        struct Case { bool onTop; int task, stripTop, upperTop; };
        for (const Case c : {Case{true, 305, 10, 47}, Case{false, 305, 198, 27}, Case{false, 400, 198, 27},
                             Case{false, 401, 10, 47}, Case{false, 402, 10, 47}}) {
            Fixture f;
            f.settings.setToolbarOnTop(c.onTop);
            f.state.currentTask = c.task;
            // Created with the setting in force, and moved again when it changes.
            auto s = f.make(96);
            const auto places = [&] { return QList<int>{c.task, s->toolbar()->y(), s->upperPanel()->y()}; };
            QCOMPARE(places(), (QList<int>{c.task, c.stripTop, c.upperTop}));
            for (bool on : {!c.onTop, c.onTop}) {
                f.settings.setToolbarOnTop(on);
                s->ZmenaPozTlacitek();
            }
            QCOMPARE(places(), (QList<int>{c.task, c.stripTop, c.upperTop}));
            QCOMPARE(s->toolbar()->x(), scaleDesign(20, 96));
        }
    }

    void creationSetsStateResetsCountersAndStartsTimers()
    {
        Fixture f;
        f.state.currentTask = 305, f.state.currentLevel = 0, f.state.currentSubtask = 4, f.state.screenBusy = 0;
        f.state.lastTask = 207, f.state.lastTileCount = 9, f.state.extraPanelCount = 3;
        f.scores.pointCount = 5, f.scores.errorCount = 2, f.scores.cardsEarned = 3;
        auto s = f.make();
        const EngineState &st = f.state;
        QCOMPARE((QList<int>{st.currentGroup, st.currentLevel, st.lastTask, st.lastTileCount, st.extraPanelCount,
                             st.currentSubtask, st.screenBusy, f.scores.pointCount, f.scores.errorCount,
                             f.scores.cardsEarned}),
                 (QList<int>{3, 1, 0, 0, 0, 1, 1, 0, 0, 0}));
        QCOMPARE(s->startFolder(), QDir::currentPath());
        // Timer 3 alone runs, with no sound to start.
        QCOMPARE((QList<bool>{s->timer1()->isActive(), s->timer2()->isActive(), s->timer3()->isActive()}),
                 (QList<bool>{false, false, true}));
        QCOMPARE(s->timer3()->tag(), 0);

        // A level that is set is kept.
        Fixture g;
        g.state.currentTask = 412;
        g.state.currentLevel = 5;
        auto t = g.make();
        QCOMPARE(g.state.currentLevel, 5);
        QCOMPARE(g.state.currentGroup, 4);

        // The generator is seeded from the clock: equal start times, equal draws.
        Random expected(static_cast<std::uint64_t>(f.tp.clock.tickCount()));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(s->random().next(), expected.next());
    }

    void timer3WithTheSoundTagStartsThePreparedSound()
    {
        Fixture f;
        f.tp.writeWav(QStringLiteral("Zvuky/104/zv1.wav"));
        auto s = f.make();
        // Firing with tag 0 plays nothing.
        QTest::qWait(200);
        QVERIFY(f.tp.sound.played().empty());

        s->soundPlayer().setFileName(QStringLiteral("zvuky\\104\\ZV1.wav"));
        QVERIFY(s->soundPlayer().prepare(false));
        s->timer3()->setTag(100);
        s->timer3()->setEnabled(true);
        QTRY_COMPARE(f.tp.sound.played().size(), std::size_t(1));
        QVERIFY(f.tp.sound.played().front().endsWith(QStringLiteral("zv1.wav")));
        QCOMPARE(s->timer3()->tag(), 0);
        QVERIFY(!s->timer3()->isActive());
        QTest::qWait(200);
        QCOMPARE(f.tp.sound.played().size(), std::size_t(1));   // played once
    }

    void pointersComeFromTheMediaFolderOrDefault()
    {
        Fixture f;
        f.tp.write(QStringLiteral("obr-pom/kurz.cur"), test::makeCursorFile(16, 16, 3, 4, 0xff0000ffu));
        f.tp.write(QStringLiteral("obr-pom/KURZ2.cur"), test::makeCursorFile(32, 32, 9, 2, 0xffff0000u));
        auto s = f.make();
        QCOMPARE(s->pointer1().shape(), Qt::BitmapCursor);
        QCOMPARE(s->pointer1().hotSpot(), QPoint(3, 4));
        QCOMPARE(s->pointer2().hotSpot(), QPoint(9, 2));
        // Pointer 2 over the Tiles, pointer 1 everywhere else.
        for (const QWidget *w : {static_cast<QWidget *>(s->tile(1)), static_cast<QWidget *>(s->tile(12))})
            QCOMPARE(w->cursor().hotSpot(), QPoint(9, 2));
        for (const QWidget *w : {static_cast<QWidget *>(s.get()), named(s->toolbar(), "PBsip3"), named(s.get(), "PBvyb1")})
            QCOMPARE(w->cursor().hotSpot(), QPoint(3, 4));

        Fixture g;   // no pointer files: the default arrow everywhere
        auto t = g.make();
        QCOMPARE(t->pointer1().shape(), Qt::ArrowCursor);
        QCOMPARE(t->pointer2().shape(), Qt::ArrowCursor);
        QCOMPARE(t->tile(1)->cursor().shape(), Qt::ArrowCursor);
    }

    void toolbarDrawsItsPicturesFromTheWorkingFolder()
    {
        Fixture f;
        f.state.currentTask = 305;
        f.state.currentLevel = 3;
        struct Picture { const char *file; int width; QRgb colour; };
        for (const Picture &p : {Picture{"menu", 23, qRgb(255, 0, 0)}, Picture{"hodnoc", 23, qRgb(0, 255, 0)},
                                 Picture{"hodnoc2", 23, qRgb(0, 0, 255)}, Picture{"sipka1n", 18, qRgb(255, 255, 0)},
                                 Picture{"sipka2n", 18, qRgb(0, 255, 255)}, Picture{"ukol305", 178, qRgb(255, 0, 255)},
                                 Picture{"var305_2", 152, qRgb(255, 255, 255)}, Picture{"urov305_3", 134, qRgb(0, 0, 0)}})
            f.tp.writeJpeg(QStringLiteral("obr/tlacitka/%1.Jpg").arg(QLatin1String(p.file)), p.width, 20, QColor(p.colour));
        auto s = f.make();
        f.state.currentSubtask = 2;   // creation starts at subtask 1
        // A box has no background of its own: read it through the strip.
        auto pixel = [&](const char *name) {
            return s->toolbar()->grab().toImage().pixel(named(s->toolbar(), name)->pos() + QPoint(5, 5));
        };
        const QRgb strip = QColor(68, 76, 151).rgb();
        // Odd arrows point left, even ones right; PBtl3's picture is missing: nothing drawn.
        const std::pair<const char *, QRgb> shown[] = {
            {"PBtl1", qRgb(255, 0, 0)}, {"PBtl2", qRgb(0, 255, 0)}, {"PBsip1", qRgb(255, 255, 0)},
            {"PBsip3", qRgb(255, 255, 0)}, {"PBsip6", qRgb(0, 255, 255)}, {"PBuk1", qRgb(255, 0, 255)},
            {"PBvar1", qRgb(255, 255, 255)}, {"PBurov1", qRgb(0, 0, 0)}, {"PBtl3", strip}};
        for (const auto &[box, colour] : shown)
            QVERIFY2(test::nearColour(pixel(box), colour, colour == strip ? 0 : 12), box);

        // The cards button follows UseCards.
        f.settings.setUseCards(false);
        QVERIFY(test::nearColour(pixel("PBtl2"), qRgb(0, 0, 255)));
        // The labels follow the exercise, and show nothing in a reward game.
        f.state.currentLevel = 4;
        QVERIFY(test::nearColour(pixel("PBurov1"), strip, 0));
        f.state.currentTask = 502;
        QVERIFY(test::nearColour(pixel("PBuk1"), strip, 0));
        QVERIFY(test::nearColour(pixel("PBtl1"), qRgb(255, 0, 0)));
    }

    void backgroundFollowsToolbarOnTop()
    {
        Fixture f;
        f.tp.writeJpeg(QStringLiteral("obr-pom/bgr.jpg"), 800, 600, Qt::darkGreen);
        f.tp.writeJpeg(QStringLiteral("Obr-pom/bgr0.jpg"), 800, 600, Qt::darkRed);
        f.state.currentTask = 102;
        auto s = f.make();
        // The background stays off until a Problem has been built.
        QVERIFY(s->suppressBackground());
        s->setSuppressBackground(false);
        QVERIFY(test::nearColour(s->grab().toImage().pixel(400, 590), QColor(Qt::darkGreen).rgb()));
        f.settings.setToolbarOnTop(false);
        QVERIFY(test::nearColour(s->grab().toImage().pixel(400, 590), QColor(Qt::darkRed).rgb()));
    }

    void activationRestoresTheStartFolderClosingStopsTimer2()
    {
        const QString original = QDir::currentPath();
        Fixture f;
        auto s = f.make();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(s.get(), &activate);
        QCOMPARE(QDir::currentPath(), original);
        QDir::setCurrent(original);

        // Closing stops timer 2 and reports it.
        QSignalSpy closed(s.get(), &ExerciseScreen::closed);
        s->show();
        s->timer2()->setEnabled(true);
        QVERIFY(s->close());
        QCOMPARE(closed.count(), 1);
        QVERIFY(!s->timer2()->isActive());
        QVERIFY(s->isHidden());
        // A screen that was never shown reports its closing too.
        auto t = f.make();
        QSignalSpy closed2(t.get(), &ExerciseScreen::closed);
        t->close();
        QCOMPARE(closed2.count(), 1);
    }

    void paintBoxClicksNeedALeftPressAndReleaseInside()
    {
        QWidget host;
        host.resize(200, 200);
        auto *box = new PaintBox(QStringLiteral("PB"), &host);
        box->setGeometry(10, 10, 50, 40);
        host.show();
        QSignalSpy clicks(box, &PaintBox::clicked);
        QSignalSpy releases(box, &PaintBox::released);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(box, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(80, 5));   // let go outside
        QCOMPARE(releases.count(), 3);
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(5, 5));    // no press before it
        QCOMPARE(clicks.count(), 1);

        // The painter draws inside the box only.
        box->setPainter([](PaintBox &b, QPainter &p) { p.fillRect(b.rect().adjusted(-20, -20, 20, 20), Qt::red); });
        const QImage shot = host.grab().toImage();
        QCOMPARE(QColor(shot.pixel(30, 30)), QColor(Qt::red));
        QVERIFY(QColor(shot.pixel(5, 5)) != QColor(Qt::red));
        QVERIFY(QColor(shot.pixel(61, 30)) != QColor(Qt::red));
    }

    void randomRangeStaysInBoundsAndCoversThem()
    {
        Random r(7);
        constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
        // The full span reaches both halves: the top bit varies.
        bool negative = false, positive = false;
        for (const auto &[a, b] : {std::pair{1, 3}, {0, 0}, {-5, 5}, {10, 1}, {0, 99}, {kMin, kMax}}) {
            const int lo = std::min(a, b), hi = std::max(a, b);
            for (int i = 0; i < 20000; ++i) {
                const int v = r.range(a, b);
                QVERIFY2(v >= lo && v <= hi, qPrintable(QStringLiteral("%1 outside %2..%3").arg(v).arg(lo).arg(hi)));
                negative |= lo == kMin && v < 0;
                positive |= lo == kMin && v > 0;
            }
        }
        QVERIFY(negative && positive);
        // Every value of a small span comes up about equally often.
        int counts[7] = {};
        for (int i = 0; i < 70000; ++i)
            ++counts[r.range(3, 9) - 3];
        for (int c : counts)
            QVERIFY2(c > 9000 && c < 11000, qPrintable(QString::number(c)));
        // Equal seeds give equal ranges.
        Random a(123), b(123);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(a.range(1, 20), b.range(1, 20));
    }
};

FLUMO_SCREEN_TEST_MAIN(ExerciseScreenTest, 1025, 769, 96)
#include "test_exercisescreen.moc"
