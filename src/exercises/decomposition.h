#pragma once
// The decomposition generator of exercises 206 (match a decomposition
// diagram with a picture of objects in two groups) and 207 (find the
// missing part of a decomposition). Both split a whole W into P1 + P2.
#include "engine/generator.h"
#include <array>
#include <memory>

namespace flumo {

class Random;

struct Split {
    int whole = 0;
    int first = 0;
    int second = 0;
    bool operator==(const Split &) const = default;
    // The same split with its parts exchanged counts as the same.
    bool sameAs(const Split &o) const
    {
        return whole == o.whole && ((first == o.first && second == o.second) || (first == o.second && second == o.first));
    }
};

// The split maker: W := Random(1..range), P1 := Random(0..W), P2 := W - P1;
// without counting with zero drawn again until no number is 0.
Split makeSplit(Random &random, int range, bool withZero);

// "WW_PP_QQ": the split's three numbers, each padded to width.
QString splitText(const Split &s, int width = 2);

// Picture kinds of the objects: 1..12.
constexpr int kDecompositionKinds = 12;

class DecompositionGenerator : public Generator {
public:
    // Draws, in this order: per tile a split and a kind, the target, for
    // 207 the other tiles' numbers, the layout's jitter.
    void build(ProblemContext &ctx) override;
    // The tiles' looks, the pattern row's pictures in the task and solved
    // states.
    QStringList mediaNames(const Problem &problem) const override;

    const Split &split(int tile) const { return m_split[static_cast<std::size_t>(tile)]; }
    // DispPicture[1] and [2] as the build set them.
    const QString &display(int k) const { return m_display[static_cast<std::size_t>(k)]; }

private:
    int m_task = 206;
    int m_subtask = 1;
    std::array<Split, 7> m_split{};         // tiles 1..6
    std::array<QString, 3> m_display;       // DispPicture[1..2]
    QString m_sign;
    unsigned m_row = 0;
};

std::unique_ptr<Generator> makeDecompositionGenerator();

} // namespace flumo
