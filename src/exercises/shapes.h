#pragma once
// The shape generator: six Tiles show geometric shapes that differ in
// shape, size and colour, and a spoken task names the one to find: by shape
// (103), shape and colour (104), shape and size (105), all three (106), or
// several shapes one after another (107). Tile stems are
// "obr\103\tv" + SS + "_" + ZZ + "_" + CC (shape, size, colour).
//
// 107's answer rule: each pair of equal shapes has one target (its even
// tile); the targets are asked in pair order, and every found shape joins
// the row of display boxes in the upper panel.
#include "engine/generator.h"
#include <array>
#include <memory>

namespace flumo {

constexpr int kShapeSizes = 6;
constexpr int kShapeColours = 6;
// Shapes in use by level: 1..3 at level 1, 1..8 above.
int shapeCount(int level);

// A Tile's picture: shape, size and colour (0 for none).
struct ShapeLook {
    int shape = 0, size = 0, colour = 0;
    bool operator==(const ShapeLook &) const = default;
};

class ShapeGenerator : public Generator, public AnswerRule {
public:
    // Draw order: shape, size, colour of the target, its tile; the
    // companions (attributes, then tile); the remaining tiles; 107 then
    // overrides them with its three pairs.
    void build(ProblemContext &ctx) override;
    // 103..106: right on TargetTile. 107: right on the target of the next
    // pair; its shape joins the row and the next pair is spoken, and
    // TargetTile moves on to that pair's target.
    bool judgeAnswer(Problem &problem, int selected) override;
    QStringList mediaNames(const Problem &problem) const override;

    // What each Tile shows (index 1..6), the target's attributes as drawn,
    // and M (2: the size contrast is larger than the target, else 1).
    const std::array<ShapeLook, 7> &looks() const { return m_looks; }
    ShapeLook target() const { return m_target; }
    int sizeFlag() const { return m_sizeFlag; }
    QString taskSound() const { return m_taskSound; }
    // 107: the spoken task of pair k (1..3).
    QString pairSound(const Problem &problem, int k) const;

private:
    std::array<ShapeLook, 7> m_looks{};
    ShapeLook m_target;
    int m_sizeFlag = 1;
    int m_task = 0;
    QString m_taskSound;
    ProblemHost *m_host = nullptr;   // the screen that built the problem
    int m_nextLeft = 10;             // 107: where the next found shape stands
};

std::unique_ptr<Generator> makeShapeGenerator();

// Exercises whose answer box is hidden while the task is on and, when the
// problem is solved, shows the found picture centred in Panel1.
bool showsFoundInAnswerBox(int task);

} // namespace flumo
