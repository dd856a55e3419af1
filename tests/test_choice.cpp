// The choice exercises 101, 102, 108, 111, 202 and 204: the order of the
// random draws, the value and picture rules over many seeds, the relation
// walks, the upper panel, the 204 answer rule with its display boxes, and
// the list of media a problem asks for.
#include "exercises/choice.h"
#include "support/generatorenv.h"
#include "media/numbertext.h"
#include <QRegularExpression>
#include <QTest>
#include <memory>
#include <set>

using namespace flumo;

namespace {

struct FakeHost : test::RecordingHost {
    int rowCalls = 0, shown = 0;
    QStringList asked; // every picture whose size was read
    unsigned rowBoxes = 0;
    bool rowHideOthers = false, rowArrange = false;
    QList<DisplayBoxPlan> placed; // index k - 1
    QList<bool> placedDrawn;

    FakeHost() { markWaits = true; }
    QSize pictureSize(const QString &name) override
    {
        asked << name;
        return name.endsWith(QLatin1String("n.Jpg")) ? QSize(230, 160) : QSize(120, 150);
    }
    void showTile(int) override { ++shown; }
    void drawPatternRow(unsigned boxes, bool hideOthers, bool arrange) override
    {
        ++rowCalls;
        rowBoxes = boxes, rowHideOthers = hideOthers, rowArrange = arrange;
    }
    void placeDisplayBox(int, const QString &picture, int left, int width, bool draw) override
    {
        placed << DisplayBoxPlan{picture, left, width};
        placedDrawn << draw;
    }
};

struct Run : test::GeneratorRun<ChoiceGenerator, FakeHost> {
    using GeneratorRun::GeneratorRun;
    QList<int> values() const { return QList<int>(p.tileValue.begin() + 1, p.tileValue.begin() + 1 + p.tileCount); }
    const ChoiceState &st() const { return gen.state(); }
};

std::unique_ptr<Run> build(int task, int level, int subtask, std::uint64_t seed, bool noZero = true)
{
    auto r = std::make_unique<Run>(task, level, subtask, seed, noZero);
    r->build();
    return r;
}

// The draws of a build replayed on their own.
struct Replay {
    Random r;
    std::set<int> used;
    explicit Replay(std::uint64_t seed) : r(seed) {}
    int distinct(int lo, int hi)
    {
        int v;
        do v = r.range(lo, hi);
        while (used.count(v));
        used.insert(v);
        return v;
    }
    QList<int> values(int n, int hi, int shift = 0)
    {
        QList<int> out;
        for (int i = 0; i < n; ++i)
            out << distinct(1, hi) - shift;
        return out;
    }
};

const QList<std::array<int, 3>> &allCases() // task, level, subtask
{
    static const QList<std::array<int, 3>> cases = [] {
        QList<std::array<int, 3>> c{{108, 1, 1}, {108, 1, 2}};
        for (int s = 1; s <= 4; ++s) c.append({101, 1, s});
        for (int l = 1; l <= 3; ++l) {
            c.append({102, l, 1}), c.append({111, l, 1});
            for (int s = 1; s <= 4; ++s) c.append({202, l, s});
            for (int s = 1; s <= 3; ++s) c.append({204, l, s});
        }
        return c;
    }();
    return cases;
}

QString cisl(int v, const char *suffix = "d.jpg") { return "obr\\201\\cisl" + NumberToText(v, 3) + suffix; }
QString poc(int kind, int v) { return "obr\\111\\poc" + NumberToText(kind, 2) + "_" + NumberToText(v, 2); }

} // namespace

class TestChoice : public QObject {
    Q_OBJECT
private slots:
    void drawOrder()
    {
        for (int seed = 1; seed <= 30; ++seed) {
            auto b = build(102, 2, 1, seed);
            Replay r2(seed);
            const int d = r2.r.range(1, 7);
            QCOMPARE(b->values(), r2.values(6, 11));
            int t;
            do t = r2.r.range(1, 6);
            while (b->value(t) == 1);
            QCOMPARE(b->p.targetTile, t);
            QCOMPARE(b->p.samplePicture, QStringLiteral("obr\\102\\vzor%1d.jpg").arg(d));

            // 111: values, target, relation, then TileCount + 1 distinct kinds.
            auto e = build(111, 3, 1, seed);
            Replay r4(seed);
            QCOMPARE(e->values(), r4.values(6, 10));
            r4.r.range(1, 6);
            QCOMPARE(e->st().relationMode, r4.r.range(1, 3));
            r4.used.clear();
            for (int i = 1; i <= 6; ++i)
                QCOMPARE(e->st().tileKind[std::size_t(i)], r4.distinct(1, 30));
            QCOMPARE(e->st().patternKind, r4.distinct(1, 30));

            // 202 quantities: kinds first, then values from 0..R-1 counting with zero.
            auto f = build(202, 2, 1, seed, false);
            Replay r5(seed);
            const QList<int> kinds = r5.values(4, 30);
            r5.used.clear();
            QCOMPARE(f->values(), r5.values(4, 6, 1));
            QCOMPARE(f->p.targetTile, r5.r.range(1, 4));
            QCOMPARE(f->p.stem(3), poc(kinds[2], f->value(3)));
        }
        // One seed, one problem, on every platform: 10, 9 and 7 lie above the
        // pattern 6, and the walk stops at the third of them.
        auto g = build(204, 3, 3, 7);
        QCOMPARE(g->values(), (QList<int>{4, 9, 1, 10, 7, 6}));
        QCOMPARE(g->p.targetTile, 5);
        QCOMPARE(g->st().referenceTile, 6);
        QCOMPARE(g->p.problemValue(), 6);
        QCOMPARE(g->host.sounds, QStringList{"Zvuky\\204\\zv3_06.wav"});
    }

    void rulesOverManySeeds()
    {
        std::set<int> counts108, zeroNames;
        for (const auto &[task, level, subtask] : allCases())
            for (bool noZero : {true, false})
                for (int seed = 1; seed <= 60; ++seed) {
                    auto r = build(task, level, subtask, seed, noZero);
                    const QByteArray at = QStringLiteral("%1 L%2 S%3 seed %4").arg(task).arg(level).arg(subtask).arg(seed).toUtf8();
                    // Values: distinct, within the range (counting with zero
                    // draws 0..R-1 of a range one larger), shown, Tile 1 selected.
                    const QList<int> v = r->values();
                    const std::set<int> vs(v.begin(), v.end());
                    QCOMPARE(int(vs.size()), r->p.tileCount);
                    const bool zero = !noZero && (task == 202 || task == 204);
                    const int hi = task == 101 ? 160 : task == 102 ? QList<int>{6, 11, 15}[level - 1]
                        : task == 108 ? (subtask == 1 ? 4 : 10) : QList<int>{3, 5, 10}[level - 1];
                    QVERIFY2(*vs.begin() >= (zero ? 0 : 1) && *vs.rbegin() <= hi, at);
                    QCOMPARE(r->p.selectedTile, 1);
                    QCOMPARE(r->host.shown, r->p.tileCount);
                    if (task == 102)
                        QVERIFY2(r->value(r->p.targetTile) != 1 && (level != 1 || vs == (std::set<int>{1, 2, 3, 4, 5, 6})), at);
                    if (task == 108)
                        QVERIFY2(subtask == 2 || vs == (std::set<int>{1, 2, 3, 4}), at);
                    if (task == 108 && subtask == 2)
                        counts108.insert(v.begin(), v.end());
                    // Pictures.
                    for (int i = 1; i <= r->p.tileCount; ++i) {
                        if (task == 204 || (task == 202 && subtask % 2 == 0)) {
                            QCOMPARE(r->p.stem(i), cisl(r->value(i), ""));
                            if (r->value(i) == 0)
                                zeroNames.insert(task);
                        }
                        if (task == 108 || task == 111 || task == 204)
                            QCOMPARE(r->st().valueToTile[std::size_t(r->value(i) + (zero ? 1 : 0))], i);
                    }
                    if (task == 111 || (task == 202 && subtask % 2 == 1)) {
                        const auto &k = r->st().tileKind;
                        const std::set<int> kinds(k.begin() + 1, k.begin() + 1 + r->p.tileCount);
                        QCOMPARE(int(kinds.size()), r->p.tileCount);
                        QVERIFY2(task != 111 || !kinds.count(r->st().patternKind), at);
                    }
                    if (task == 111)
                        QCOMPARE(r->p.samplePicture, poc(r->st().patternKind, r->value(r->st().referenceTile)) + "d.jpg");
                    if (task == 202 && subtask % 2 == 0) {
                        QVERIFY2(r->st().patternKind >= 1 && r->st().patternKind <= 17, at);
                        QCOMPARE(r->p.samplePicture, poc(r->st().patternKind, r->value(r->p.targetTile)) + "d.jpg");
                    }
                    // Relations: 108 asks for the largest or the smallest; 111
                    // and 204 for the n-th beyond the pattern (n = 1 but level
                    // in 204 subtask 3), the target the nearest of them.
                    const int mode = r->st().relationMode;
                    const int target = r->value(r->p.targetTile), ref = r->value(r->st().referenceTile);
                    if (task == 108 || task == 111 || task == 204) {
                        const bool twoWay = task == 108 || (task == 204 && subtask != 2);
                        QVERIFY2(mode == 1 || mode == 3 || (mode == 2 && !twoWay), at);
                        const int pivot = task == 108 ? target : ref;
                        int above = 0, below = 0;
                        for (int x : v)
                            above += x > pivot, below += x < pivot;
                        if (task == 204 && mode != 2)
                            QCOMPARE(r->p.problemValue(), ref);
                        if (task == 204 && subtask == 3)
                            QCOMPARE(r->p.answersNeeded, level);
                        if (task == 108 || mode == 2)
                            QCOMPARE(r->st().referenceTile, r->p.targetTile);
                        if (task == 108) {
                            QVERIFY2(mode == 1 ? above == 0 : below == 0, at);
                        } else if (mode != 2) {
                            QCOMPARE(mode == 1 ? above : below, task == 204 && subtask == 3 ? level : 1);
                            for (int x : v)
                                QVERIFY2(mode == 1 ? !(x > ref && x < target) : !(x < ref && x > target), at);
                        }
                    }
                    // The spoken task: one sound (none for 101).
                    if (task == 101) {
                        QVERIFY(r->host.sounds.isEmpty());
                        continue;
                    }
                    const QString m = QString::number(4 - mode);
                    const QString pattern = task == 102
                        ? NumberToText(target, 3) + (level == 3 && QList<int>{3, 4, 5, 10}.contains(target) ? "_2" : "")
                        : task == 108 ? QString::number(subtask == 1 ? mode : 4 - mode) + "_" + QString::number(subtask) + "-[1-6]"
                        : task == 111 ? m + "-[1-4]"
                        : task == 202 ? NumberToText(target, 2)
                                      : m + "_" + (subtask == 3 ? NumberToText(r->p.problemValue(), 2) : QString::number(subtask) + "-[1-4]");
                    const QRegularExpression re("^Zvuky\\\\" + QString::number(task) + "\\\\zv" + pattern + "\\.wav$");
                    QCOMPARE(r->host.sounds.size(), 1);
                    QVERIFY2(re.match(r->host.sounds[0]).hasMatch(), qPrintable(r->host.sounds[0] + " !~ " + re.pattern()));
                    QCOMPARE(r->st().taskSound, r->host.sounds[0]);
                }
        QCOMPARE(counts108, (std::set<int>{1, 2, 3, 5, 7, 10}));
        QCOMPARE(zeroNames, (std::set<int>{202, 204}));
        auto z = build(204, 1, 1, 1, false);
        QVERIFY(z->host.asked.contains(cisl(z->value(1), "n.Jpg")));
    }

    void upperPanel()
    {
        using PR = PatternRow;
        const struct { int task, subtask; unsigned row; bool fixedSign; } rows[] = {
            {101, 1, PR::Pattern | PR::Answer, true}, {102, 1, PR::Answer, true},
            {108, 2, 0, true},                        {202, 1, PR::Pattern | PR::Sign | PR::Answer, true},
            {202, 4, 0, true},                        {111, 1, PR::Pattern | PR::Sign | PR::Answer, false},
        };
        for (const auto &row : rows) {
            auto r = build(row.task, 2, row.subtask, 5);
            QCOMPARE(r->host.rowCalls, 1);
            QCOMPARE(r->host.rowBoxes, row.row);
            QVERIFY(r->host.rowHideOthers && r->host.rowArrange);
            QCOMPARE(r->gen.signPicture(), row.fixedSign ? QString("obr\\rovnase.Jpg") : relationSignPicture(r->st().relationMode));
            const AnswerBoxLook task = r->gen.answerBox(r->p, false), solved = r->gen.answerBox(r->p, true);
            const bool is102 = row.task == 102;
            QCOMPARE(task.picture, is102 ? r->p.samplePicture : QString("obr-pom\\prazdny_2.jpg"));
            QCOMPARE(solved.picture, is102 ? r->p.altPicturePrefix + "_" + NumberToText(r->value(r->p.targetTile), 2) + "d.jpg"
                                           : r->p.stem(r->p.targetTile) + "d.Jpg");
            QCOMPARE(solved.centred, row.row == PR::Answer || row.row == 0);
        }
        QCOMPARE(build(202, 1, 2, 3)->gen.answerBox(Problem{}, true).trailing, QString("obr\\prazdny6.jpg"));
        QCOMPARE(relationSignPicture(1) + relationSignPicture(3), QString("obr\\201\\mensi.Jpgobr\\201\\vetsi.Jpg"));

        // 204: the display boxes instead, placed as one centred group.
        auto s2 = build(204, 2, 2, 11);
        QCOMPARE(s2->host.rowCalls, 0);
        QCOMPARE(s2->host.placedDrawn, (QList<bool>{true, true, true}));
        const QList<int> lefts{s2->host.placed[0].left, s2->host.placed[1].left, s2->host.placed[2].left};
        QCOMPARE(lefts, (QList<int>{(744 - 120 - 75 - 216) / 2, 166 + 120, 166 + 195}));
        QCOMPARE(s2->host.placed[1].picture, relationSignPicture(s2->st().relationMode));
        QCOMPARE(s2->host.placed[2].picture, QString("obr-pom\\prazdny.jpg"));
        auto s1 = build(204, 3, 1, 11);
        QCOMPARE(s1->host.placedDrawn, QList<bool>{false});
        QCOMPARE(s1->host.placed[0].width, 75);
        QCOMPARE(build(204, 3, 3, 11)->host.placed.size(), 5);
    }

    void answers204()
    {
        for (int level = 1; level <= 3; ++level)
            for (int seed = 1; seed <= 40; ++seed) {
                auto r = build(204, level, 3, seed, seed % 2);
                const int pattern = r->p.problemValue(), mode = r->st().relationMode;
                QList<int> rightTiles;
                for (int i = 1; i <= r->p.tileCount; ++i) {
                    if (mode == 1 ? r->value(i) > pattern : r->value(i) < pattern)
                        rightTiles << i;
                    else
                        QVERIFY(!r->gen.judge(r->p, i).right);
                }
                QCOMPARE(rightTiles.size(), level);
                for (int i : rightTiles) {
                    const QString number = cisl(r->value(i));
                    const ChoiceVerdict v = r->gen.judge(r->p, i);
                    QVERIFY(v.right && !v.display.repaintOnly);
                    QCOMPARE(r->p.targetTile, i);
                    QCOMPARE(v.display.box, r->p.answersGiven + 3);
                    QCOMPARE(v.display.picture, number);
                    QCOMPARE(r->st().display[std::size_t(v.display.box)].picture, number);
                    ++r->p.answersGiven;
                    QCOMPARE(r->value(i), pattern);
                    QVERIFY(!r->gen.judge(r->p, i).right); // counted once only
                    const DisplayBoxPaint paint = displayBoxPaint({204, 3, v.display.box, QRect(0, 0, 216, 1), {90, 140}});
                    QCOMPARE(paint.box, QRect((v.display.box - 1) * 180 - 300, 0, 90, 140));
                }
            }
        // Subtasks 1 and 2: only the target is right; the number goes to box 1,
        // or repaints the empty box 3.
        for (int subtask : {1, 2}) {
            auto r = build(204, 2, subtask, 9);
            const int t = r->p.targetTile, v = r->value(t);
            for (int i = 1; i <= r->p.tileCount; ++i)
                if (i != t)
                    QVERIFY(!r->gen.judge(r->p, i).right);
            const ChoiceVerdict ok = r->gen.judge(r->p, t);
            QVERIFY(ok.right);
            QCOMPARE(ok.display.box, subtask == 1 ? 1 : 3);
            QCOMPARE(ok.display.repaintOnly, subtask == 2);
            QCOMPARE(ok.display.picture, cisl(v));
        }
    }

    void displayBoxPaintRules()
    {
        const QRect box(100, 7, 216, 1);
        // Task state: the box takes the picture's width; 204 subtask 1 centres it.
        QCOMPARE(displayBoxPaint({204, 2, 3, box, {90, 140}}).box, QRect(100, 7, 90, 140));
        QCOMPARE(displayBoxPaint({204, 1, 1, box, {90, 140}}).box, QRect((744 - 90) / 2, 7, 90, 140));
        // Solved: the box keeps its width and centres the picture, also a wider one.
        const DisplayBoxPaint narrow = displayBoxPaint({204, 2, 3, box, {90, 140}, true});
        QCOMPARE(narrow.box, QRect(100, 7, 216, 140));
        QCOMPARE(narrow.dx, 63);
        QCOMPARE(displayBoxPaint({201, 1, 1, box, {300, 140}}).dx, -42);
        const DisplayBoxPaint fixed = displayBoxPaint({311, 1, 2, box, {75, 50}});
        QCOMPARE(fixed.box.width(), 115);
        QCOMPARE(fixed.dx, 20);
        QCOMPARE(displayBoxPaint({306, 1, 2, box, {60, 50}, true, 200}).dx, 20);
        QCOMPARE(displayBoxPaint({306, 1, 2, box, {120, 50}, true, 200}).dx, -7);
    }

    void mediaNamesCoverWhatIsAsked()
    {
        for (const auto &[task, level, subtask] : allCases()) {
            auto r = build(task, level, subtask, 21, false);
            const QStringList names = r->gen.mediaNames(r->p);
            QCOMPARE(int(std::set<QString>(names.begin(), names.end()).size()), names.size());
            QVERIFY(!names.contains(QString()));
            // What the build asked for, and the looks the screen will ask for.
            const unsigned row = r->host.rowBoxes;
            QStringList expected = r->host.asked + r->host.sounds;
            for (int i = 1; i <= r->p.tileCount; ++i)
                expected << r->p.stem(i) + "k.Jpg";
            for (int k = 0; k < r->host.placed.size(); ++k)
                if (r->host.placedDrawn[k])
                    expected << r->host.placed[k].picture;
            if (row & PatternRow::Sign)
                expected << r->gen.signPicture();
            if (row)
                expected << r->gen.answerBox(r->p, false).picture << r->gen.answerBox(r->p, true).picture;
            for (const QString &e : expected)
                QVERIFY2(names.contains(e), qPrintable(e + " missing in " + QString::number(task)));
            QCOMPARE(names.contains(r->p.samplePicture), (row & PatternRow::Pattern) || (task == 204 && subtask != 1) || task == 102);
        }
    }
};

QTEST_GUILESS_MAIN(TestChoice)
#include "test_choice.moc"
