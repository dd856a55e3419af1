// Problem layout: every exercise's grid within the pools, Tile placement
// (aligned, jittered, the special rows), the Tile pool plan, the spoken
// prompt and the praise animation choices.
#include "engine/catalog.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include <QTest>
#include <set>

using namespace flumo;

namespace {

Problem layout(int task, int level, int subtask = 1, bool noZero = true, int cardsPerSet = 9, int cardSet = 1)
{
    Problem p;
    SetUpExerciseLayout(p, {task, level, subtask, noZero, cardsPerSet, cardSet});
    return p;
}

TilePictureSize fixedSize(QSize s) { return [s](int, const QString &) { return s; }; }

// Top-left of Tile i's cell in its parent, before centring or jitter.
QPoint cellOrigin(const Problem &p, int i, TileParent parent = TileParent::ChoicePanel)
{
    const QPoint offset = parent == TileParent::ChoicePanel ? QPoint(10, 5) : QPoint(40, 230);
    return QPoint((i - 1) % p.gridColumns * p.cellWidth + p.gridLeft, (i - 1) / p.gridColumns * p.cellHeight + p.gridTop) + offset;
}

// True when a drew no number since it was seeded like b.
bool sameSequence(Random &a, Random &b) { return a.next() == b.next(); }

std::vector<TilePlacement> place(const Problem &p, int task, QSize s, Random &r, int panel = 744,
                                 TileParent parent = TileParent::ChoicePanel)
{
    return LayOutTiles(p, task, parent, panel, fixedSize(s), r);
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void everyExerciseFitsThePools()
    {
        // Every exercise, level and subtask the menus offer gives a grid that
        // holds its Tiles within the pools; below 400 at most 6 Tiles except
        // the number rows 201, 203 and 205.
        for (const CatalogEntry &e : catalog())
            for (int level = 1; level <= e.maxLevel; ++level)
                for (int subtask = 1; subtask <= std::max(1, e.subtasks); ++subtask)
                    for (bool noZero : {true, false}) {
                        Problem p;
                        const BoxSpan hide = SetUpExerciseLayout(p, {e.taskId, level, subtask, noZero, 9, 1});
                        const QByteArray at = QString("%1 L%2 S%3").arg(e.taskId).arg(level).arg(subtask).toUtf8();
                        QVERIFY2(hide.first == p.tileCount + 1, at);
                        QVERIFY2(p.tileCount >= 2 && p.tileCount <= kMaxTiles, at);
                        QVERIFY2(p.gridRows * p.gridColumns >= p.tileCount && p.cellWidth > 0 && p.cellHeight > 0, at);
                        QVERIFY2(e.taskId >= 400 || (QList<int>{201, 203, 205}.contains(e.taskId)) || p.tileCount <= 6, at);
                        QVERIFY2(e.taskId == 401 || (!p.tilePicturePrefix.isEmpty() && !p.altPicturePrefix.isEmpty()), at);
                    }
    }

    void numberIntroduction()
    {
        // Eleven numbers (level 3 counting with zero): the shorter second row
        // is shifted right by 54.
        const Problem p = layout(201, 3, 1, false);
        QCOMPARE(p.tileCount, 11);
        Random random(1);
        const auto tiles = place(p, 201, {100, 150}, random);
        for (const TilePlacement &t : tiles) {
            const int shift = t.tile >= 7 ? 54 : 0;
            QCOMPARE(t.rect.left(), cellOrigin(p, t.tile).x() + (p.cellWidth - 100) / 2 + shift);
        }
        QCOMPARE(tiles[6].rect.topLeft(), QPoint(48, 188));
    }

    void alignedExactAndCentred()
    {
        // 110: five cells of 142 x 172 at top 70 inside PanelVyb1.
        Problem p = layout(110, 1);
        Random r(5), twin(5);
        auto tiles = place(p, 110, {100, 120}, r);
        QCOMPARE(int(tiles.size()), 5);
        QCOMPARE(tiles[0].rect, QRect(31, 101, 100, 120));
        QCOMPARE(tiles[4].rect, QRect(599, 101, 100, 120));
        QVERIFY(sameSequence(r, twin));
        // Every aligned exercise centres any picture in its cell and draws no
        // random number; on the screen the offset is (40, 230).
        Random sizes(99);
        for (int task : {110, 203, 301, 310, 402, 405, 407, 408, 409, 410, 412, 501, 502}) {
            p = layout(task, 1);
            QVERIFY(p.gridAligned);
            const TileParent parent = *tileParentFor(task);
            for (int round = 0; round < 20; ++round) {
                const QSize s(sizes.range(10, 400), sizes.range(10, 400));
                Random a(round), b(round);
                for (const TilePlacement &t : place(p, task, s, a, 744, parent))
                    QCOMPARE(t.rect.topLeft() - cellOrigin(p, t.tile, parent),
                             QPoint((p.cellWidth - s.width()) / 2, (p.cellHeight - s.height()) / 2));
                QVERIFY(sameSequence(a, b));
            }
        }
    }

    void jitteredFixedSeed()
    {
        // 102 at level 1: 2 x 3 cells of 250 x 172, pictures 200 x 100: left
        // offsets 0..24, top offsets 0..35, drawn left then top, Tile by Tile.
        const Problem p = layout(102, 1);
        QVERIFY(!p.gridAligned);
        Random r(2024), twin(2024);
        const auto tiles = place(p, 102, {200, 100}, r);
        for (const TilePlacement &t : tiles) {
            const int left = (t.tile - 1) % 3 * 250 + 10 + twin.range(0, 24);
            QCOMPARE(t.rect, QRect(left, (t.tile - 1) / 3 * 172 + 5 + twin.range(0, 35), 200, 100));
        }
        QVERIFY(sameSequence(r, twin));
        // A narrow Panel1 pulls the third column back to its right edge; the
        // draws still happen.
        Random n(2024), twin2(2024);
        const auto narrow = place(p, 102, {200, 100}, n, 500);
        QCOMPARE(narrow[2].rect.left(), 500 + 30 - 200 - 2);
        QCOMPARE(narrow[5].rect.left(), 328);
        QCOMPARE(narrow[1].rect, tiles[1].rect);
        for (int i = 0; i < 12; ++i)
            twin2.range(0, i % 2 ? 35 : 24);
        QVERIFY(sameSequence(n, twin2));
    }

    void jitteredStaysInCell()
    {
        Random sizes(7);
        for (int task : {102, 111, 112, 204, 206, 303, 305, 309})
            for (int level = 1; level <= 3; ++level) {
                const Problem p = layout(task, level);
                QVERIFY(!p.gridAligned);
                for (int seed = 0; seed < 60; ++seed) {
                    const QSize s(sizes.range(60, 320), sizes.range(60, 240));
                    const int panel = seed % 2 ? 744 : 600;
                    Random r(seed);
                    for (const TilePlacement &t : place(p, task, s, r, panel)) {
                        const QPoint d = t.rect.topLeft() - cellOrigin(p, t.tile);
                        const bool clamped = t.rect.left() == panel + 30 - s.width() - 2;
                        QVERIFY(clamped || (d.x() >= 0 && d.x() <= std::max(0, (p.cellWidth - s.width()) / 2 - 1)));
                        QVERIFY(d.y() >= 0 && d.y() <= std::max(0, (p.cellHeight - s.height()) / 2 - 1));
                        QVERIFY(t.rect.right() + 1 < panel + 30);
                        QCOMPARE(t.rect.size(), s);
                    }
                }
            }
    }

    void noSlackDrawsNothing()
    {
        // Pictures as large as the cell or larger: offsets 0, no number drawn;
        // slack 1 gives an offset range of 0..0: it draws and stays 0.
        const Problem p = layout(112, 1);
        for (QSize s : {QSize(250, 172), QSize(251, 173), QSize(300, 400), QSize(248, 170)}) {
            Random r(11), twin(11);
            for (const TilePlacement &t : place(p, 112, s, r, 2000))
                QCOMPARE(t.rect.topLeft(), cellOrigin(p, t.tile));
            QCOMPARE(sameSequence(r, twin), s.width() >= 250);
        }
    }

    void stemsFormedOrKept()
    {
        Problem p = layout(101, 1, 1);
        p.tileValue[1] = 7;
        p.tileValue[2] = 160;
        QStringList asked;
        Random r(3);
        auto tiles = LayOutTiles(p, 101, TileParent::ChoicePanel, 744, [&asked](int, const QString &name) {
            asked << name;
            return QSize(100, 100);
        }, r);
        QCOMPARE(tiles[0].stem, QString("obr\\101\\obr007"));
        QCOMPARE(asked.mid(0, 2), (QStringList{"obr\\101\\obr007n.Jpg", "obr\\101\\obr160n.Jpg"}));
        applyTileStems(p, tiles);
        QCOMPARE(p.tileInfo[2].name, QString("obr\\101\\obr160"));
        // 111's generator names its Tiles: the stems stay as they are.
        p = layout(111, 2);
        p.tileInfo[1].name = "obr\\111\\poc05_03";
        tiles = place(p, 111, {100, 100}, r);
        QVERIFY(!tiles[0].stemFormed);
        applyTileStems(p, tiles);
        QCOMPARE(p.tileInfo[1].name, QString("obr\\111\\poc05_03"));
        // 401's 64 cells have no TileInfo records beyond 23.
        p = layout(401, 3);
        p.tilePicturePrefix = "x";
        p.tileValue[64] = 5;
        tiles = place(p, 401, {30, 30}, r, 744, TileParent::Screen);
        QCOMPARE(int(tiles.size()), 64);
        QCOMPARE(tiles[63].stem, QString("x05"));
        applyTileStems(p, tiles);
        QCOMPARE(p.tileInfo[23].name, QString("x00"));
    }

    void shelvesAndCoinStacks()
    {
        Random r(1);
        auto tiles = place(layout(403, 1), 403, {100, 100}, r, 744, TileParent::Screen);
        QCOMPARE(int(tiles.size()), 11);
        for (int i = 1; i <= 9; ++i) {
            QCOMPARE(tiles[std::size_t(i - 1)].groupPanel, (i - 1) / 3 + 1);
            QCOMPARE(tiles[std::size_t(i - 1)].rect, QRect((i - 1) % 3 * 162, 0, 100, 100));
        }
        // Tiles 10 and 11 stay on the screen in the grid's fourth row.
        QCOMPARE(tiles[9].groupPanel, 0);
        QCOMPARE(tiles[9].rect.topLeft(), QPoint(40 - 10 + 31, 3 * 149 + 230 - 171 + 24));
        // 404: the six coin stacks are 300 x 87 without reading a picture.
        int reads = 0;
        tiles = LayOutTiles(layout(404, 1), 404, TileParent::Screen, 744, [&reads](int tile, const QString &) {
            ++reads;
            return tile <= 6 ? QSize(1, 1) : QSize(200, 50);
        }, r);
        QCOMPARE(reads, 1);
        QCOMPARE(tiles[0].rect, QRect(40 - 20 + 10, 230 - 180 + (75 - 87) / 2, 300, 87));
        QCOMPARE(tiles[6].rect.size(), QSize(200, 50));
    }

    void poolPlanBetweenExercises()
    {
        const auto span = [](BoxSpan b) { return QPoint(b.first, b.last); };
        // Back from 401 at level 3 (64 Tiles) to 101.
        TilePlan plan = EnsureTiles(layout(101, 1), 101, 401, 64);
        QCOMPARE(span(plan.freeTiles), QPoint(13, 64));
        QCOMPARE(span(plan.freeBackBoxes), QPoint(17, 64));
        QVERIFY(plan.newTiles.empty() && plan.newBackBoxes.empty() && plan.hideTiles.empty());
        // And into it: 52 Tiles and 48 back boxes around the 8 x 8 grid.
        plan = EnsureTiles(layout(401, 3, 1), 401, 101, 6);
        QVERIFY(plan.freeTiles.empty() && plan.freeBackBoxes.empty());
        QCOMPARE((QList<int>{int(plan.newTiles.size()), plan.newTiles.front().box, plan.newTiles.back().box}), (QList<int>{52, 13, 64}));
        QCOMPARE(plan.newTiles.front().rect, QRect(4 * 30 + 8 * 30 + 159 + 4, 30 + 193, 30, 30));
        QCOMPARE((QList<int>{int(plan.newBackBoxes.size()), plan.newBackBoxes.front().box}), (QList<int>{48, 17}));
        QCOMPARE(plan.newBackBoxes.front().rect, QRect(159, 2 * 30 + 193, 30, 30));
        QCOMPARE(plan.firstTileStem, QString("obr\\401\\p_prazdny2"));
        // The 16-Tile puzzle puts Tiles 13..16 straight on the screen grid.
        plan = EnsureTiles(layout(410, 2), 410, 410, 9);
        QCOMPARE(int(plan.newTiles.size()), 4);
        QCOMPARE(plan.newTiles.front().rect, QRect(118 + 40, 3 * 120 - 157 + 230, 120, 120));
        QVERIFY(plan.newBackBoxes.empty());
        // Leaving 205 hides its helper Tiles; 406's back boxes go with it.
        QCOMPARE(span(EnsureTiles(layout(101, 1), 101, 205, 11).hideTiles), QPoint(10, 12));
        plan = EnsureTiles(layout(101, 1), 101, 406, 20);
        QCOMPARE(QPoint(plan.freeBackBoxes.size(), plan.freeTiles.size()), QPoint(4, 8));
        // Parents change only with the exercise or the Tile count; 411 keeps them.
        QVERIFY(!EnsureTiles(layout(102, 1), 102, 102, 6).reparent);
        plan = EnsureTiles(layout(102, 1), 102, 101, 6);
        QVERIFY(plan.reparent && plan.parent == TileParent::ChoicePanel);
        plan = EnsureTiles(layout(407, 1), 407, 102, 6);
        QVERIFY(plan.reparent && plan.parent == TileParent::Screen);
        QVERIFY(!EnsureTiles(layout(411, 1, 2), 411, 102, 6).reparent);
    }

    void promptFileAndVariants()
    {
        EngineState s;
        s.currentTask = s.lastTask = 304;
        s.currentSubtask = 3;
        s.lastSubtask = 2;
        QSet<QString> files;
        for (int seed = 0; seed < 50; ++seed) {
            Random r(seed), twin(seed);
            const PromptPlan plan = planPrompt(s, r);
            QVERIFY(plan.speak);
            QCOMPARE(plan.animation, twin.range(1, 4)); // drawn before the take
            QCOMPARE(plan.take, twin.range(1, 2));
            QCOMPARE(plan.animationFile, QString("obr-pom\\nulinka%1.GIF").arg(plan.animation));
            files.insert(plan.soundFile);
        }
        QCOMPARE(files, (QSet<QString>{"Zvuky\\304\\uv304_2-1.wav", "Zvuky\\304\\uv304_2-2.wav"}));
        QCOMPARE(promptFileName(101, 2, 4), QString("Zvuky\\101\\uv101_2-4.wav"));
    }

    void praiseAnimation()
    {
        std::set<int> seen;
        for (int seed = 0; seed < 300; ++seed) {
            Random r(seed);
            const PraiseAnimation a = choosePraiseAnimation(r);
            QCOMPARE(a.file, QStringLiteral("obr-pom\\nulák%1.GIF").arg(a.number, 2, 10, QChar('0')));
            seen.insert(a.number);
            const QPoint at = placePraisePanel({170, 160}, r);
            QVERIFY(at.x() >= 30 && at.x() <= 30 + 740 - 170 - 1);
            QVERIFY(at.y() >= 240 && at.y() <= 240 + 340 - 160 - 1);
        }
        QCOMPARE(seen, ([] { std::set<int> all; for (int i = 1; i <= 30; ++i) all.insert(i); return all; }()));
        // Too large for the area: at its corner, no draw; one spare pixel:
        // the bound is 0, the offset 0.
        Random r(8), twin(8);
        QCOMPARE(placePraisePanel({800, 400}, r), QPoint(30, 240));
        QVERIFY(sameSequence(r, twin));
        QCOMPARE(placePraisePanel({739, 339}, r), QPoint(30, 240));
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
