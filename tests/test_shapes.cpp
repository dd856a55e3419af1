// The shape exercises 103..107: exactly one tile fits the spoken task,
// the size contrast is never a neighbouring size, and 107's pairs are
// asked and found in order.
#include "exercises/shapes.h"
#include "media/numbertext.h"
#include "support/generatorenv.h"
#include <QTest>
#include <cstdlib>
#include <memory>
#include <set>

using namespace flumo;

namespace {

std::unique_ptr<test::GeneratorRun<ShapeGenerator>> build(int task, int level, int subtask, std::uint64_t seed)
{
    auto r = std::make_unique<test::GeneratorRun<ShapeGenerator>>(task, level, subtask, seed);
    r->build();
    return r;
}

QString pad(int v) { return NumberToText(v, 2); }

} // namespace

class TestShapes : public QObject {
    Q_OBJECT
private slots:
    void exactlyOneTileFitsTheSpokenTask()
    {
        for (int task = 103; task <= 106; ++task)
            for (int level = 1; level <= 2; ++level)
                for (std::uint64_t seed = 1; seed <= 300; ++seed) {
                    const auto r = build(task, level, 1, seed);
                    const ShapeLook t = r->gen.target();
                    const int target = r->p.targetTile;
                    QCOMPARE(r->gen.looks()[std::size_t(target)], t);
                    // Tiles that fit the words naming shape and colour.
                    QList<int> shapeMatch, fits;
                    for (int i = 1; i <= 6; ++i) {
                        const ShapeLook &l = r->gen.looks()[std::size_t(i)];
                        QVERIFY(l.shape >= 1 && l.shape <= shapeCount(level));
                        QVERIFY(l.size >= 1 && l.size <= 6 && l.colour >= 1 && l.colour <= 6);
                        QCOMPARE(r->p.stem(i), QString("obr\\103\\tv%1_%2_%3").arg(pad(l.shape), pad(l.size), pad(l.colour)));
                        if (l.shape == t.shape)
                            shapeMatch << i;
                        if (l.shape == t.shape && (task == 103 || task == 105 || l.colour == t.colour))
                            fits << i;
                    }
                    QString tail = pad(t.shape);
                    if (task == 103 || task == 104) {
                        QCOMPARE(fits, QList<int>{target});
                    } else {
                        // The size decides between the target and one
                        // contrast of that shape at least two sizes away;
                        // M says whether the contrast is the larger.
                        QCOMPARE(fits.size(), 2);
                        const int other = fits[0] == target ? fits[1] : fits[0];
                        const int size = r->gen.looks()[std::size_t(other)].size;
                        QVERIFY2(std::abs(size - t.size) >= 2, qPrintable(QString("seed %1").arg(seed)));
                        QCOMPARE(r->gen.sizeFlag(), size > t.size ? 2 : 1);
                        tail += "_" + pad(r->gen.sizeFlag());
                    }
                    if (task == 104 || task == 106)
                        tail += "_" + pad(t.colour);
                    if (task == 106) {
                        // The same size in another colour is the third tile of the shape.
                        QCOMPARE(shapeMatch.size(), 3);
                        for (int i : shapeMatch)
                            if (!fits.contains(i))
                                QVERIFY(r->gen.looks()[std::size_t(i)].size == t.size
                                        && r->gen.looks()[std::size_t(i)].colour != t.colour);
                    }
                    QCOMPARE(r->host.sounds, QStringList{QString("Zvuky\\%1\\zv%2.wav").arg(task).arg(tail)});
                    QVERIFY(r->gen.mediaNames(r->p).contains(r->p.stem(target) + "d.jpg"));
                }
    }

    void severalShapesAreAskedPairByPair()
    {
        for (int level = 1; level <= 2; ++level)
            for (int subtask = 1; subtask <= 2; ++subtask)
                for (std::uint64_t seed = 1; seed <= 200; ++seed) {
                    const auto r = build(107, level, subtask, seed);
                    Problem &p = r->p;
                    QCOMPARE(p.answersNeeded, subtask + 1);
                    std::set<int> targets, shapes;
                    for (int k = 1; k <= 3; ++k) {
                        const int t = p.tileValue[std::size_t(k)];
                        const ShapeLook look = r->gen.looks()[std::size_t(t)];
                        QCOMPARE(ShapeLook({p.tileValue[std::size_t(11 + 3 * (k - 1))], p.tileValue[std::size_t(12 + 3 * (k - 1))],
                                            p.tileValue[std::size_t(13 + 3 * (k - 1))]}), look);
                        targets.insert(t), shapes.insert(look.shape);
                        // Its partner: the one other tile of the shape, in
                        // another size and another colour.
                        int partners = 0;
                        for (int i = 1; i <= 6; ++i) {
                            const ShapeLook l = r->gen.looks()[std::size_t(i)];
                            if (i != t && l.shape == look.shape) {
                                ++partners;
                                QVERIFY(l.size != look.size && l.colour != look.colour);
                            }
                        }
                        QCOMPARE(partners, 1);
                    }
                    QCOMPARE(int(targets.size()), 3);
                    QCOMPARE(int(shapes.size()), 3);
                    if (level == 1)
                        QCOMPARE(shapes, (std::set<int>{1, 2, 3}));
                    QCOMPARE(p.targetTile, p.tileValue[1]);
                    QCOMPARE(r->host.sounds, QStringList{r->gen.pairSound(p, 1)});

                    // The pairs in order (their row on the screen is the
                    // found-picture suite's), each next one asked.
                    for (int k = 1; k <= p.answersNeeded; ++k) {
                        QVERIFY(r->gen.judgeAnswer(p, p.tileValue[std::size_t(k)]));
                        ++p.answersGiven;
                        if (k < p.answersNeeded)
                            QCOMPARE(r->host.sounds.last(), r->gen.pairSound(p, k + 1));
                    }
                    QCOMPARE(r->host.sounds.size(), p.answersNeeded);
                    QVERIFY(r->gen.pairSound(p, 2).startsWith("Zvuky\\104\\zv"));
                }
    }
};

QTEST_GUILESS_MAIN(TestShapes)
#include "test_shapes.moc"
