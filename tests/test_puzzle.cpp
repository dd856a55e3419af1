// The sliding puzzle: the slide rule with its row step, the builds of 410
// and 501, and every start arrangement solved by a search over the game's
// own moves, replayed through its answer rule to the solved picture.
#include "games/puzzle.h"
#include "support/generatorenv.h"
#include <QTest>
#include <algorithm>
#include <queue>
#include <unordered_map>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QList<int> drawnTiles;
    QRect picture;
    bool pictureDrawn = false;
    int selected = 0;
    Host()
    {
        parent = TileParent::Screen;
        markWaits = true;
        size = [this](const QString &) { return QSize(problem->cellWidth, problem->cellHeight); };
    }
    void placeBox(GameBox box, int, const QRect &rect) override
    {
        if (box == GameBox::Picture)
            picture = rect;
    }
    void drawBox(GameBox box, int n) override
    {
        if (box == GameBox::Tile)
            drawnTiles << n;
        if (box == GameBox::Picture)
            pictureDrawn = true;
    }
    void selectTile(int n) override { selected = n; }
};

struct Game : test::GeneratorRun<PuzzleGame, Host> {
    PuzzleGame &game = gen;
    Game(std::uint64_t seed, int task, int level, int cardsPerSet = 9, int cardSet = 1)
        : GeneratorRun(task, level, 1, seed, true, cardsPerSet, cardSet)
    {
        build(true);
    }
    std::vector<int> cells() const { return {p.tileValue.begin() + 1, p.tileValue.begin() + 1 + p.tileCount}; }
    bool answer(int cell)
    {
        p.selectedTile = cell;
        return GeneratorRun::answer(cell);
    }
};

int manhattan(const std::vector<int> &cells, int side)
{
    int h = 0;
    for (int c = 0; c < int(cells.size()); ++c)
        if (cells[c] != 0)
            h += std::abs(c / side - (cells[c] - 1) / side) + std::abs(c % side - (cells[c] - 1) % side);
    return h;
}

std::uint64_t key(const std::vector<int> &cells)
{
    std::uint64_t k = 0;
    for (int v : cells)
        k = k << 4 | std::uint64_t(v);
    return k;
}

// A weighted best-first search over puzzleMoveTarget: the cells to click,
// in order, that solve the puzzle; empty when none was found.
std::vector<int> solve(const std::vector<int> &start, int side)
{
    const int n = int(start.size());
    std::vector<int> goal(n);
    for (int c = 0; c < n - 1; ++c)
        goal[c] = c + 1;
    struct Seen {
        std::uint64_t parent;
        int click;
        int g;
    };
    std::unordered_map<std::uint64_t, Seen> seen;
    using Entry = std::tuple<int, int, std::vector<int>>;   // f, g, cells
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    seen[key(start)] = {0, 0, 0};
    open.emplace(manhattan(start, side), 0, start);
    while (!open.empty() && seen.size() < 3'000'000) {
        auto [f, g, cells] = open.top();
        open.pop();
        if (cells == goal) {
            std::vector<int> clicks;
            for (std::uint64_t k = key(cells); k != key(start); k = seen[k].parent)
                clicks.push_back(seen[k].click);
            std::reverse(clicks.begin(), clicks.end());
            return clicks;
        }
        for (int s = 1; s <= n; ++s) {
            const int to = puzzleMoveTarget(cells, side, s);
            if (to == 0)
                continue;
            std::vector<int> next = cells;
            std::swap(next[s - 1], next[to - 1]);
            const std::uint64_t k = key(next);
            if (seen.count(k))
                continue;
            seen[k] = {key(cells), s, g + 1};
            open.emplace(g + 1 + 3 * manhattan(next, side), g + 1, std::move(next));
        }
    }
    return {};
}

// Parity of the pieces' inversions plus the empty cell's row: what the four
// ordinary slides can never change.
int ordinaryParity(const std::vector<int> &cells, int side)
{
    int inversions = 0, emptyRow = 0;
    for (int a = 0; a < int(cells.size()); ++a) {
        if (cells[a] == 0)
            emptyRow = a / side;
        for (int b = a + 1; b < int(cells.size()); ++b)
            inversions += cells[a] && cells[b] && cells[a] > cells[b] ? 1 : 0;
    }
    return (inversions + emptyRow) % 2;
}

} // namespace

class TestPuzzle : public QObject {
    Q_OBJECT
private slots:
    void aPieceSlidesOnlyIntoTheEmptyCellBesideIt()
    {
        const int side = 3;
        // The empty cell first in a row takes the last piece of the row above.
        QCOMPARE(puzzleMoveTarget(std::vector<int>{1, 2, 3, 0, 5, 6, 7, 8, 4}, side, 3), 4);
        // The empty cell last in a row: the first piece of the next row stays.
        QCOMPARE(puzzleMoveTarget(std::vector<int>{1, 2, 0, 4, 5, 6, 7, 8, 3}, side, 4), 0);
        QCOMPARE(puzzleMoveTarget(std::vector<int>{1, 2, 0, 4, 5, 6, 7, 8, 3}, side, 6), 3);   // up
        QCOMPARE(puzzleMoveTarget(std::vector<int>{1, 0, 3, 4, 5, 6, 7, 8, 2}, side, 8), 0);   // two rows away
        QCOMPARE(puzzleMoveTarget(std::vector<int>{1, 2, 3, 4, 0, 6, 7, 8, 5}, side, 2), 5);   // down
        QCOMPARE(puzzleMoveTarget(std::vector<int>{1, 2, 3, 4, 0, 6, 7, 8, 5}, side, 5), 0);   // the empty cell itself

        // Through the answer rule: a rejected click moves nothing.
        for (std::uint64_t seed = 1; seed <= 30; ++seed) {
            Game g(seed, 410, 2);
            const std::vector<int> before = g.cells();
            for (int s = 1; s <= 16; ++s) {
                if (puzzleMoveTarget(before, 4, s) != 0)
                    continue;
                QVERIFY(!g.answer(s));
                QCOMPARE(g.cells(), before);
            }
        }
    }

    void buildsTheArrangementWithItsPictures()
    {
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            Game small(seed, 410, 1);
            QCOMPARE(small.p.tileCount, 9);
            QCOMPARE(small.p.answersNeeded, 8);
            QCOMPARE(small.p.targetTile, 0);
            const std::span<const int> start = puzzleArrangement(9, small.game.arrangement());
            QCOMPARE(small.cells(), std::vector<int>(start.begin(), start.end()));
            const int pic = small.game.picture();
            QVERIFY(pic >= 1 && pic <= 9);
            for (int c = 1; c <= 9; ++c)
                QCOMPARE(small.p.tileInfo[c].name, QStringLiteral("obr\\410\\%1\\pex%2").arg(pic, 2, 10, QChar('0')).arg(start[c - 1], 2, 10, QChar('0')));
            QCOMPARE(small.host.sounds, QStringList{QStringLiteral("Zvuky\\410\\uv410_1-%1.wav!wait").arg(pic == 1 ? 1 : pic <= 6 ? 2 : 3)});

            Game big(seed, 410, 2);
            QCOMPARE(big.p.tileCount, 16);
            QVERIFY(big.p.tileInfo[16].name.startsWith(QStringLiteral("obr\\410\\patn\\%1\\pex").arg(big.game.picture())));
            QCOMPARE(big.host.sounds, QStringList{QStringLiteral("Zvuky\\410\\uv410_2-%1.wav!wait").arg(big.game.picture())});
            QVERIFY(!big.host.pictureDrawn);

            Game four(seed, 501, 1, 4, 7);
            QCOMPARE(four.p.tileCount, 4);
            QCOMPARE(four.p.cellWidth, 240);
            QVERIFY(four.p.tileInfo[1].name.startsWith(QStringLiteral("obr\\410\\obr\\07\\pexx")));
            QVERIFY(four.host.pictureDrawn);
            QCOMPARE(four.host.picture, QRect(50, 127, 160, 160));
            QVERIFY(four.game.mediaNames(four.p).contains(QStringLiteral("obr\\410\\obr\\07\\Nahled.jpg")));
            QVERIFY(four.host.sounds.isEmpty());

            Game nine(seed, 501, 1, 9, 10);
            QCOMPARE(nine.p.tileCount, 9);
            QVERIFY(nine.p.tileInfo[1].name.startsWith(QStringLiteral("obr\\410\\obr\\10\\pex")));
            QVERIFY(!nine.p.tileInfo[1].name.contains(QStringLiteral("pexx")));
        }
    }

    // Every arrangement of every size: a solution over the game's moves,
    // replayed click by click; the last piece fills the empty cell.
    void everyArrangementIsSolvable()
    {
        bool needsRowStep = false;
        for (const auto &[n, task, level, perSet] : {std::tuple{4, 501, 1, 4}, {9, 410, 1, 9}, {16, 410, 2, 9}})
            for (int which = 1; which <= 3; ++which) {
                const int side = n == 4 ? 2 : n == 9 ? 3 : 4;
                std::vector<int> goal(n);
                for (int c = 0; c < n - 1; ++c)
                    goal[c] = c + 1;
                const std::span<const int> a = puzzleArrangement(n, which);
                const std::vector<int> start(a.begin(), a.end());
                if (ordinaryParity(start, side) != ordinaryParity(goal, side))
                    needsRowStep = needsRowStep || (n == 16 && which == 1);
                const std::vector<int> clicks = solve(start, side);
                QVERIFY2(!clicks.empty(), qPrintable(QString("size %1 arrangement %2").arg(n).arg(which)));

                // Replay on a game that drew this arrangement.
                for (std::uint64_t seed = 1;; ++seed) {
                    Game g(seed, task, level, perSet);
                    if (g.game.arrangement() != which)
                        continue;
                    for (std::size_t i = 0; i < clicks.size(); ++i) {
                        QVERIFY(g.answer(clicks[i]));
                        QCOMPARE(g.p.answersGiven, puzzlePiecesInPlace(g.cells()));
                        QVERIFY(g.p.answersGiven < g.p.answersNeeded || i + 1 == clicks.size());
                    }
                    QCOMPARE(g.p.answersGiven, g.p.answersNeeded);
                    QCOMPARE(g.p.tileValue[n], n);
                    QCOMPARE(g.p.tileInfo[n].name.right(2), QStringLiteral("%1").arg(n, 2, 10, QChar('0')));
                    QCOMPARE(g.p.selectedTile, n + 1);
                    QCOMPARE(g.host.drawnTiles.last(), n);
                    break;
                }
            }
        QVERIFY(needsRowStep);   // arrangement 1 of 4 x 4 cannot be solved by the four slides alone
    }
};

QTEST_GUILESS_MAIN(TestPuzzle)
#include "test_puzzle.moc"
