// Ordinal numbers (203) and decomposition (206, 207) over many seeds: the
// positions asked per level, the splits and kinds of a problem, the missing
// part with its distractors, with and without zero, and the names shown.
#include "exercises/decomposition.h"
#include "exercises/ordinal.h"
#include "support/generatorenv.h"
#include <QRegularExpression>
#include <QTest>
#include <memory>
#include <set>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    unsigned row = 0;
    QString display[3];

    Host() { size = [](const QString &) { return QSize(60, 90); }; }
    void drawPatternRow(unsigned boxes, bool, bool) override { row = boxes; }
    void setDisplayPicture(int k, const QString &picture) override
    {
        if (k >= 1 && k <= 2)
            display[k] = picture;
    }
};

struct Run : test::GeneratorRun<std::unique_ptr<Generator>, Host> {
    using GeneratorRun::GeneratorRun;
    QString stem(int i) const { return p.stem(i); }
};

std::unique_ptr<Run> build(int task, int level, int subtask, std::uint64_t seed, bool noZero = true)
{
    auto r = std::make_unique<Run>(task, level, subtask, seed, noZero);
    r->build();
    return r;
}

QString pad(int v, int w) { return QString::number(v).rightJustified(w, u'0'); }

Split splitOf(const QString &stem)
{
    static const QRegularExpression re(QStringLiteral(R"((\d\d)_(\d\d)_(\d\d))"));
    const auto m = re.match(stem);
    return m.hasMatch() ? Split{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()} : Split{-1, -1, -1};
}

} // namespace

class TestOrdinalDecomposition : public QObject {
    Q_OBJECT
private slots:
    void ordinalPositionsPerLevel()
    {
        for (int level = 1; level <= 3; ++level) {
            std::set<int> targets;
            for (std::uint64_t seed = 1; seed <= 120; ++seed) {
                const auto r = build(203, level, 1, seed);
                const auto *gen = static_cast<const OrdinalGenerator *>(r->gen.get());
                const int n = r->p.tileCount;
                QCOMPARE(n, level == 1 ? 3 : level == 2 ? 5 : 10);
                std::set<int> values;
                for (int i = 1; i <= n; ++i) {
                    values.insert(r->value(i));
                    QCOMPARE(r->stem(i), QStringLiteral("obr\\203\\obr") + pad(gen->pictureSet(), 2) + u'_' + pad(r->value(i), 2));
                }
                QCOMPARE(int(values.size()), n);
                QVERIFY(*values.begin() == 1 && *values.rbegin() == n);
                const int t = r->p.targetTile;
                targets.insert(t);
                const int m = level == 3 ? t : t == 1 ? 1 : t == n ? 99 : 33;
                QCOMPARE(r->host.sounds, QStringList{QStringLiteral("Zvuky\\203\\zv%1_%2.wav").arg(pad(m, 2)).arg(gen->pictureSet())});
                // Only level 3 shows the written ordinal, alone in the row.
                QCOMPARE(r->host.row, level == 3 ? unsigned(PatternRow::Answer) : 0u);
                QVERIFY(gen->pictureSet() >= 1 && gen->pictureSet() <= kOrdinalSets);
            }
            const std::set<int> want = level == 1 ? std::set<int>{1, 2, 3}
                : level == 2                     ? std::set<int>{1, 3, 5}
                                                 : std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
            QCOMPARE(targets, want);
        }
    }

    void decompositionSplitsAndKindsDiffer()
    {
        bool emptyPart = false;
        for (int subtask = 1; subtask <= 2; ++subtask)
            for (int level = 1; level <= 3; ++level)
                for (bool noZero : {true, false})
                    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
                        const auto r = build(206, level, subtask, seed, noZero);
                        const auto *gen = static_cast<const DecompositionGenerator *>(r->gen.get());
                        const int n = r->p.tileCount;
                        QCOMPARE(n, std::min(2 * level, 6));
                        std::set<int> kinds;
                        for (int i = 1; i <= n; ++i) {
                            const Split s = gen->split(i);
                            QCOMPARE(splitOf(r->stem(i)), s);
                            QCOMPARE(s.first + s.second, s.whole);
                            QVERIFY(s.whole >= 1 && s.whole <= (level == 1 ? 3 : level == 2 ? 5 : 10));
                            if (noZero)
                                QVERIFY(s.first > 0 && s.second > 0);
                            emptyPart = emptyPart || s.first == 0 || s.second == 0;
                            for (int j = 1; j < i; ++j)
                                QVERIFY2(!s.sameAs(gen->split(j)), qPrintable(r->stem(i) + " repeats " + r->stem(j)));
                            kinds.insert(r->value(i));
                            QVERIFY(r->value(i) >= 1 && r->value(i) <= kDecompositionKinds);
                            if (subtask == 1)
                                QVERIFY(r->stem(i).endsWith(u'_' + pad(r->value(i), 2)));
                        }
                        QCOMPARE(int(kinds.size()), n);
                        // The pattern is the target's split in the other form.
                        const int t = r->p.targetTile;
                        const Split s = gen->split(t);
                        QString sample = r->p.altPicturePrefix + pad(s.whole, 2) + u'_' + pad(s.first, 2) + u'_' + pad(s.second, 2);
                        if (subtask == 2)
                            sample += u'_' + pad(r->value(t), 2);
                        QCOMPARE(r->p.samplePicture, sample + QStringLiteral("d.jpg"));
                        QCOMPARE(r->host.row, unsigned(PatternRow::Pattern | PatternRow::Sign | PatternRow::Answer));
                    }
        QVERIFY(emptyPart);
    }

    void missingPartWithDistinctDistractors()
    {
        bool zeroOffered = false, zeroAnswer = false;
        for (int subtask = 1; subtask <= 3; ++subtask)
            for (int level = 1; level <= 3; ++level)
                for (bool noZero : {true, false})
                    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
                        const auto r = build(207, level, subtask, seed, noZero);
                        const auto *gen = static_cast<const DecompositionGenerator *>(r->gen.get());
                        const int n = r->p.tileCount, t = r->p.targetTile;
                        const Split s = gen->split(t);
                        const int range = level == 1 ? 3 : level == 2 ? 5 : 10;
                        QCOMPARE(r->value(t), s.second);
                        QCOMPARE(r->p.problemValue(), s.whole);
                        std::set<int> values;
                        QString kind;
                        for (int i = 1; i <= n; ++i) {
                            const int v = r->value(i);
                            values.insert(v);
                            QVERIFY(v >= (noZero ? 1 : 0) && v <= range);
                            if (i != t)
                                zeroOffered = zeroOffered || v == 0;
                            if (subtask == 2) {
                                // v objects, all of the target's kind.
                                QVERIFY2(r->stem(i).startsWith(QStringLiteral("obr\\206\\o%1_00_%1_").arg(pad(v, 2))), qPrintable(r->stem(i)));
                                if (kind.isEmpty())
                                    kind = r->stem(i).right(2);
                                QCOMPARE(r->stem(i).right(2), kind);
                            } else {
                                QCOMPARE(r->stem(i), QStringLiteral("obr\\201\\cisl") + pad(v, 3));
                            }
                        }
                        QCOMPARE(int(values.size()), n);   // the answer is offered once
                        zeroAnswer = zeroAnswer || s.second == 0;
                        const QString split = QStringLiteral("%1_%2_%3").arg(pad(s.whole, 2), pad(s.first, 2), pad(s.second, 2));
                        if (subtask == 2) {
                            QCOMPARE(r->host.display[2], r->stem(t));
                            QCOMPARE(r->p.samplePicture, QStringLiteral("obr\\206\\o%1_%1_00_%2d.jpg").arg(pad(s.first, 2), kind));
                        } else {
                            QCOMPARE(r->host.display[1], QStringLiteral("obr\\206\\prazdny\\r") + split);
                            QCOMPARE(r->host.display[2], QStringLiteral("obr\\206\\r") + split);
                        }
                        QCOMPARE(r->host.row, subtask == 3 ? unsigned(PatternRow::Answer)
                                                           : unsigned(PatternRow::Pattern | PatternRow::Sign | PatternRow::Answer));
                    }
        QVERIFY(zeroOffered && zeroAnswer);
    }
};

QTEST_GUILESS_MAIN(TestOrdinalDecomposition)
#include "test_ordinal_decomposition.moc"
