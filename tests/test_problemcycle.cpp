// Building Problems on the exercise screen: the order-sensitive effects of
// the build (prompt, recorded state, labels, level clamp), the Tile pools
// and extra panels, the Tile painter with its pointer feedback, and the
// intro's start of an exercise. A small family of our own stands in for the
// real generators, so every exercise can be built with known values.
#include "engine/catalog.h"
#include "engine/settings.h"
#include "media/pictureloader.h"
#include "screens/exercisescreen.h"
#include "screens/introscreen.h"
#include "screens/paintbox.h"
#include "support/screenenv.h"
#include "support/testplatform.h"
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <memory>

using namespace flumo;

namespace {

// Tile i gets value i, Tile 2 is the target; the pattern row shows
// whatever the layout leaves on.
class ProbeGenerator : public Generator {
public:
    void build(ProblemContext &ctx) override
    {
        Problem &p = ctx.problem;
        if (auto *screen = dynamic_cast<ExerciseScreen *>(&ctx.host))
            firstTileShownAtStart = screen->tile(1)->isVisible();
        for (int i = 1; i <= p.tileCount; ++i)
            p.tileValue[static_cast<std::size_t>(i)] = i;
        p.targetTile = 2;
        ctx.host.layOutTiles();
        p.selectedTile = 1;
        for (int i = 1; i <= p.tileCount; ++i)
            ctx.host.showTile(i);
        if (!p.noChoicePanel) {
            p.samplePicture = QStringLiteral("obr\\vzor.jpg");
            ctx.host.drawPatternRow(PatternRow::Pattern | PatternRow::Sign | PatternRow::Answer, true, true);
        }
        ++builds;
    }
    static inline int builds = 0;
    static inline bool firstTileShownAtStart = false;
};

std::unique_ptr<Generator> makeProbe() { return std::make_unique<ProbeGenerator>(); }

// Every exercise but 109 has a generator here.
GeneratorFactory probeLookup(int task)
{
    return findExercise(task) && task != 109 ? &makeProbe : nullptr;
}

const QColor kNormal(200, 30, 30);
const QColor kHigh(30, 30, 200);

struct Fixture {
    test::TestPlatform tp;
    EngineState state;
    Scores scores;
    Settings settings{scores, state};
    PictureLoader pictures{tp.files};
    AppContext ctx{tp.platform, settings, state, scores, pictures};
    std::unique_ptr<ExerciseScreen> screen;

    Fixture()
    {
        settings.setAutoAdvance(false);
        // 101's two picture sets, numbered 001..006: "n" red, "k" blue, "d" green.
        for (const char *set : {"obr", "pikt"})
            for (int i = 1; i <= 6; ++i) {
                const QString stem = QStringLiteral("obr/101/%1%2").arg(QLatin1String(set)).arg(i, 3, 10, QLatin1Char('0'));
                tp.writeJpeg(stem + QStringLiteral("n.Jpg"), 200, 150, kNormal);
                tp.writeJpeg(stem + QStringLiteral("k.Jpg"), 200, 150, kHigh);
                tp.writeJpeg(stem + QStringLiteral("d.Jpg"), 200, 150, Qt::green);
            }
        tp.writeJpeg(QStringLiteral("obr/vzor.jpg"), 100, 150);
        tp.writeJpeg(QStringLiteral("obr/rovnase.Jpg"), 40, 150);
        tp.writeJpeg(QStringLiteral("obr-pom/prazdny_2.jpg"), 120, 150);
        for (int m = 1; m <= 4; ++m)
            tp.writeWav(QStringLiteral("Zvuky/305/uv305_1-%1.wav").arg(m), 300);
        tp.writeWav(QStringLiteral("Zvuky/405/uv405_1-1.wav"), 300);
        tp.writeWav(QStringLiteral("Zvuky/405/uv405_1-2.wav"), 300);
        screen = std::make_unique<ExerciseScreen>(ctx, DisplayMetrics{120, 32});
        screen->setGeneratorLookup(&probeLookup);
    }

    void build(int task, int level = 1, int subtask = 0)
    {
        state.currentTask = task;
        state.currentLevel = level;
        if (subtask)
            state.currentSubtask = subtask;
        screen->ZamichUkl1Click();
    }

    int promptsPlayed() const
    {
        int n = 0;
        for (const QString &p : tp.sound.played())
            n += p.contains(QLatin1String("uv")) ? 1 : 0;
        return n;
    }
};

// "tileN=<stem>@x,y,w,h" fields of the last "problem" line.
struct TracedTile {
    QString stem;
    QRect rect;
};
QMap<int, TracedTile> tracedTiles(const QString &line)
{
    QMap<int, TracedTile> out;
    static const QRegularExpression field(QStringLiteral(R"( tile(\d+)=(\S*)@(-?\d+),(-?\d+),(\d+),(\d+))"));
    auto it = field.globalMatch(line);
    while (it.hasNext()) {
        const auto m = it.next();
        out[m.captured(1).toInt()] = {m.captured(2), QRect(m.captured(3).toInt(), m.captured(4).toInt(),
                                                           m.captured(5).toInt(), m.captured(6).toInt())};
    }
    return out;
}

QRgb centre(QWidget *w)
{
    return w->grab().toImage().pixel(w->width() / 2, w->height() / 2);
}

} // namespace

class ProblemCycleTest : public QObject {
    Q_OBJECT
private slots:
    void promptSpeaksOnlyWhenExerciseOrSubtaskChangesOrIsChosen()
    {
        Fixture f;
        f.build(305, 1, 1);
        QCOMPARE(f.promptsPlayed(), 1);
        // Played with waiting: the blocking wait went through the clock.
        QCOMPARE(f.tp.clock.totalSlept(), 300);
        QVERIFY(f.screen->soundPlayer().lastSoundName().startsWith(QLatin1String("Zvuky\\305\\uv305_1-")));
        f.build(305);
        QCOMPARE(f.promptsPlayed(), 1);
        f.build(305, 1, 2);                    // 305 speaks variant 1 in every subtask
        QCOMPARE(f.promptsPlayed(), 2);
        f.build(305);
        QCOMPARE(f.promptsPlayed(), 2);
        f.state.exerciseChosen = true;         // picked again on the intro screen
        f.build(305);
        QCOMPARE(f.promptsPlayed(), 3);
        QVERIFY(!f.state.exerciseChosen);

        // A missing prompt file is remembered all the same, and nothing plays.
        f.build(306);
        QCOMPARE(f.promptsPlayed(), 3);
        QVERIFY(f.screen->soundPlayer().lastSoundName().startsWith(QLatin1String("Zvuky\\306\\uv306_1-")));
        // 410 has no prompt: the name of the last one stays cleared by the change.
        f.build(410);
        QVERIFY(f.screen->soundPlayer().lastSoundName().isEmpty());
        // 405 opens its prompt but does not play it.
        f.tp.sound.clear();
        f.build(405);
        QCOMPARE(f.promptsPlayed(), 0);
        QVERIFY(f.tp.sound.openedPath().contains(QLatin1String("uv405_1-")));
    }

    void previousTilesHideExceptTheCardsOf405()
    {
        Fixture f;
        f.screen->show();
        f.build(101);
        f.build(101);
        QVERIFY(!ProbeGenerator::firstTileShownAtStart);
        f.build(405);
        QVERIFY(!ProbeGenerator::firstTileShownAtStart);
        // A new Problem of 405 keeps the cards on screen, turned face down.
        f.build(405);
        QVERIFY(ProbeGenerator::firstTileShownAtStart);
        QCOMPARE(f.screen->tilePictureName(2), QStringLiteral("obr\\405\\karta02n.Jpg"));
    }

    void buildRecordsStateAndClampsTheLevel()
    {
        Fixture f;
        f.build(305, 7, 3);
        // A change of exercise starts at subtask 1.
        QCOMPARE(f.state.currentSubtask, 1);
        QCOMPARE(f.state.lastTask, 305);
        QCOMPARE(f.state.lastSubtask, 1);
        QCOMPARE(f.state.lastTileCount, 6);
        QCOMPARE(f.state.currentLevel, 7);
        QCOMPARE(f.state.screenBusy, 0);
        QVERIFY(!f.screen->suppressBackground());
        QVERIFY(f.screen->toolbar()->isEnabled());
        QCOMPARE(f.screen->tile(1)->tag(), 1);
        QVERIFY(f.screen->problem().problemReady);

        f.build(110, 7);
        QCOMPARE(f.state.currentLevel, 5);
        QCOMPARE(f.state.effectiveLevel, 5);
        QCOMPARE(f.state.lastTileCount, 5);
        f.build(101, 5);
        QCOMPARE(f.state.currentLevel, 1);
        f.build(305);
        QCOMPARE(f.state.currentLevel, 1);     // the clamp never raises

        // A card game plays at level 1 and is not recorded as LastTask.
        f.state.currentLevel = 3;
        f.build(501, 3);
        QCOMPARE(f.state.currentLevel, 1);
        QCOMPARE(f.state.effectiveLevel, 1);
        QCOMPARE(f.state.lastTask, 305);
        QCOMPARE(f.state.lastTileCount, 9);
        // The labels and the arrows are hidden for a card game.
        QVERIFY(f.screen->findChild<PaintBox *>(QStringLiteral("PBuk1"))->isHidden());
        QVERIFY(f.screen->findChild<PaintBox *>(QStringLiteral("PBsip6"))->isHidden());
        QVERIFY(!f.screen->findChild<PaintBox *>(QStringLiteral("PBtl1"))->isHidden());
        // Back to 305 is no change of exercise: no prompt.
        const int prompts = f.promptsPlayed();
        f.build(305);
        QCOMPARE(f.promptsPlayed(), prompts);
        QVERIFY(!f.screen->findChild<PaintBox *>(QStringLiteral("PBuk1"))->isHidden());
    }

    void labelsNameExerciseSubtaskAndLevel()
    {
        Fixture f;
        const auto label = [&f](const char *name) {
            return f.screen->toolbarPictureName(*f.screen->findChild<PaintBox *>(QLatin1String(name)));
        };
        f.build(101);
        f.build(101, 1, 3);
        QCOMPARE(label("PBuk1"), QStringLiteral("obr\\tlacitka\\ukol101.Jpg"));
        QCOMPARE(label("PBvar1"), QStringLiteral("obr\\tlacitka\\var101_3.Jpg"));
        QCOMPARE(label("PBurov1"), QStringLiteral("obr\\tlacitka\\urov000.Jpg"));   // one level only
        f.build(102, 2);
        QCOMPARE(label("PBvar1"), QStringLiteral("obr\\tlacitka\\var000.Jpg"));    // one subtask only
        QCOMPARE(label("PBurov1"), QStringLiteral("obr\\tlacitka\\urov102_2.Jpg"));
        // Painting a label lowers a level above the exercise's highest.
        f.state.currentLevel = 6;
        f.screen->findChild<PaintBox *>(QStringLiteral("PBurov1"))->grab();
        QCOMPARE(f.state.currentLevel, 3);
        QCOMPARE(label("PBurov1"), QStringLiteral("obr\\tlacitka\\urov102_3.Jpg"));
    }

    void tracedTileRectanglesFollowTheLayout()
    {
        Fixture f;
        test::TraceRecorder rec;
        f.build(101);
        f.build(101, 1, 2);   // pictograms: centred in 250 x 172 cells, grid at (-10, -5)
        const QStringList lines = rec.lines(QStringLiteral("problem"));
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.last().startsWith(QLatin1String("problem task=101 level=1 subtask=2 tiles=6 target=2 tile1=")));
        const auto tiles = tracedTiles(lines.last());
        QCOMPARE(tiles.size(), 6);
        // PanelVyb1 at (26, 230), Tiles offset (10, 5) inside it.
        for (int i = 1; i <= 6; ++i) {
            const int col = (i - 1) % 3, row = (i - 1) / 3;
            QCOMPARE(tiles[i].stem, QStringLiteral("obr\\101\\pikt00%1").arg(i));
            QCOMPARE(tiles[i].rect, QRect(26 + col * 250 + 10 - 10 + 25, 230 + row * 172 + 5 - 5 + 11, 200, 150));
            QCOMPARE(f.screen->tile(i)->size(), QSize(200, 150));
            QVERIFY(f.screen->tile(i)->isVisible() || f.screen->tile(i)->isVisibleTo(f.screen->tilePanel()));
        }
        // Subtask 1: jittered inside its cell, at most half the slack.
        const auto first = tracedTiles(lines.first());
        for (int i = 1; i <= 6; ++i) {
            const int col = (i - 1) % 3, row = (i - 1) / 3;
            const QRect cell(26 + 10 + col * 250, 230 + 5 + row * 172, 250, 172);
            QCOMPARE(first[i].stem, QStringLiteral("obr\\101\\obr00%1").arg(i));
            QVERIFY2(first[i].rect.left() >= cell.left() && first[i].rect.left() < cell.left() + 25, qPrintable(lines.first()));
            QVERIFY(first[i].rect.top() >= cell.top() && first[i].rect.top() < cell.top() + 11);
        }
    }

    void patternRowIsArrangedAroundTheCentre()
    {
        Fixture f;
        f.build(101);
        auto *vz = f.screen->findChild<PaintBox *>(QStringLiteral("PBvz1"));
        auto *rov = f.screen->findChild<PaintBox *>(QStringLiteral("PBrov1"));
        auto *vyb = f.screen->findChild<PaintBox *>(QStringLiteral("PBvyb1"));
        QCOMPARE(vz->size(), QSize(100, 150));
        QCOMPARE(rov->size(), QSize(40, 150));
        QCOMPARE(vyb->size(), QSize(120, 150));
        // (744 - 100 - 40 - 120 - 16) / 2 = 234, then 8 pixels apart.
        QCOMPARE(vz->x(), 234);
        QCOMPARE(rov->x(), 342);
        QCOMPARE(vyb->x(), 390);
        QVERIFY(f.screen->patternPanel()->isVisibleTo(f.screen.get()));
        // A game hides Panel1 and the pattern boxes stay off with NoChoicePanel.
        f.build(402);
        QVERIFY(!f.screen->patternPanel()->isVisibleTo(f.screen.get()));
        QVERIFY(vz->isHidden() && vyb->isHidden());
    }

    void tilesAndBackBoxesComeAndGoWithThePlan()
    {
        Fixture f;
        Problem p;
        p.gridRows = 8;
        p.gridColumns = 8;
        p.cellWidth = 30;
        p.cellHeight = 30;
        p.tileCount = 64;
        p.gridLeft = 100;
        p.gridTop = 60;
        f.screen->problem().tileCount = 64;
        f.screen->applyTilePlan(EnsureTiles(p, 401, 101, 6));
        for (int n : {13, 40, 64}) {
            PaintBox *t = f.screen->tile(n);
            QVERIFY(t);
            QCOMPARE(t->objectName(), QStringLiteral("PBox%1").arg(n));
            QCOMPARE(t->hint(), QString::number(n));
            QCOMPARE(t->parentWidget(), f.screen.get());   // a game's Tiles live on the screen
            QVERIFY(t->isHidden());
            PaintBox *b = f.screen->backBox(n + 4 > 64 ? 64 : n + 4);
            QVERIFY(b);
            QCOMPARE(b->hint(), QString::number(1000 + (n + 4 > 64 ? 64 : n + 4)));
        }
        // Back box 17 sits in its cell: column 0, row 2.
        QCOMPARE(f.screen->backBox(17)->geometry(), QRect(100, 60 + 2 * 30, 30, 30));
        QCOMPARE(f.screen->tile(1)->parentWidget(), f.screen.get());

        // Back to a choice exercise of 6 Tiles: 13..64 and 17..64 are freed.
        p = Problem();
        p.tileCount = 6;
        p.gridColumns = 3;
        f.screen->problem().tileCount = 6;
        f.screen->applyTilePlan(EnsureTiles(p, 101, 401, 64));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.screen->tile(12));
        QVERIFY(!f.screen->tile(13));
        QVERIFY(!f.screen->tile(64));
        QVERIFY(f.screen->backBox(16));
        QVERIFY(!f.screen->backBox(17));
        QCOMPARE(f.screen->findChildren<PaintBox *>(QRegularExpression(QStringLiteral("^PBox\\d+$"))).size(), 12);
        QCOMPARE(f.screen->findChildren<PaintBox *>(QRegularExpression(QStringLiteral("^VBox\\d+$"))).size(), 16);
        QCOMPARE(f.screen->tile(1)->parentWidget(), f.screen->tilePanel());
    }

    void fullBuildsOf401AndBackFreeTheGrid()
    {
        Fixture f;
        f.build(401, 3, 1);
        QCOMPARE(f.screen->problem().tileCount, 64);
        QVERIFY(f.screen->tile(64) && f.screen->backBox(64));
        f.build(101);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.screen->tile(13) && !f.screen->backBox(17));
        QCOMPARE(f.state.lastTileCount, 6);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(f.screen->tile(i)->parentWidget(), f.screen->tilePanel());
    }

    void groupPanelsHoldTheirControlsAndGiveThemBack()
    {
        Fixture f;
        f.build(411, 1, 2);
        QCOMPARE(f.state.extraPanelCount, 3);
        Panel *colours = f.screen->groupPanel(1);
        QVERIFY(colours);
        QCOMPARE(colours->objectName(), QStringLiteral("Pan1"));
        QCOMPARE(colours->geometry(), QRect(556, 176, 188, 366));
        QVERIFY(colours->isVisibleTo(f.screen.get()));
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(f.screen->tile(i)->parentWidget(), colours);
        QCOMPARE(f.screen->findChild<PaintBox *>(QStringLiteral("PB0"))->parentWidget(), f.screen->groupPanel(3));

        // Leaving 411 for a choice exercise: the Tiles return to PanelVyb1
        // (not to the screen), whole, and the panels are gone.
        f.build(101);
        QCOMPARE(f.state.extraPanelCount, 0);
        QVERIFY(!f.screen->groupPanel(1));
        QVERIFY(!f.screen->findChild<Panel *>(QStringLiteral("Pan1")));
        for (int i = 1; i <= 8; ++i) {
            QVERIFY(f.screen->tile(i));
            QCOMPARE(f.screen->tile(i)->parentWidget(), f.screen->tilePanel());
        }
        QCOMPARE(f.screen->findChild<PaintBox *>(QStringLiteral("PB0"))->parentWidget(), f.screen.get());
        for (int i = 1; i <= 6; ++i)
            QVERIFY(f.screen->tile(i)->isVisibleTo(f.screen->tilePanel()));

        // 403: the shelves take Tiles 1..9 (laid out inside them), PB0 its label panel.
        f.build(403);
        QCOMPARE(f.state.extraPanelCount, 10);
        QCOMPARE(f.screen->tile(5)->parentWidget(), f.screen->groupPanel(2));
        QCOMPARE(f.screen->tile(5)->pos(), QPoint(162, 0));
        QCOMPARE(f.screen->backBox(2)->parentWidget(), f.screen->groupPanel(5));
        QCOMPARE(f.screen->findChild<PaintBox *>(QStringLiteral("PB0"))->parentWidget(), f.screen->groupPanel(9));
        // A new problem of the same exercise keeps its panels.
        Panel *shelf = f.screen->groupPanel(1);
        f.build(403);
        QCOMPARE(f.screen->groupPanel(1), shelf);
        f.build(402);
        QCOMPARE(f.state.extraPanelCount, 0);
        QCOMPARE(f.screen->tile(5)->parentWidget(), f.screen.get());
        QCOMPARE(f.screen->backBox(2)->parentWidget(), f.screen.get());
    }

    void pointerMovesTheHighlight()
    {
        Fixture f;
        f.screen->show();
        f.build(101);
        test::TraceRecorder rec;
        PaintBox *t1 = f.screen->tile(1);
        PaintBox *t2 = f.screen->tile(2);
        PaintBox *t3 = f.screen->tile(3);
        QVERIFY(test::nearColour(centre(t1), kHigh.rgb()));
        QVERIFY(test::nearColour(centre(t2), kNormal.rgb()));

        // A real pointer move over Tile 2.
        QTest::mouseMove(t2, QPoint(20, 20));
        QTRY_COMPARE(f.screen->problem().selectedTile, 2);
        QCOMPARE(rec.lines(QStringLiteral("hover")), QStringList{QStringLiteral("hover tile=2")});
        QCOMPARE(t1->tag(), 0);
        QCOMPARE(t2->tag(), 2);
        QVERIFY(test::nearColour(centre(t1), kNormal.rgb()));
        QVERIFY(test::nearColour(centre(t2), kHigh.rgb()));

        // Back and forth: never two highlighted.
        for (int id : {3, 2, 3}) {
            f.screen->tilePointerMoved(id);
            int tagged = 0;
            for (int i = 1; i <= 6; ++i)
                tagged += f.screen->tile(i)->tag() == i ? 1 : 0;
            QCOMPARE(tagged, 1);
        }
        QVERIFY(test::nearColour(centre(t3), kHigh.rgb()));
        QVERIFY(test::nearColour(centre(t2), kNormal.rgb()));
        QCOMPARE(rec.lines(QStringLiteral("hover")).size(), 4);

        // Within the selected Tile: no change, but the time of the move counts.
        f.tp.clock.advance(500);
        f.screen->tilePointerMoved(3);
        QCOMPARE(rec.lines(QStringLiteral("hover")).size(), 4);
        QCOMPARE(f.screen->lastCursorMove(), f.tp.clock.tickCount());

        // A repaint of the selected Tile shows "k" even after its tag was cleared.
        f.screen->RestoreNormalLooks();
        QCOMPARE(t3->tag(), 0);
        QVERIFY(test::nearColour(centre(t3), kHigh.rgb()));

        // While the screen is busy the highlight stays.
        f.state.screenBusy = 1;
        f.screen->tilePointerMoved(5);
        QCOMPARE(f.screen->problem().selectedTile, 3);
        f.state.screenBusy = 0;

        // 502 follows the pointer only with OneKey.
        f.build(502);
        f.settings.setOneKey(false);
        f.screen->tilePointerMoved(4);
        QCOMPARE(f.screen->problem().selectedTile, 1);
        f.settings.setOneKey(true);
        f.screen->tilePointerMoved(4);
        QCOMPARE(f.screen->problem().selectedTile, 4);
    }

    void tilePainterPicksTheLook()
    {
        Fixture f;
        // Nothing is drawn before the Problem is ready.
        QVERIFY(f.screen->tilePictureName(1).isEmpty());
        f.build(101);
        QCOMPARE(f.screen->tilePictureName(1), QStringLiteral("obr\\101\\obr001k.Jpg"));
        QCOMPARE(f.screen->tilePictureName(4), QStringLiteral("obr\\101\\obr004n.Jpg"));
        // A back box shows the "d" picture of its Tile's stem.
        QCOMPARE(f.screen->tilePictureName(1004), QStringLiteral("obr\\101\\obr004d.JPG"));
        f.screen->problem().selectedTile = 4;
        QCOMPARE(f.screen->tilePictureName(4), QStringLiteral("obr\\101\\obr004k.Jpg"));
        // 411: a disabled colour Tile shows the empty colour.
        f.build(411);
        f.screen->tile(2)->setEnabled(false);
        QCOMPARE(f.screen->tilePictureName(2), QStringLiteral("obr\\411\\Barva0.Jpg"));
    }

    void backgroundFollowsTheExerciseAndIsSuppressedWhileBuilding()
    {
        Fixture f;
        f.tp.writeJpeg(QStringLiteral("Obr/402/bgr.jpg"), 800, 600, Qt::darkCyan);
        f.tp.writeJpeg(QStringLiteral("Obr-pom/bgr.jpg"), 800, 600, Qt::darkYellow);
        QVERIFY(f.screen->suppressBackground());
        f.build(402);
        QCOMPARE(f.screen->backgroundName(), QStringLiteral("Obr\\402\\bgr.jpg"));
        QVERIFY(test::nearColour(f.screen->grab().toImage().pixel(400, 595), QColor(Qt::darkCyan).rgb()));
        f.build(101);
        QVERIFY(test::nearColour(f.screen->grab().toImage().pixel(400, 595), QColor(Qt::darkYellow).rgb()));
        f.screen->setSuppressBackground(true);
        QVERIFY(!test::nearColour(f.screen->grab().toImage().pixel(400, 595), QColor(Qt::darkYellow).rgb()));
    }

    void exercisesWithoutGeneratorAreNotReachable()
    {
        Fixture f;
        f.build(101);
        test::TraceRecorder rec;
        const EngineState before = f.state;
        f.state.currentTask = 109;
        f.screen->ZamichUkl1Click();
        QCOMPARE(rec.lines(QStringLiteral("problem-refused")), QStringList{QStringLiteral("problem-refused task=109")});
        QVERIFY(rec.lines(QStringLiteral("problem")).isEmpty());
        QCOMPARE(f.state.lastTask, before.lastTask);
        QCOMPARE(f.state.screenBusy, 0);
        QVERIFY(f.screen->tile(1)->isVisibleTo(f.screen->tilePanel()));

        // The intro starts only what can be built.
        IntroScreen intro(f.ctx, DisplayMetrics{120, 32});
        intro.setExerciseScreen(f.screen.get());
        f.state.currentGroup = 1;
        f.state.currentTask = 101;
        QVERIFY(!intro.startRow(9));
        QCOMPARE(f.state.currentTask, 101);
        QVERIFY(!intro.startRow(13));
        QCOMPARE(rec.lines(QStringLiteral("intro-refused")).size(), 2);
    }

    void introEnterStartsTheSelectedRow()
    {
        Fixture f;
        IntroScreen intro(f.ctx, DisplayMetrics{120, 32});
        intro.setExerciseScreen(f.screen.get());
        f.state.currentTask = 305;
        f.state.currentGroup = 3;
        intro.show();
        QCOMPARE(intro.selectedRow(), 5);
        test::TraceRecorder rec;
        f.state.currentSubtask = 3;
        QTest::keyClick(&intro, Qt::Key_Return);
        QCOMPARE(f.state.currentTask, 305);
        QCOMPARE(f.state.lastTask, 305);
        QCOMPARE(f.state.currentSubtask, 1);
        QVERIFY(!f.state.exerciseChosen);     // cleared by the build
        QVERIFY(f.screen->isVisible());
        QCOMPARE(rec.lines(QStringLiteral("problem")).size(), 1);
        QCOMPARE(f.promptsPlayed(), 1);
        // Enter again: the same exercise, chosen again, speaks again.
        QTest::keyClick(&intro, Qt::Key_Enter);
        QCOMPARE(f.promptsPlayed(), 2);
    }
};

FLUMO_SCREEN_TEST_MAIN(ProblemCycleTest, 1280, 1024, 120)

#include "test_problemcycle.moc"
