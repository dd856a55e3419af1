#pragma once
// The ordinal generator of exercise 203: a row of different pictures of one
// set, and a spoken position (the first, the middle, the last or the k-th)
// the child clicks. At level 3 the written ordinal stands above the row.
#include "engine/generator.h"
#include <memory>

namespace flumo {

// The picture sets "obr\203\obr" + PP + "_": 1..4, ten pictures each.
constexpr int kOrdinalSets = 4;

// The number M of the spoken task "Zvuky\203\zv" + MM + "_" + P + ".wav":
// at level 3 the position itself, below it 1 for the first, 99 for the
// last and 33 for any other (the middle) of `count` tiles.
int ordinalSpokenPosition(int level, int position, int count);

class OrdinalGenerator : public Generator {
public:
    // Draws, in this order: the picture set, the target position, the
    // tiles' pictures (a permutation of 1..TileCount), the layout's jitter.
    void build(ProblemContext &ctx) override;
    // The tiles' looks, the written ordinal and the solved look of the
    // answer box, and the spoken task.
    QStringList mediaNames(const Problem &problem) const override;

    int pictureSet() const { return m_set; }
    const QString &taskSound() const { return m_sound; }

private:
    int m_set = 1;
    int m_level = 1;
    QString m_sound;
};

std::unique_ptr<Generator> makeOrdinalGenerator();

} // namespace flumo
