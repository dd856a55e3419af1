// The addition domino played through its answer rule over many seeds: what
// is accepted, where and how each stone is laid, that the ring always closes
// on the starting stone and that every draw loop ends.
#include "games/domino.h"
#include "support/generatorenv.h"
#include <QRegularExpression>
#include <QTest>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QStringList uiSounds;
    QList<int> drawnPlaces;
    Host()
    {
        parent = TileParent::Screen;
        size = [](const QString &) { return QSize(160, 80); };
    }
    void playDirect(const QString &name, bool wait) override { uiSounds << name + (wait ? "!wait" : ""); }
    void drawBox(GameBox box, int n) override
    {
        if (box == GameBox::Back)
            drawnPlaces << n;
    }
};

struct Game : test::GeneratorRun<DominoGame, Host> {
    DominoGame &game = gen;
    Game(std::uint64_t seed, int subtask) : GeneratorRun(407, 1, subtask, seed) { build(true); }
    int first(int t) const { return value(t); }
    int second(int t) const { return game.state().second[static_cast<std::size_t>(t)]; }
};

// "obr\407\domN_a_b_o" -> {a, b, o}
std::array<int, 3> stoneOf(const QString &stem)
{
    static const QRegularExpression re(QStringLiteral(R"(dom\d_(\d)_(\d)_(\d)$)"));
    const auto m = re.match(stem);
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
}

} // namespace

class TestDomino : public QObject {
    Q_OBJECT
private slots:
    void aProblemStartsWithTheStartingStoneAndASumOfTheHand()
    {
        Game g(7, 2);
        QCOMPARE(g.p.answersNeeded, 14);
        QCOMPARE(g.p.selectedTile, 1);
        QCOMPARE(g.p.tilePicturePrefix, QStringLiteral("obr\\407\\dom2_"));
        QCOMPARE(g.host.drawnPlaces, QList<int>{1});
        const auto start = stoneOf(g.game.state().chain[0]);
        QCOMPARE(start[0], g.p.problemValue());
        QCOMPARE(start[1], g.game.state().openEnd);
        const int t = g.p.targetTile;
        QVERIFY(g.game.playable(g.p, t, 0));
        QCOMPARE(g.game.state().targetSum, g.first(t) + g.second(t));
        QCOMPARE(g.host.sounds.last(), QStringLiteral("Zvuky\\407\\zv%1.wav").arg(g.game.state().targetSum, 2, 10, QChar('0')));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(g.p.tileInfo[i].name, QStringLiteral("obr\\407\\dom2_%1_%2_1").arg(g.first(i)).arg(g.second(i)));
    }

    // Every tile is tried in random order: each verdict must follow the
    // rule, each laid stone the orientation of its place; the fourteenth
    // closes the ring; no draw loop runs away.
    void everyGameFollowsTheRulesAndClosesTheRing()
    {
        int rejectedWrongSum = 0, rejectedNoMatch = 0, releases = 0;
        for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
            Game g(seed, int(seed % 2) + 1);
            const int f0 = g.p.problemValue();
            Random pick(seed * 31);
            int guard = 0;
            while (g.p.answersGiven < 14) {
                QVERIFY2(++guard < 500, "the game does not progress");
                const int t = pick.range(1, 4);
                const int a = g.first(t), b = g.second(t), open = g.game.state().openEnd;
                const bool fits = (a == open || b == open) && a + b == g.game.state().targetSum;
                const int place = g.p.answersGiven + 2;
                const bool right = g.answer(t);
                QCOMPARE(right, fits);
                if (!right) {
                    rejectedWrongSum += (a == open || b == open) ? 1 : 0;
                    rejectedNoMatch += (a != open && b != open && a + b == g.game.state().targetSum) ? 1 : 0;
                    continue;
                }
                const auto [first, second, orientation] = stoneOf(g.game.state().chain[static_cast<std::size_t>(place - 1)]);
                QCOMPARE(first + second, a + b);
                const bool matchingFirst = (place >= 2 && place <= 7) || place == 12;
                QCOMPARE(matchingFirst ? first : second, open);
                QCOMPARE(g.game.state().openEnd, matchingFirst ? second : first);
                const bool vertical = place == 6 || place == 7 || place == 9 || place == 12 || place == 14 || place == 15;
                QCOMPARE(orientation, vertical ? 2 : 1);
                QCOMPARE(g.host.drawnPlaces.last(), place);
                if (g.p.answersGiven < 14) {
                    // The new sum can always be laid, and the hand holds no stone twice.
                    QVERIFY(g.game.playable(g.p, g.p.targetTile, g.p.answersGiven));
                    QSet<QPair<int, int>> hand;
                    for (int i = 1; i <= 4; ++i)
                        hand.insert({std::min(g.first(i), g.second(i)), std::max(g.first(i), g.second(i))});
                    QVERIFY2(hand.size() == 4, qPrintable(QString("seed %1 given %2 hand %3_%4 %5_%6 %7_%8 %9_%10").arg(seed).arg(g.p.answersGiven).arg(g.first(1)).arg(g.second(1)).arg(g.first(2)).arg(g.second(2)).arg(g.first(3)).arg(g.second(3)).arg(g.first(4)).arg(g.second(4))));
                }
            }
            QCOMPARE(g.game.state().openEnd, f0);
            QCOMPARE(g.host.uiSounds.last(), QStringLiteral("zvuky\\poloz.wav!wait"));
            QCOMPARE(g.host.uiSounds.size(), 14);
            QVERIFY(g.game.state().draws < 15 * DominoGame::kMaxDraws);
            releases += g.game.state().releases;
        }
        QVERIFY(releases > 0);   // the redraws did run out of free pairs, and went on
        QVERIFY(rejectedWrongSum > 100);
        QVERIFY(rejectedNoMatch > 10);
    }
};

QTEST_GUILESS_MAIN(TestDomino)
#include "test_domino.moc"
