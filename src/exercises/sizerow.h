#pragma once
// Two picture exercises of group A: the size row (109), four pictures of
// one set to be picked in order of size or quantity, and the odd picture
// (110), five pictures of one set of which one is the other variant.
#include "engine/generator.h"
#include <array>
#include <memory>

namespace flumo {

// Picture sets of 110 in use up to each level (1..5); the sets are ordered
// from the plainest difference to the subtlest.
int oddPictureSets(int level);

class SizeRowGenerator : public Generator, public AnswerRule {
public:
    // Draw order: the picture set, the four tile values, the order, the
    // layout's jitter, the take of the spoken task.
    void build(ProblemContext &ctx) override;
    // Right on TargetTile, the next picture of the order. The found picture
    // joins the row of display boxes and TargetTile moves to the next one.
    bool judgeAnswer(Problem &problem, int selected) override;
    QStringList mediaNames(const Problem &problem) const override;

    bool ascending() const { return m_ascending; }
    int pictureSet() const { return m_set; }
    QString taskSound() const { return m_taskSound; }
    // The tile holding value v (1..4).
    int tileOfValue(int v) const { return v >= 1 && v <= 4 ? m_valueToTile[static_cast<std::size_t>(v)] : 0; }

private:
    QString displayPicture(const Problem &problem, int tile) const;

    std::array<int, 5> m_valueToTile{};
    bool m_ascending = true;
    int m_set = 0;
    QString m_taskSound;
    ProblemHost *m_host = nullptr;
    int m_nextLeft = 10;
};

class OddPictureGenerator : public Generator {
public:
    // Draw order: the target tile, the picture set, the odd variant, the
    // layout.
    void build(ProblemContext &ctx) override;
    QStringList mediaNames(const Problem &problem) const override;
};

std::unique_ptr<Generator> makeSizeRowGenerator();
std::unique_ptr<Generator> makeOddPictureGenerator();

} // namespace flumo
