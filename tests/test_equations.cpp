// Equations with a gap (305, 306, 310), long equations and the number
// riddle (309, 405), and the add-or-take counter (301): the number rules
// over many seeds, the answer rules and what they draw.
#include "exercises/addortake.h"
#include "exercises/chains.h"
#include "exercises/gapequations.h"
#include "support/generatorenv.h"
#include <QTest>
#include <set>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QStringList placed, log;   // log: the order of spoken parts, shown and covered tiles
    int reprimands = 0;
    QSize pictureSize(const QString &name) override
    {
        // Numbers 64 wide, 96 from two digits on; signs 55, gaps 120.
        if (name.contains("okno"))
            return {120, 160};
        if (name.endsWith("d.jpg") && name.contains("cisl"))
            return {64 + 32 * int(name.section("cisl", 1).left(3).toInt() >= 10), 160};
        return {55, 160};
    }
    void layOutTiles() override
    {
        applyTileStems(*problem, LayOutTiles(*problem, task, TileParent::ChoicePanel, 744,
                                             [](int, const QString &) { return QSize(100, 100); }, *random));
    }
    void showTile(int i) override { log << QString("show%1").arg(i); }
    void placeDisplayBox(int k, const QString &picture, int left, int, bool) override
    {
        placed << QString("%1:%2@%3").arg(k).arg(picture).arg(left);
    }
    void reprimand() override { ++reprimands; }
    void playDirect(const QString &name, bool wait) override { log << name + (wait ? "" : "!nowait"); }
    void coverTile(int i) override { log << QString("cover%1").arg(i); }
};

template <class G>
struct Run : test::GeneratorRun<G, Host> {
    Run(int task, int level, int subtask, std::uint64_t seed, bool noZero = true)
        : test::GeneratorRun<G, Host>(task, level, subtask, seed, noZero)
    {
        this->build();
        this->p.markReady();
    }
};

// The distractor tiles: distinct, never the answer, within the level's range.
void checkTiles(const Problem &p, int level, int answer)
{
    std::set<int> seen;
    for (int i = 1; i <= p.tileCount; ++i) {
        const int v = p.tileValue[std::size_t(i)];
        QVERIFY2(seen.insert(v).second, "tile values repeat");
        if (i == p.targetTile)
            continue;
        QVERIFY(v != answer && v >= 1);
        if (level == 7) {
            QVERIFY2(std::abs(v - answer) <= 10 && v <= 100, qPrintable(QString("%1 for %2").arg(v).arg(answer)));
        } else if (level == 5) {
            QVERIFY(v % 10 == 0 && v <= 100);
        } else {
            QVERIFY(v <= equations::levelRange(level));
        }
    }
    QCOMPARE(p.tileValue[std::size_t(p.targetTile)], answer);
}

} // namespace

class TestEquations : public QObject {
    Q_OBJECT
private slots:
    void gapEquationsKeepTheLevelRules()
    {
        int highest[4] = {};   // the largest number seen at levels 1 to 3
        for (int task : {305, 306, 310})
            for (int level = 1; level <= 7; ++level)
                for (int subtask = 1; subtask <= (task == 305 ? 4 : task == 306 ? 2 : 1); ++subtask)
                    for (bool noZero : {true, false})
                        for (std::uint64_t seed = 1; seed <= 80; ++seed) {
                            Run<GapEquationGenerator> r(task, level, subtask, seed, noZero);
                            const GapEquation &e = r.gen.equation();
                            QCOMPARE(e.addition ? e.x + e.y : e.x - e.y, e.s);
                            if (noZero)
                                QVERIFY(e.x != 0 && e.y != 0 && e.s != 0);
                            QVERIFY(e.x >= 0 && e.y >= 0 && e.s >= 0);
                            const int big = e.addition ? e.s : e.x;
                            // Crossing ten: from below ten to above it, or back.
                            const bool crosses = e.addition ? std::max(e.x, e.y) < 10 && e.s > 10 : e.x > 10 && e.s < 10;
                            if (level <= 3)
                                highest[level] = std::max(highest[level], big);
                            if (level == 4 || level == 6)
                                QVERIFY(big >= 11 && big <= 20);
                            if (level == 4)
                                QVERIFY2(!crosses, qPrintable(QString("%1 %2 %3").arg(e.x).arg(e.y).arg(e.s)));
                            if (level == 6) {
                                const bool tenStep = (e.addition ? e.x : e.y) == 10;
                                QVERIFY2(crosses || tenStep, qPrintable(QString("%1 %2 %3").arg(e.x).arg(e.y).arg(e.s)));
                            }
                            if (level == 5)
                                QVERIFY(e.x % 10 == 0 && e.y % 10 == 0 && e.s % 10 == 0 && big <= 100);
                            if (task == 310) {
                                QCOMPARE(r.p.targetTile, e.addition ? 1 : 2);
                                QCOMPARE(r.value(3), e.s);
                                continue;
                            }
                            const int gap = task == 305 ? e.s : e.gapPosition == 1 ? e.x : e.y;
                            checkTiles(r.p, level, gap);
                            // The gap box shows the empty place, wide for 20 and more.
                            const QString gapPicture = gap > 19 ? "obr\\okno100.jpg" : "obr\\okno.jpg";
                            QCOMPARE(r.gen.display().picture[std::size_t(e.gapBox)], gapPicture);
                        }
        // The levels' captions: up to 3, 5 and 10, reached and never passed.
        QCOMPARE((QList<int>{highest[1], highest[2], highest[3]}), (QList<int>{3, 5, 10}));
    }

    void gapAnswersFillTheGap()
    {
        // 305 subtask 3 writes the result first: the answer fills box 1.
        Run<GapEquationGenerator> r(305, 3, 3, 7);
        QCOMPARE(r.gen.equation().gapBox, 1);
        r.host.placed.clear();
        const int wrong = r.p.targetTile == 1 ? 2 : 1;
        QVERIFY(!r.gen.judgeAnswer(r.p, wrong));
        QVERIFY(r.host.placed.isEmpty());
        QVERIFY(r.gen.judgeAnswer(r.p, r.p.targetTile));
        QCOMPARE(r.host.placed, QStringList{QString("1:%1d.jpg@10").arg(r.p.stem(r.p.targetTile))});

        // 306: the operand is centred in the gap, which is at least 135 wide.
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            Run<GapEquationGenerator> g(306, 3, 1, seed);
            const int box = g.gen.equation().gapBox;
            const int left = g.gen.display().left[std::size_t(box)];
            g.host.placed.clear();
            QVERIFY(g.gen.judgeAnswer(g.p, g.p.targetTile));
            QCOMPARE(g.host.placed.size(), 1);
            const int width = g.value(g.p.targetTile) >= 10 ? 96 : 64;
            QVERIFY(g.host.placed[0].endsWith(QString("@%1").arg(left + (135 - width) / 2)));
        }

        // 310 with a second operand of 0 takes either sign; otherwise one.
        int eitherSeen = 0;
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            Run<GapEquationGenerator> s(310, 1, 1, seed, false);
            const bool either = s.gen.equation().y == 0;
            eitherSeen += either;
            const int other = 3 - s.p.targetTile;
            QCOMPARE(s.gen.judgeAnswer(s.p, other), either);
            QVERIFY(s.gen.judgeAnswer(s.p, s.p.targetTile));
        }
        QVERIFY(eitherSeen > 0);
    }

    void chainsStayInRange()
    {
        for (int level = 1; level <= 7; ++level)
            for (int subtask : {1, 2})
                for (bool noZero : {true, false})
                    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
                        Random random(seed);
                        const Chain c = makeChain(random, level, subtask, !noZero);
                        const int sign = subtask == 1 ? 1 : -1;
                        const int step = c.a + sign * c.b;
                        QCOMPARE(step + sign * c.c, c.d);
                        const int top = level == 5 ? 100 : equations::levelRange(level);
                        for (int v : {c.a, c.b, c.c, c.d})
                            QVERIFY(v >= (noZero ? 1 : 0) && v <= top);
                        QVERIFY(step >= 0 && step <= top);
                        if (level == 5)
                            QVERIFY(c.a % 10 == 0 && c.b % 10 == 0 && c.c % 10 == 0);
                        if (level == 4) {
                            // The teen never leaves the teens: no crossing of ten.
                            const int teen = subtask == 1 ? c.a : c.d;
                            QVERIFY(teen >= 11 && step >= 11 && c.d >= 11 && c.a <= 20);
                        }
                    }
        Run<ChainGenerator> r(309, 7, 1, 3);
        checkTiles(r.p, 7, r.gen.chain().d);
        r.host.placed.clear();
        QVERIFY(r.gen.judgeAnswer(r.p, r.p.targetTile));
        QVERIFY(r.host.placed.value(0).startsWith(QString("7:obr\\201\\male\\cisl%1d.jpg").arg(r.gen.chain().d, 3, 10, QChar('0'))));
    }

    void riddleIsToldThenShown()
    {
        for (int subtask : {1, 2})
            for (std::uint64_t seed = 1; seed <= 200; ++seed) {
                Random random(seed);
                const Chain c = makeRiddle(random, subtask);
                const int x = c.plus1 ? c.a + c.b : c.a - c.b;
                QVERIFY(c.a >= 1 && c.a <= 10 && c.b >= 1 && c.c >= 1 && x >= 1 && x <= 9);
                QVERIFY(c.d >= 1 && c.d <= 9);
                if (subtask == 2)
                    QCOMPARE(c.plus2 ? x + c.c : x - c.c, c.d);
                else
                    QCOMPARE(c.d, x);
            }
        Run<ChainGenerator> r(405, 1, 2, 11);
        checkTiles(r.p, 3, r.gen.chain().a);
        QCOMPARE(r.host.sounds.size(), 1);
        QVERIFY(r.host.sounds[0].startsWith("Zvuky\\405\\uv405_1-"));
        QVERIFY(r.host.log.isEmpty());   // nothing shown before the riddle is told
        QVERIFY(r.gen.soundPlayed(r.host));
        const Chain &c = r.gen.chain();
        QStringList expected{QString("Zvuky\\405\\zv%1_1%2.wav").arg(c.b, 2, 10, QChar('0')).arg(int(c.plus1)),
                             QString("Zvuky\\405\\zv%1_2%2.wav").arg(c.c, 2, 10, QChar('0')).arg(int(c.plus2)),
                             QString("Zvuky\\405\\zv%1_31.wav").arg(c.d, 2, 10, QChar('0'))};
        for (int i = 1; i <= 6; ++i)
            expected << QString("show%1").arg(i);
        QCOMPARE(r.host.log, expected);
        QVERIFY(!r.gen.soundPlayed(r.host));   // told once per problem
        r.host.log.clear();
        QVERIFY(!r.gen.judgeAnswer(r.p, r.p.targetTile == 2 ? 3 : 2));
        QCOMPARE(r.host.log.size(), 5);
        QVERIFY(!r.host.log.contains(QString("cover%1").arg(r.p.targetTile == 2 ? 3 : 2)));
    }

    void counterStepsLimitsAndCheck()
    {
        for (int level = 1; level <= 3; ++level)
            for (bool noZero : {true, false})
                for (std::uint64_t seed = 1; seed <= 60; ++seed) {
                    Run<AddOrTakeGenerator> r(301, level, 1 + int(seed % 3), seed, noZero);
                    const int top = level == 1 ? 3 : level == 2 ? 5 : 10;
                    QVERIFY(r.gen.target() != r.gen.count());
                    for (int v : {r.gen.target(), r.gen.count()})
                        QVERIFY(v >= (noZero ? 1 : 0) && v <= top);
                }
        Run<AddOrTakeGenerator> r(301, 3, 3, 5);
        const int wanted = r.gen.target();
        QCOMPARE(r.p.targetTile, r.gen.count() < wanted ? 1 : 2);
        r.p.freshProblem = false;
        // Up to the top: each step redraws, the limit only reprimands.
        while (r.gen.count() < kCounterMax)
            QVERIFY(!r.gen.judgeAnswer(r.p, 1));
        QVERIFY(!r.gen.judgeAnswer(r.p, 1));
        QCOMPARE(r.gen.count(), kCounterMax);
        QCOMPARE(r.host.reprimands, 1);
        QCOMPARE(r.gen.patternRowPicture(PatternRow::Sign, r.p, false), QString("obr\\201\\cervene\\mensi.Jpg"));
        QCOMPARE(r.gen.patternRowPicture(PatternRow::Answer, r.p, false), QString("obr\\201\\cervene\\cisl010d.jpg"));
        QVERIFY(!r.gen.judgeAnswer(r.p, 3));   // the check while the count differs
        // Following the target tile reaches the wanted count and the check.
        int steps = 0;
        while (r.p.targetTile != 3 && steps++ < 20)
            QVERIFY(!r.gen.judgeAnswer(r.p, r.p.targetTile));
        QCOMPARE(r.gen.count(), wanted);
        QCOMPARE(r.p.tileValue[2], wanted);
        QVERIFY(r.gen.judgeAnswer(r.p, 3));
        QCOMPARE(r.gen.patternRowPicture(PatternRow::Sign, r.p, false), QString("obr\\201\\rovnase.jpg"));
        while (r.gen.count() > kCounterMin)
            r.gen.judgeAnswer(r.p, 2);
        r.gen.judgeAnswer(r.p, 2);
        QCOMPARE(r.gen.count(), kCounterMin);
        QCOMPARE(r.host.reprimands, 2);
    }
};

QTEST_GUILESS_MAIN(TestEquations)
#include "test_equations.moc"
