// The memory game through its answer rule: the deal, turning a first card,
// the same card again, a wrong second card turned back, a pair taken, a
// taken card, and the twelfth card solving the problem.
#include "games/memory.h"
#include "support/generatorenv.h"
#include <QTest>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QStringList events;
    Host()
    {
        parent = TileParent::Screen;
        size = [](const QString &) { return QSize(170, 170); };
    }
    void beep() override { events << "beep"; }
    void pause(int ms) override { events << QString("pause %1").arg(ms); }
};

struct Game : test::GeneratorRun<MemoryGame, Host> {
    MemoryGame &game = gen;
    explicit Game(std::uint64_t seed) : GeneratorRun(408, 1, 1, seed) { build(true); }
    // What the common frame does with the verdict.
    bool turn(int t)
    {
        host.events.clear();
        const bool right = answer(t);
        // Every wrong turn is quiet, and no turn leaves the screen busy.
        QTest::qVerify(right || game.quietWrong(p, t), "quiet", "", __FILE__, __LINE__);
        QTest::qVerify(state.screenBusy == 0, "busy", "", __FILE__, __LINE__);
        return right;
    }
    int partner(int t) const
    {
        for (int u = 1; u <= kMemoryCards; ++u)
            if (u != t && value(u) == value(t))
                return u;
        return 0;
    }
    int stranger(int t) const
    {
        for (int u = 1; u <= kMemoryCards; ++u)
            if (value(u) != value(t) && game.side(u) != 0)
                return u;
        return 0;
    }
};

} // namespace

class TestMemory : public QObject {
    Q_OBJECT
private slots:
    void sixPairsOfOneSetLieFaceDown()
    {
        QSet<int> sets;
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            Game g(seed);
            const int set = g.game.set();
            sets.insert(set);
            QMap<int, QList<int>> sides;
            for (int t = 1; t <= kMemoryCards; ++t) {
                QVERIFY(g.value(t) >= 1 && g.value(t) <= memoryPairsOf(set));
                sides[g.value(t)] << g.game.side(t);
                QCOMPARE(g.p.tileInfo[t].name, MemoryGame::backStem(set));
            }
            QCOMPARE(sides.size(), 6);
            for (QList<int> s : sides) {
                std::sort(s.begin(), s.end());
                QCOMPARE(s, (QList<int>{1, 2}));
            }
            QCOMPARE(g.p.firstCard, kMemoryNoCard);
            QCOMPARE(g.p.answersNeeded, 12);
        }
        QCOMPARE(sets.size(), kMemorySets);
    }

    void turningTakingAndTurningBack()
    {
        for (std::uint64_t seed = 1; seed <= 50; ++seed) {
            Game g(seed);
            const int set = g.game.set();
            const int a = 1, b = g.partner(1), c = g.stranger(1);

            QVERIFY(g.turn(a));
            QCOMPARE(g.p.answersGiven, 1);
            QCOMPARE(g.p.tileInfo[a].name, MemoryGame::faceStem(set, g.value(a), g.game.side(a)));
            QVERIFY(!g.turn(a));                    // the same card again
            QCOMPARE(g.host.events, QStringList{"beep"});
            QCOMPARE(g.p.answersGiven, 1);
            QCOMPARE(g.p.firstCard, a);

            QVERIFY(!g.turn(c));                    // not its partner: both turn back
            QCOMPARE(g.host.events, (QStringList{"beep", "pause 1500"}));
            QCOMPARE(g.p.answersGiven, 0);
            QCOMPARE(g.p.tileInfo[a].name, MemoryGame::backStem(set));
            QCOMPARE(g.p.tileInfo[c].name, MemoryGame::backStem(set));

            QVERIFY(g.turn(c));                     // a new try may start with that card
            QVERIFY(!g.turn(a));
            QVERIFY(g.turn(b));
            QVERIFY(g.turn(a));                     // its partner: taken
            QCOMPARE(g.host.events, QStringList{"pause 1000"});
            QCOMPARE(g.p.answersGiven, 2);
            QCOMPARE(g.p.tileInfo[a].name, MemoryGame::takenStem());
            QCOMPARE(g.p.tileInfo[b].name, MemoryGame::takenStem());
            QVERIFY(!g.turn(a));                    // a taken card does nothing
            QVERIFY(g.host.events.isEmpty());
            QCOMPARE(g.p.answersGiven, 2);

            // The other pairs: the twelfth card completes the problem.
            for (int t = 1; t <= kMemoryCards; ++t) {
                if (g.game.side(t) == 0)
                    continue;
                const int u = g.partner(t);
                QVERIFY(g.turn(t));
                QVERIFY(g.turn(u));
            }
            QCOMPARE(g.p.answersGiven, g.p.answersNeeded);
            for (int t = 1; t <= kMemoryCards; ++t)
                QCOMPARE(g.p.tileInfo[t].name, MemoryGame::takenStem());
        }
    }
};

QTEST_GUILESS_MAIN(TestMemory)
#include "test_memory.moc"
