// Building Problems on the exercise screen: the order-sensitive effects of
// the build (prompt, recorded state, labels, level clamp), the Tile pools
// and extra panels, and the Tile painter with its pointer feedback. A small
// family of our own stands in for the real generators, so every exercise can
// be built with known values.
#include "engine/catalog.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include "support/screenenv.h"
#include "support/contextfixture.h"
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <memory>

using namespace flumo;
using test::named;

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
    }
    static inline bool firstTileShownAtStart = false;
};

std::unique_ptr<Generator> makeProbe() { return std::make_unique<ProbeGenerator>(); }
// Every exercise but 109 has a generator here.
GeneratorFactory probeLookup(int task) { return findExercise(task) && task != 109 ? &makeProbe : nullptr; }

const QColor kNormal(200, 30, 30);
const QColor kHigh(30, 30, 200);

struct Fixture : test::ContextFixture {
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
        for (const char *m : {"305/uv305_1-1", "305/uv305_1-2", "305/uv305_1-3", "305/uv305_1-4", "405/uv405_1-1",
                              "405/uv405_1-2"})
            tp.writeWav(QStringLiteral("Zvuky/%1.wav").arg(QLatin1String(m)), 300);
        screen = std::make_unique<ExerciseScreen>(ctx, DisplayMetrics{120, 32});
        screen->setGeneratorLookup(&probeLookup);
    }
    void build(int task, int level = 1, int subtask = 0)
    {
        state.currentTask = task, state.currentLevel = level;
        state.currentSubtask = subtask ? subtask : state.currentSubtask;
        screen->ZamichUkl1Click();
    }
    int prompts() const { return played(QStringLiteral("uv")); }
    bool hidden(const char *name) const { return named(screen.get(), name)->isHidden(); }
    QString label(const char *name) const { return screen->toolbarPictureName(*named<PaintBox>(screen.get(), name)); }
};

// The "tileN=<stem>@x,y,w,h" fields of a "problem" trace line, by N.
QMap<int, std::pair<QString, QRect>> tracedTiles(const QString &line)
{
    QMap<int, std::pair<QString, QRect>> out;
    static const QRegularExpression field(QStringLiteral(R"( tile(\d+)=(\S*)@(-?\d+),(-?\d+),(\d+),(\d+))"));
    for (auto it = field.globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        const auto n = [&m](int i) { return m.captured(i).toInt(); };
        out[n(1)] = {m.captured(2), QRect(n(3), n(4), n(5), n(6))};
    }
    return out;
}

// Whether the middle of w shows colour c.
bool looks(QWidget *w, const QColor &c)
{
    return test::nearColour(w->grab().toImage().pixel(w->width() / 2, w->height() / 2), c.rgb());
}

} // namespace

class ProblemCycleTest : public QObject {
    Q_OBJECT
private slots:
    void promptSpeaksOnlyWhenExerciseOrSubtaskChangesOrIsChosen()
    {
        Fixture f;
        f.build(305, 1, 1);
        QCOMPARE(f.prompts(), 1);
        QCOMPARE(f.tp.clock.totalSlept(), 300);   // played with waiting, through the clock
        QVERIFY(f.screen->soundPlayer().lastSoundName().startsWith(QLatin1String("Zvuky\\305\\uv305_1-")));
        // Same again: silent; subtask 2 (305 speaks variant 1 in every subtask): speaks.
        for (const auto &[subtask, expected] : {std::pair{0, 1}, {2, 2}, {0, 2}}) {
            f.build(305, 1, subtask);
            QCOMPARE(f.prompts(), expected);
        }
        f.state.exerciseChosen = true;   // picked again on the intro screen
        f.build(305);
        QCOMPARE(f.prompts(), 3);
        QVERIFY(!f.state.exerciseChosen);

        // A missing prompt file is remembered all the same, and nothing plays.
        f.build(306);
        QCOMPARE(f.prompts(), 3);
        QVERIFY(f.screen->soundPlayer().lastSoundName().startsWith(QLatin1String("Zvuky\\306\\uv306_1-")));
        // 410 has no prompt: the name of the last one stays cleared by the change.
        f.build(410);
        QVERIFY(f.screen->soundPlayer().lastSoundName().isEmpty());
        // 405 opens its prompt but does not play it.
        f.tp.sound.clear();
        f.build(405);
        QCOMPARE(f.prompts(), 0);
        QVERIFY(f.tp.sound.openedPath().contains(QLatin1String("uv405_1-")));
    }

    void tilePainterPicksTheLookAndPreviousTilesHideExceptTheCardsOf405()
    {
        Fixture f;
        f.screen->show();
        QVERIFY(f.screen->tilePictureName(1).isEmpty());   // nothing before the Problem is ready
        f.build(101);
        QCOMPARE(f.screen->tilePictureName(1), QStringLiteral("obr\\101\\obr001k.Jpg"));
        QCOMPARE(f.screen->tilePictureName(4), QStringLiteral("obr\\101\\obr004n.Jpg"));
        // A back box shows the "d" picture of its Tile's stem.
        QCOMPARE(f.screen->tilePictureName(1004), QStringLiteral("obr\\101\\obr004d.JPG"));
        f.screen->problem().selectedTile = 4;
        QCOMPARE(f.screen->tilePictureName(4), QStringLiteral("obr\\101\\obr004k.Jpg"));
        // A new Problem starts with the previous Tiles hidden, but a new Problem
        // of 405 keeps the cards on screen, turned face down.
        for (const auto &[task, shown] : {std::pair{101, false}, {405, false}, {405, true}}) {
            f.build(task);
            QCOMPARE(ProbeGenerator::firstTileShownAtStart, shown);
        }
        QCOMPARE(f.screen->tilePictureName(2), QStringLiteral("obr\\405\\karta02n.Jpg"));
        // 411: a disabled colour Tile shows the empty colour.
        f.build(411);
        f.screen->tile(2)->setEnabled(false);
        QCOMPARE(f.screen->tilePictureName(2), QStringLiteral("obr\\411\\Barva0.Jpg"));
    }

    void buildRecordsStateAndClampsTheLevel()
    {
        Fixture f;
        f.build(305, 7, 3);
        // A change of exercise starts at subtask 1.
        const EngineState &st = f.state;
        QCOMPARE((QList<int>{st.currentSubtask, st.lastTask, st.lastSubtask, st.lastTileCount, st.currentLevel,
                             st.screenBusy, f.screen->tile(1)->tag()}),
                 (QList<int>{1, 305, 1, 6, 7, 0, 1}));
        QVERIFY(!f.screen->suppressBackground() && f.screen->toolbar()->isEnabled() && f.screen->problem().problemReady);

        f.build(110, 7);
        QCOMPARE((QList<int>{st.currentLevel, st.effectiveLevel, st.lastTileCount}), (QList<int>{5, 5, 5}));
        f.build(101, 5);
        QCOMPARE(st.currentLevel, 1);
        f.build(305);
        QCOMPARE(st.currentLevel, 1);   // the clamp never raises

        // A card game plays at level 1, is not recorded as LastTask and hides the labels and arrows.
        f.build(501, 3);
        QCOMPARE((QList<int>{st.currentLevel, st.effectiveLevel, st.lastTask, st.lastTileCount}),
                 (QList<int>{1, 1, 305, 9}));
        QVERIFY(f.hidden("PBuk1") && f.hidden("PBsip6") && !f.hidden("PBtl1"));
        // Back to 305 is no change of exercise: no prompt.
        const int prompts = f.prompts();
        f.build(305);
        QCOMPARE(f.prompts(), prompts);
        QVERIFY(!f.hidden("PBuk1"));
    }

    void labelsNameExerciseSubtaskAndLevel()
    {
        Fixture f;
        f.build(101);
        f.build(101, 1, 3);
        QCOMPARE(f.label("PBuk1"), QStringLiteral("obr\\tlacitka\\ukol101.Jpg"));
        QCOMPARE(f.label("PBvar1"), QStringLiteral("obr\\tlacitka\\var101_3.Jpg"));
        QCOMPARE(f.label("PBurov1"), QStringLiteral("obr\\tlacitka\\urov000.Jpg"));   // one level only
        f.build(102, 2);
        QCOMPARE(f.label("PBvar1"), QStringLiteral("obr\\tlacitka\\var000.Jpg"));    // one subtask only
        QCOMPARE(f.label("PBurov1"), QStringLiteral("obr\\tlacitka\\urov102_2.Jpg"));
        // Painting a label lowers a level above the exercise's highest.
        f.state.currentLevel = 6;
        named(f.screen.get(), "PBurov1")->grab();
        QCOMPARE(f.state.currentLevel, 3);
        QCOMPARE(f.label("PBurov1"), QStringLiteral("obr\\tlacitka\\urov102_3.Jpg"));
    }

    void tracedTileRectanglesFollowTheLayout()
    {
        Fixture f;
        test::TraceRecorder rec;
        f.build(101);
        f.build(101, 1, 2);
        const QStringList lines = rec.lines(QStringLiteral("problem"));
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.last().startsWith(QLatin1String("problem task=101 level=1 subtask=2 tiles=6 target=2 tile1=")));
        const auto pictograms = tracedTiles(lines.last()), pictures = tracedTiles(lines.first());
        QCOMPARE(pictograms.size(), 6);
        QStringList values;
        for (int i = 1; i <= 6; ++i)
            values << QString::number(f.screen->problem().tileValue[static_cast<std::size_t>(i)]);
        QVERIFY(lines.last().endsWith(QStringLiteral(" values=") + values.join(',')));
        // Cells of 250 x 172 from (36, 235): PanelVyb1 at (26, 230) and the Tiles 10, 5 inside it.
        for (int i = 1; i <= 6; ++i) {
            const QPoint cell(36 + (i - 1) % 3 * 250, 235 + (i - 1) / 3 * 172);
            // Subtask 2, pictograms: centred in the cell.
            QCOMPARE(pictograms[i].first, QStringLiteral("obr\\101\\pikt00%1").arg(i));
            QCOMPARE(pictograms[i].second, QRect(cell + QPoint(15, 6), QSize(200, 150)));
            QVERIFY(f.screen->tile(i)->isVisibleTo(f.screen->tilePanel()));
            // Subtask 1: jittered inside its cell, at most half the slack.
            QCOMPARE(pictures[i].first, QStringLiteral("obr\\101\\obr00%1").arg(i));
            const QPoint off = pictures[i].second.topLeft() - cell;
            QVERIFY2(off.x() >= 0 && off.x() < 25 && off.y() >= 0 && off.y() < 11, qPrintable(lines.first()));
        }
    }

    void tilesAndBackBoxesComeAndGoWithThePlan()
    {
        Fixture f;
        // Built as 401 and back to a choice exercise of 6 Tiles: 13..64 and 17..64 are freed.
        f.build(401, 3, 1);
        QCOMPARE(f.screen->problem().tileCount, 64);
        f.build(101);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.state.lastTileCount, 6);
        QVERIFY(f.screen->tile(12) && !f.screen->tile(13) && !f.screen->tile(64));
        QVERIFY(f.screen->backBox(16) && !f.screen->backBox(17));
        QCOMPARE(f.screen->findChildren<PaintBox *>(QRegularExpression(QStringLiteral("^PBox\\d+$"))).size(), 12);
        QCOMPARE(f.screen->findChildren<PaintBox *>(QRegularExpression(QStringLiteral("^VBox\\d+$"))).size(), 16);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(f.screen->tile(i)->parentWidget(), f.screen->tilePanel());
    }

    void groupPanelsHoldTheirControlsAndGiveThemBack()
    {
        Fixture f;
        const auto pb0Parent = [&f] { return named(f.screen.get(), "PB0")->parentWidget(); };
        f.build(411, 1, 2);
        QCOMPARE(f.state.extraPanelCount, 3);
        Panel *colours = f.screen->groupPanel(1);
        QVERIFY(colours && colours->isVisibleTo(f.screen.get()));
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(f.screen->tile(i)->parentWidget(), colours);
        QCOMPARE(pb0Parent(), f.screen->groupPanel(3));

        // Leaving 411 for a choice exercise: the Tiles return to PanelVyb1
        // (not to the screen), whole, and the panels are gone.
        f.build(101);
        QCOMPARE(f.state.extraPanelCount, 0);
        QVERIFY(!f.screen->groupPanel(1) && !f.screen->findChild<Panel *>(QStringLiteral("Pan1")));
        for (int i = 1; i <= 8; ++i) {
            QVERIFY(f.screen->tile(i));
            QCOMPARE(f.screen->tile(i)->parentWidget(), f.screen->tilePanel());
            QCOMPARE(f.screen->tile(i)->isVisibleTo(f.screen->tilePanel()), i <= 6);
        }
        QCOMPARE(pb0Parent(), f.screen.get());

        // 403: the shelves take Tiles 1..9 (laid out inside them), PB0 its label panel.
        f.build(403);
        QCOMPARE(f.state.extraPanelCount, 10);
        QCOMPARE(f.screen->tile(5)->parentWidget(), f.screen->groupPanel(2));
        QCOMPARE(f.screen->tile(5)->pos(), QPoint(162, 0));
        QCOMPARE(f.screen->backBox(2)->parentWidget(), f.screen->groupPanel(5));
        QCOMPARE(pb0Parent(), f.screen->groupPanel(9));
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
        const auto hovers = [&rec] { return rec.lines(QStringLiteral("hover")).size(); };
        PaintBox *t1 = f.screen->tile(1), *t2 = f.screen->tile(2), *t3 = f.screen->tile(3);
        QVERIFY(looks(t1, kHigh) && looks(t2, kNormal));

        // A real pointer move over Tile 2.
        QTest::mouseMove(t2, QPoint(20, 20));
        QTRY_COMPARE(f.screen->problem().selectedTile, 2);
        QCOMPARE(rec.lines(QStringLiteral("hover")), QStringList{QStringLiteral("hover tile=2")});
        QCOMPARE((QList<int>{t1->tag(), t2->tag()}), (QList<int>{0, 2}));
        QVERIFY(looks(t1, kNormal) && looks(t2, kHigh));

        // Back and forth: never two highlighted.
        for (int id : {3, 2, 3}) {
            f.screen->tilePointerMoved(id);
            int tagged = 0;
            for (int i = 1; i <= 6; ++i)
                tagged += f.screen->tile(i)->tag() == i ? 1 : 0;
            QCOMPARE(tagged, 1);
        }
        QVERIFY(looks(t2, kNormal));
        QCOMPARE(hovers(), 4);

        // Within the selected Tile: no change, but the time of the move counts.
        f.tp.clock.advance(500);
        f.screen->tilePointerMoved(3);
        QCOMPARE(hovers(), 4);
        QCOMPARE(f.screen->lastCursorMove(), f.tp.clock.tickCount());

        // A repaint of the selected Tile shows "k" even after its tag was cleared.
        f.screen->RestoreNormalLooks();
        QCOMPARE(t3->tag(), 0);
        QVERIFY(looks(t3, kHigh));

        // While the screen is busy the highlight stays.
        f.state.screenBusy = 1;
        f.screen->tilePointerMoved(5);
        QCOMPARE(f.screen->problem().selectedTile, 3);

        // 502 follows the pointer only with OneKey.
        f.build(502);
        for (const auto &[oneKey, selected] : {std::pair{false, 1}, {true, 4}}) {
            f.settings.setOneKey(oneKey);
            f.screen->tilePointerMoved(4);
            QCOMPARE(f.screen->problem().selectedTile, selected);
        }
    }

    void patternRowAndBackgroundFollowTheExercise()
    {
        Fixture f;
        f.tp.writeJpeg(QStringLiteral("Obr/402/bgr.jpg"), 800, 600, Qt::darkCyan);
        f.tp.writeJpeg(QStringLiteral("Obr-pom/bgr.jpg"), 800, 600, Qt::darkYellow);
        const auto shows = [&f](Qt::GlobalColor c) {
            return test::nearColour(f.screen->grab().toImage().pixel(400, 595), QColor(c).rgb());
        };
        QVERIFY(f.screen->suppressBackground());   // until a Problem is built
        f.build(101);
        QWidget *vz = named(f.screen.get(), "PBvz1"), *rov = named(f.screen.get(), "PBrov1");
        QWidget *vyb = named(f.screen.get(), "PBvyb1");
        // Around the centre: (744 - 100 - 40 - 120 - 16) / 2 = 234, then 8 pixels apart.
        QCOMPARE(vz->geometry(), QRect(234, vz->y(), 100, 150));
        QCOMPARE(rov->geometry(), QRect(342, rov->y(), 40, 150));
        QCOMPARE(vyb->geometry(), QRect(390, vyb->y(), 120, 150));
        QVERIFY(f.screen->patternPanel()->isVisibleTo(f.screen.get()));
        // Only the boxes shown are centred: 101 without its sign, 102 its answer alone.
        f.screen->drawPatternRow(PatternRow::Pattern | PatternRow::Answer, true, true);
        QVERIFY(vz->x() == (744 - 100 - 120 - 8) / 2 && vyb->x() == vz->x() + 108);
        f.screen->drawPatternRow(PatternRow::Answer, true, true);
        QCOMPARE(vyb->x(), (744 - 120) / 2);
        // A game hides Panel1, the pattern boxes stay off with NoChoicePanel, and
        // the exercise's own background shows.
        f.build(402);
        QVERIFY(!f.screen->patternPanel()->isVisibleTo(f.screen.get()));
        QVERIFY(vz->isHidden() && vyb->isHidden());
        QCOMPARE(f.screen->backgroundName(), QStringLiteral("Obr\\402\\bgr.jpg"));
        QVERIFY(shows(Qt::darkCyan));
        f.build(101);
        QVERIFY(shows(Qt::darkYellow));
        f.screen->setSuppressBackground(true);
        QVERIFY(!shows(Qt::darkYellow));
    }

    void exercisesWithoutGeneratorAreNotReachable()
    {
        Fixture f;
        f.build(101);
        test::TraceRecorder rec;
        f.state.currentTask = 109;
        f.screen->ZamichUkl1Click();
        QCOMPARE(rec.lines(QStringLiteral("problem-refused")), QStringList{QStringLiteral("problem-refused task=109")});
        QVERIFY(rec.lines(QStringLiteral("problem")).isEmpty());
        QCOMPARE(f.state.lastTask, 101);
        QCOMPARE(f.state.screenBusy, 0);
        QVERIFY(f.screen->tile(1)->isVisibleTo(f.screen->tilePanel()));
    }
};

FLUMO_SCREEN_TEST_MAIN(ProblemCycleTest, 1280, 1024, 120)

#include "test_problemcycle.moc"
