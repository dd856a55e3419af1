// Pictures and equations (302, 303, 304, 307) and the wrong and right
// examples (308) over many seeds: ranges and zeros, no repeated or mirrored
// pair, 307's right tiles and answer rule, 303's result box, 308's right
// and wrong tiles in both modes.
#include "exercises/equationpictures.h"
#include "exercises/examples.h"
#include "support/generatorenv.h"
#include <QRegularExpression>
#include <QTest>
#include <set>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QMap<int, QPair<QString, int>> boxes;   // k -> picture, left
    Host()
    {
        size = [](const QString &name) { return name.contains(QLatin1String("prazdny")) ? QSize(216, 160) : QSize(200, 160); };
    }
    void placeDisplayBox(int k, const QString &picture, int left, int, bool draw) override
    {
        if (draw)
            boxes[k] = {picture, left};
    }
};

template <class Gen>
struct Run : test::GeneratorRun<Gen, Host> {
    Run(int task, int level, int subtask, std::uint64_t seed, bool noZero)
        : test::GeneratorRun<Gen, Host>(task, level, subtask, seed, noZero)
    {
        this->build();
    }
};

int rangeOf(int level) { return level == 1 ? 3 : level == 2 ? 5 : 10; }

// Every number written in a name after the prefix.
QList<int> numbersIn(const QString &name)
{
    QList<int> out;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    auto it = digits.globalMatch(name.section(u'\\', -1));
    while (it.hasNext())
        out << it.next().captured().toInt();
    return out;
}

} // namespace

class TestEquationPictures : public QObject {
    Q_OBJECT
private slots:
    void triplesKeepTheirRules()
    {
        int zeroSeen = 0;
        for (int task : {302, 303, 304, 307})
            for (int level = 1; level <= 3; ++level)
                for (int subtask = 1; subtask <= (task == 302 || task == 304 ? 4 : 2); ++subtask)
                    for (bool noZero : {true, false})
                        for (std::uint64_t seed = 1; seed <= 150; ++seed) {
                            Run<EquationPictureGenerator> r(task, level, subtask, seed, noZero);
                            const auto &st = r.gen.state();
                            const int n = r.p.tileCount;
                            const int R = rangeOf(level);
                            const bool sum = subtask == 1 || subtask == 3;
                            QCOMPARE(n, std::min(2 * level, 6));
                            if ((task == 302 || task == 304) && !sum)
                                QVERIFY(st.kind >= 1 && st.kind <= 6);
                            for (int i = 1; i <= n; ++i) {
                                const Triple t = st.triple[std::size_t(i)];
                                if (!(task == 303 && i == r.p.targetTile))   // 303 may turn its target round
                                    QCOMPARE(r.p.tileValue[std::size_t(i)], t.a);
                                QVERIFY(sum ? t.a == t.b + t.c : t.a == t.b - t.c);
                                QVERIFY(t.a >= 0 && t.b >= 0 && t.c >= 0 && std::max({t.a, t.b, t.c}) <= R);
                                if (noZero) {
                                    QVERIFY2(t.a && t.b && t.c, qPrintable(QStringLiteral("zero in %1").arg(task)));
                                    for (int v : numbersIn(r.p.stem(i)))
                                        QVERIFY(v != 0);
                                } else {
                                    zeroSeen += !t.b || !t.c;
                                }
                                for (int j = 1; j < i; ++j) {
                                    const Triple e = st.triple[std::size_t(j)];
                                    QVERIFY(!(t == e));
                                    if (task != 307)
                                        QVERIFY(!(Triple{t.a, t.c, t.b} == e) && !(Triple{t.c, t.b, t.a} == e));
                                }
                            }
                            if (task == 307) {
                                int right = 0;
                                for (int i = 1; i <= n; ++i) {
                                    const bool isRight = st.rightTile[std::size_t(i)];
                                    right += isRight;
                                    QCOMPARE(st.triple[std::size_t(i)].a == st.resultValue, isRight);
                                }
                                QCOMPARE(right, r.p.answersNeeded);
                                QVERIFY(r.p.answersNeeded >= 1 && r.p.answersNeeded <= std::min(level + 1, 3));
                                QVERIFY(st.rightTile[std::size_t(r.p.targetTile)]);
                            }
                        }
        QVERIFY(zeroSeen > 0);
    }

    void singleQuantitiesOf303()
    {
        bool askedZero = false;
        for (bool noZero : {true, false})
            for (int level = 1; level <= 3; ++level)
                for (std::uint64_t seed = 1; seed <= 300; ++seed) {
                    Run<EquationPictureGenerator> r(303, level, 2, seed, noZero);
                    const Triple t = r.gen.state().triple[std::size_t(r.p.targetTile)];
                    std::set<int> shown;
                    for (int i = 1; i <= r.p.tileCount; ++i) {
                        const QList<int> nums = numbersIn(r.p.stem(i));   // kind, count, 1
                        QCOMPARE(nums.size(), 3);
                        QVERIFY(shown.insert(nums[1]).second);
                        QVERIFY(!noZero || nums[1] != 0);
                        if (i == r.p.targetTile)
                            QCOMPARE(nums[1], t.c);
                    }
                    // The display reads b - a = c: the cut picture, then a objects.
                    QCOMPARE(t.b - t.a, t.c);
                    QVERIFY(r.gen.state().display[3].contains(QStringLiteral("_%1_2d").arg(t.a, 2, 10, QChar('0'))));
                    askedZero = askedZero || t.c == 0;
                    // A right answer puts the result into the empty box.
                    QVERIFY(!r.gen.judgeAnswer(r.p, r.p.targetTile % r.p.tileCount + 1));
                    QVERIFY(r.gen.judgeAnswer(r.p, r.p.targetTile));
                    QCOMPARE(r.host.boxes[5].first, r.p.stem(r.p.targetTile) + "d.jpg");
                }
        QVERIFY(askedZero);
    }

    void findEveryExpressionOf307()
    {
        for (int subtask = 1; subtask <= 2; ++subtask)
            for (std::uint64_t seed = 1; seed <= 100; ++seed) {
                Run<EquationPictureGenerator> r(307, 3, subtask, seed, seed % 2);
                Problem &p = r.p;
                const int result = r.gen.state().resultValue;
                int lastLeft = 0;
                for (int i = 1; i <= p.tileCount; ++i)
                    if (p.tileValue[std::size_t(i)] != result)
                        QVERIFY(!r.gen.judgeAnswer(p, i));
                while (p.answersGiven < p.answersNeeded) {
                    const int t = p.targetTile;
                    QCOMPARE(p.tileValue[std::size_t(t)], result);
                    QVERIFY(r.gen.judgeAnswer(p, t));
                    QVERIFY(!r.gen.judgeAnswer(p, t));   // found once only
                    ++p.answersGiven;
                    const auto box = r.host.boxes.value(p.answersGiven);
                    QCOMPARE(box.first, p.stem(t) + "d.jpg");
                    QCOMPARE(box.second, p.answersGiven == 1 ? 10 : lastLeft + 200 + 10);
                    lastLeft = box.second;
                }
                for (int i = 1; i <= p.tileCount; ++i)
                    QVERIFY(p.tileValue[std::size_t(i)] != result);
            }
    }

    void wrongExamplesInBothModes()
    {
        std::set<int> modes;
        for (int subtask = 1; subtask <= 2; ++subtask)
            for (int level = 1; level <= 3; ++level)
                for (bool noZero : {true, false})
                    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
                        Run<WrongExampleGenerator> r(308, level, subtask, seed, noZero);
                        const auto &st = r.gen.state();
                        modes.insert(st.mode);
                        QCOMPARE(r.p.tileCount, 2 * level);
                        std::set<QString> stems;
                        for (int i = 1; i <= r.p.tileCount; ++i) {
                            const ExampleTile &t = st.tiles[std::size_t(i)];
                            const bool target = i == r.p.targetTile;
                            QCOMPARE(t.right, target == (st.mode == 1));
                            QVERIFY(stems.insert(r.p.stem(i)).second);   // no repeats
                            if (t.right) {
                                QCOMPARE(t.s, subtask == 1 ? t.x + t.y : t.x - t.y);
                                QVERIFY(t.x <= rangeOf(level) && t.s <= rangeOf(level));
                                QVERIFY(!noZero || (t.s && t.x && t.y));
                                QVERIFY(r.p.stem(i).startsWith(subtask == 1 ? "obr\\304\\rov" : "obr\\rovnice2\\rov"));
                            } else {
                                const int last = level == 1 ? 16 : level == 2 ? 24 : 38;
                                const int zeroLast = level == 1 ? 3 : level == 2 ? 6 : 9;
                                QVERIFY(t.n <= last && (t.n >= 10 || (!noZero && t.n <= zeroLast)));
                                QVERIFY(r.p.stem(i).startsWith(subtask == 1 ? "obr\\308\\ner" : "obr\\nerovnice2\\ner"));
                            }
                        }
                        QVERIFY(r.gen.judgeAnswer(r.p, r.p.targetTile));
                        QVERIFY(!r.gen.judgeAnswer(r.p, r.p.targetTile % r.p.tileCount + 1));
                        QCOMPARE(r.gen.verdictSign(), st.mode == 1 ? "obr\\201\\rovnase.jpg" : "obr\\201\\nerovna.jpg");
                    }
        QCOMPARE(modes.size(), std::size_t(2));
        // The shift keeps every level inside its pictures and uses all of them.
        for (int level = 1; level <= 3; ++level) {
            std::set<int> all;
            for (int d = 1; d <= wrongCountOf(level, false); ++d)
                all.insert(wrongPictureNumber(d, level, false));
            QCOMPARE(int(all.size()), wrongCountOf(level, false));
            QCOMPARE(*all.rbegin(), level == 1 ? 16 : level == 2 ? 24 : 38);
        }
    }
};

QTEST_GUILESS_MAIN(TestEquationPictures)
#include "test_equationpictures.moc"
