// The two money games played through their answer rules: 403's basket
// (sums, the five lines, undo, paying the exact amount) and 404's purse
// (laying, paying with change, the prices of the later purchases, the
// counter that loses no coin).
#include "games/shop.h"
#include "support/generatorenv.h"
#include <QTest>
#include <functional>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QStringList uiSounds;
    Host()
    {
        parent = TileParent::Screen;
        size = [](const QString &name) { return name.contains("\\404\\c") ? QSize(15, 20) : QSize(100, 80); };
    }
    void playDirect(const QString &name, bool wait) override { uiSounds << name + (wait ? "!wait" : ""); }
};

template <class G>
struct Run : test::GeneratorRun<G, Host> {
    Run(int task, std::uint64_t seed) : test::GeneratorRun<G, Host>(task, 1, 1, seed) { this->build(true); }
};

// Up to five goods (repeats allowed) whose prices make `target`.
bool basketFor(const Problem &p, int target, std::vector<int> &tiles)
{
    if (target == 0)
        return true;
    if (tiles.size() == 5 || target < 0)
        return false;
    for (int t = tiles.empty() ? 1 : tiles.back(); t <= 9; ++t) {
        tiles.push_back(t);
        if (basketFor(p, target - p.tileValue[static_cast<std::size_t>(t)], tiles))
            return true;
        tiles.pop_back();
    }
    return false;
}

int purseTotal(const PurseState &s)
{
    int total = 0;
    for (int i = 1; i <= kCoinTiles; ++i)
        total += s.purse[static_cast<std::size_t>(i)] * coinTileValue(i);
    return total;
}

} // namespace

class TestShop : public QObject {
    Q_OBJECT
private slots:
    void shopBasketAddsUpAndPaysTheExactAmount()
    {
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            Run<ShopGame> r(403, seed);
            const int target = r.gen.state().targetPrice;
            QVERIFY(target >= 11 && target <= 30);
            QSet<int> goods;
            for (int i = 1; i <= 9; ++i)
                goods.insert(r.p.tileValue[static_cast<std::size_t>(i)]);
            QCOMPARE(goods.size(), 9);
            std::vector<int> tiles;
            QVERIFY2(basketFor(r.p, target, tiles), "every amount can be bought");
            int sum = 0;
            for (int t : tiles) {
                QVERIFY(r.answer(t));
                sum += r.p.tileValue[static_cast<std::size_t>(t)];
                QCOMPARE(r.gen.state().paidSum, sum);
            }
            QCOMPARE(r.p.answersGiven, int(tiles.size()));
            QVERIFY(r.answer(kShopCashTile));
            QCOMPARE(r.p.answersGiven, r.p.answersNeeded);
            QCOMPARE(r.host.uiSounds.last(), QStringLiteral("zvuky\\pokladna.wav!wait"));
        }
    }

    void shopRefusesASixthItemAndUndoesTheLastLine()
    {
        Run<ShopGame> r(403, 11);
        // Undo with an empty basket only plays its sound.
        QVERIFY(!r.answer(kUndoTile));
        QCOMPARE(r.host.uiSounds, QStringList{"zvuky\\zpet.wav"});
        QCOMPARE(r.p.answersGiven, 0);
        for (int t = 1; t <= 5; ++t)
            QVERIFY(r.answer(t));
        const int five = r.gen.state().paidSum;
        QVERIFY(!r.answer(6));
        QCOMPARE(r.gen.state().paidSum, five);
        QCOMPARE(r.gen.state().itemsBought, 5);
        QVERIFY(!r.answer(kUndoTile));
        QCOMPARE(r.gen.state().paidSum, five - r.p.tileValue[5]);
        QCOMPARE(r.p.answersGiven, 4);
        QVERIFY(r.answer(6));   // the freed line takes goods again
        QCOMPARE(r.gen.state().basket[5], 6);
    }

    void shopRejectsATotalOffByOne()
    {
        for (std::uint64_t seed = 1; seed <= 50; ++seed) {
            Run<ShopGame> r(403, seed);
            std::vector<int> tiles;
            const int target = r.gen.state().targetPrice;
            const int off = seed % 2 ? 1 : -1;
            if (!basketFor(r.p, target + off, tiles))
                continue;
            for (int t : tiles)
                QVERIFY(r.answer(t));
            QVERIFY(!r.answer(kShopCashTile));
            QCOMPARE(r.gen.state().itemsBought, int(tiles.size()));
            QCOMPARE(r.gen.state().paidSum, target + off);
        }
    }

    void shopCursorReachesTheButtons()
    {
        Run<ShopGame> r(403, 3);
        const int down[] = {0, 4, 5, 6, 7, 8, 9, 10, 11, 11, 1, 2};
        for (int from = 1; from <= 11; ++from)
            QCOMPARE(r.gen.cursorStep(r.p, GameKey::Down, from), down[from]);
        QCOMPARE(r.gen.cursorStep(r.p, GameKey::Right, 11), 10);   // past 11 lands on 10
        QCOMPARE(r.gen.cursorStep(r.p, GameKey::Left, 10), 11);
        QCOMPARE(r.gen.cursorStep(r.p, GameKey::Up, 2), 11);
    }

    void purseGivesChangeAndClearsTheCounter()
    {
        // A seed whose first price is 73: two notes pay 100, back come 20, 5, 2.
        std::uint64_t seed = 1;
        while (Run<PurseGame>(404, seed).gen.state().targetPrice != 73)
            ++seed;
        Run<PurseGame> r(404, seed);
        const PurseState before = r.gen.state();
        QVERIFY(!r.answer(kPurseCashTile));
        QVERIFY(r.gen.quietWrong(r.p, kPurseCashTile));   // nothing paid: no reprimand
        QVERIFY(r.answer(1));
        QVERIFY(r.answer(1));
        QCOMPARE(r.gen.state().paidSum, 100);
        QCOMPARE(r.gen.state().counter.row(1).size(), std::size_t(2));
        QVERIFY(r.answer(kPurseCashTile));
        const PurseState &after = r.gen.state();
        const int delta[] = {0, -2, 1, 0, 1, 1, 0};
        for (int i = 1; i <= kCoinTiles; ++i)
            QCOMPARE(after.purse[static_cast<std::size_t>(i)], before.purse[static_cast<std::size_t>(i)] + delta[i]);
        QCOMPARE(after.counter.pieces(), 0);
        QCOMPARE(after.counter.currentRow(), 2);
        QCOMPARE(after.paidSum, 0);
        QCOMPARE(after.purchase, 1);
    }

    // Three purchases paid coin by coin from the largest piece down: the
    // later prices follow their rules and the third payment ends the problem.
    void pursePaysThreePurchases()
    {
        int lowThird = 0;
        for (std::uint64_t seed = 1; seed <= 400; ++seed) {
            Run<PurseGame> r(404, seed);
            for (int purchase = 1; purchase <= 3; ++purchase) {
                const int price = r.gen.state().targetPrice;
                const int before = purseTotal(r.gen.state());
                QVERIFY(before >= price);
                for (int guard = 0; r.gen.state().paidSum < price; ++guard) {
                    QVERIFY(guard < 200);
                    int t = kCoinTiles;
                    for (int i = 1; i <= kCoinTiles; ++i)
                        if (r.gen.state().purse[static_cast<std::size_t>(i)] > 0
                            && coinTileValue(i) <= price - r.gen.state().paidSum) {
                            t = i;
                            break;
                        }
                    while (r.gen.state().purse[static_cast<std::size_t>(t)] == 0)
                        --t;   // nothing small enough left: the smallest larger piece
                    QVERIFY(r.answer(t));
                }
                QVERIFY(r.answer(kPurseCashTile));
                const int total = purseTotal(r.gen.state());
                QCOMPARE(total, before - price);
                const int next = r.gen.state().targetPrice;
                if (purchase == 1) {
                    QVERIFY(next >= 60 && next <= 99 && next < total - 20);
                } else if (purchase == 2) {
                    if (total > 110) {
                        QVERIFY(next >= 60 && next <= 99);
                    } else {
                        QCOMPARE(next, total - 10);
                        ++lowThird;
                    }
                } else {
                    QCOMPARE(next, 0);
                }
            }
            QCOMPARE(r.p.answersGiven, r.p.answersNeeded);
        }
        QVERIFY(lowThird > 0);
    }

    void counterKeepsEveryCoinInsideItsRows()
    {
        CoinCounter counter;
        for (int k = 0; k < 40; ++k)
            counter.lay(k % 5 + 2);
        counter.lay(1);
        QCOMPARE(counter.pieces(), 41);
        QCOMPARE(counter.row(1).size(), std::size_t(1));
        QCOMPARE(counter.row(2).size(), std::size_t(8));
        QCOMPARE(counter.row(3).size(), std::size_t(8));
        QCOMPARE(counter.row(4).size(), std::size_t(24));
        for (int r = 1; r <= kCounterRows; ++r) {
            const auto xs = counter.positions(r, 370, 38);
            QCOMPARE(xs.size(), counter.row(r).size());
            for (int x : xs)
                QVERIFY(x >= 0 && x + 38 <= 370);
        }
        QCOMPARE(counter.positions(2, 370, 38)[1], 40);   // a full row keeps its spacing
    }
};

QTEST_GUILESS_MAIN(TestShop)
#include "test_shop.moc"
