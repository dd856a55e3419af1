// The size row (109), the odd picture (110) and the rows with a gap (112,
// 208, 311): the targets in order, the variants and set ranges, the row
// rules and their distractors, and the window a right answer fills.
#include "exercises/rows.h"
#include "exercises/sizerow.h"
#include "media/numbertext.h"
#include "support/generatorenv.h"
#include <QTest>
#include <memory>
#include <set>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    struct Box { int k; QString picture; int left, width; };
    QList<Box> boxes;

    // Widths differ by name, so a row placed from the wrong widths shows.
    Host() { size = [](const QString &name) { return QSize(60 + name.size(), 110); }; }
    void placeDisplayBox(int k, const QString &picture, int left, int width, bool) override
    {
        boxes.append({k, picture, left, width});
    }
};

template <class G>
std::unique_ptr<test::GeneratorRun<G, Host>> build(int task, int level, int subtask, std::uint64_t seed, bool noZero = true)
{
    auto r = std::make_unique<test::GeneratorRun<G, Host>>(task, level, subtask, seed, noZero);
    r->build();
    return r;
}

} // namespace

class TestRows : public QObject {
    Q_OBJECT
private slots:
    void sizeRowIsFoundInOrder()
    {
        QSet<QString> seen;
        for (int subtask = 1; subtask <= 2; ++subtask)
            for (std::uint64_t seed = 1; seed <= 200; ++seed) {
                const auto r = build<SizeRowGenerator>(109, 1, subtask, seed);
                Problem &p = r->p;
                const bool up = r->gen.ascending();
                QVERIFY(r->gen.pictureSet() >= 1 && r->gen.pictureSet() <= (subtask == 1 ? 69 : 30));
                // The recordings number the same order oppositely in the two subtasks.
                const char m = (up == (subtask == 1)) ? '3' : '1';
                QVERIFY(r->host.sounds.value(0).startsWith(QString("Zvuky\\109\\zv%1_%2-").arg(QChar(m)).arg(subtask)));
                seen.insert(QString("%1%2").arg(subtask).arg(up));
                int left = 10;
                for (int k = 1; k <= 4; ++k) {
                    const int want = up ? k : 5 - k;
                    QCOMPARE(r->value(p.targetTile), want);
                    // Any other picture, also a later one of the order, is wrong.
                    for (int i = 1; i <= 4; ++i)
                        if (i != p.targetTile)
                            QVERIFY(!r->gen.judgeAnswer(p, i));
                    QVERIFY(r->gen.judgeAnswer(p, p.targetTile));
                    ++p.answersGiven;
                    const Host::Box &box = r->host.boxes.last();
                    QCOMPARE(box.k, k);
                    QCOMPARE(box.left, left);
                    QCOMPARE(box.picture, p.altPicturePrefix + QString::number(want) + "d.jpg");
                    left += box.width;
                }
                QCOMPARE(r->host.boxes.size(), 4);
            }
        QCOMPARE(seen.size(), 4);
    }

    void oddPictureHasOneOtherVariant()
    {
        for (int level = 1; level <= 5; ++level) {
            std::set<int> sets;
            for (std::uint64_t seed = 1; seed <= 400; ++seed) {
                const auto r = build<OddPictureGenerator>(110, level, 1, seed);
                const Problem &p = r->p;
                sets.insert(p.problemValue());
                const QString set = "obr\\110\\obr" + NumberToText(p.problemValue(), 2) + "_";
                for (int i = 1; i <= 5; ++i) {
                    const int other = r->value(p.targetTile);
                    QCOMPARE(r->value(i) == other, i == p.targetTile);
                    QCOMPARE(p.stem(i), set + QString::number(r->value(i)));
                }
            }
            QCOMPARE(*sets.begin(), 1);
            QCOMPARE(*sets.rbegin(), oddPictureSets(level));
        }
    }

    void patternGapNeedsItsElement()
    {
        for (int level = 1; level <= 3; ++level)
            for (int subtask = 1; subtask <= 2; ++subtask)
                for (std::uint64_t seed = 1; seed <= 150; ++seed) {
                    const auto r = build<RowGenerator>(112, level, subtask, seed);
                    Problem &p = r->p;
                    const int gap = r->gen.gapIndex();
                    if (subtask == 1)
                        QCOMPARE(gap, 6);
                    std::set<int> values, elements;
                    for (int i = 1; i <= 6; ++i)
                        values.insert(r->value(i)), elements.insert(r->gen.element(i));
                    QCOMPARE(int(values.size()), 6);
                    QCOMPARE(int(elements.size()), 6);
                    const int set = (*values.begin() - 1) / 6;
                    QVERIFY(set < (level == 1 ? 6 : level == 2 ? 10 : 15));
                    QCOMPARE(*values.rbegin(), set * 6 + 6);
                    QCOMPARE(p.targetTile, r->gen.element(r->gen.row(gap)));
                    for (int k = 1; k <= 6; ++k) {
                        const int tile = r->gen.element(r->gen.row(k));
                        const QString want = k == gap ? "obr\\okno2.jpg" : p.stem(tile) + "d.jpg";
                        QCOMPARE(r->gen.displayPicture(k), want);
                        QCOMPARE(r->host.boxes[k - 1].left, (k - 1) * 115 + 10);
                    }
                    QVERIFY(!r->gen.judgeAnswer(p, p.targetTile % 6 + 1));
                    QVERIFY(r->gen.judgeAnswer(p, p.targetTile));
                    QCOMPARE(r->host.boxes.last().k, gap);
                    QCOMPARE(r->host.boxes.last().picture, p.stem(p.targetTile) + "d.jpg");
                    QCOMPARE(r->host.boxes.last().left, (gap - 1) * 115 + 10);
                }
    }

    void runsAreConsecutiveWithAndWithoutZero()
    {
        for (bool noZero : {true, false})
            for (int level = 1; level <= 3; ++level)
                for (int subtask = 1; subtask <= 2; ++subtask) {
                    std::set<QList<int>> rows;
                    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
                        const auto r = build<RowGenerator>(208, level, subtask, seed, noZero);
                        Problem &p = r->p;
                        const int length = r->gen.length();
                        QCOMPARE(length, level == 1 ? 3 : level == 2 ? 4 : 6);
                        QList<int> row;
                        for (int k = 1; k <= length; ++k)
                            row << r->gen.row(k);
                        rows.insert(row);
                        const int step = row[1] - row[0];
                        QVERIFY(step == 1 || step == -1);
                        for (int k = 1; k < length; ++k)
                            QCOMPARE(row[k] - row[k - 1], step);
                        const int low = std::min(row.first(), row.last()), high = std::max(row.first(), row.last());
                        QVERIFY(low >= (noZero ? 1 : 0) && high <= 10);
                        // The tiles are distinct numbers of the row, one of them the missing one.
                        std::set<int> shown;
                        for (int i = 1; i <= p.tileCount; ++i) {
                            QVERIFY(row.contains(r->value(i)));
                            shown.insert(r->value(i));
                        }
                        QCOMPARE(int(shown.size()), p.tileCount);
                        const int answer = r->gen.row(r->gen.gapIndex());
                        QCOMPARE(r->value(p.targetTile), answer);
                        QCOMPARE(r->gen.displayPicture(r->gen.gapIndex()),
                                 QString(answer == 10 ? "obr\\okno.jpg" : "obr\\okno6.jpg"));
                        // The numbers stand 23 pixels apart.
                        for (int k = 2; k <= length; ++k)
                            QCOMPARE(r->host.boxes[k - 1].left, r->host.boxes[k - 2].left + r->host.boxes[k - 2].width + 23);
                        QVERIFY(r->gen.judgeAnswer(p, p.targetTile));
                        QCOMPARE(r->host.boxes.last().picture, p.stem(p.targetTile) + "d.jpg");
                    }
                    if (level == 1) {
                        std::set<QList<int>> want{{1, 2, 3}, {3, 2, 1}};
                        if (!noZero)
                            want.insert({0, 1, 2}), want.insert({2, 1, 0});
                        QCOMPARE(rows, want);
                    }
                }
    }

    void progressionDistractorsStayNearTheAnswer()
    {
        for (int level = 1; level <= 3; ++level) {
            const int range = level == 1 ? 3 : level == 2 ? 5 : 10;
            int highest = 0;
            for (int subtask = 1; subtask <= 2; ++subtask)
                for (std::uint64_t seed = 1; seed <= 300; ++seed) {
                    const auto r = build<RowGenerator>(311, level, subtask, seed + 1000 * subtask);
                    Problem &p = r->p;
                    const int gap = r->gen.gapIndex();
                    const int a = r->gen.row(1), d = r->gen.row(2) - a;
                    QVERIFY(a >= 1 && a <= range && d >= 1 && d <= range);
                    for (int k = 1; k <= 6; ++k)
                        QCOMPARE(r->gen.row(k), a + (k - 1) * d);
                    highest = std::max(highest, r->gen.row(6));
                    const int answer = r->gen.row(gap);
                    QCOMPARE(r->value(p.targetTile), answer);
                    std::set<int> shown;
                    for (int i = 1; i <= p.tileCount; ++i) {
                        const int v = r->value(i);
                        shown.insert(v);
                        if (i == p.targetTile)
                            continue;
                        QVERIFY2(v >= 1 && v != answer && v > answer - range && v <= answer + range,
                                 qPrintable(QString("level %1 seed %2: %3 for %4").arg(level).arg(seed).arg(v).arg(answer)));
                        QVERIFY(v != r->gen.row(gap - 1) && v != r->gen.row(gap + 1));
                    }
                    QCOMPARE(int(shown.size()), p.tileCount);
                    QVERIFY(r->gen.judgeAnswer(p, p.targetTile));
                    QCOMPARE(r->host.boxes.last().picture, "obr\\201\\male\\cisl" + NumberToText(answer, 3) + "d.Jpg");
                }
            QCOMPARE(highest, 6 * range);
        }
    }
};

QTEST_GUILESS_MAIN(TestRows)
#include "test_rows.moc"
