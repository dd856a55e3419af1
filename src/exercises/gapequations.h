#pragma once
// The gap-equation generator: one addition or subtraction on the display
// boxes of Panel1 with one part missing, and candidate tiles below. 305
// misses the result (subtasks 3 and 4 write it first: ? = X + Y), 306 one of
// the operands, 310 the sign (tile 1 plus, tile 2 minus).
//
// The number rules shared with the chain generator (level ranges, the
// distractor tiles, number pictures) are declared here as well.
#include "engine/generator.h"
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace flumo {

struct Problem;

namespace equations {

// R of a level: 3, 5, 10, 20, 10 (counted in tens), 20 (crossing ten), 100.
int levelRange(int level);
// The level as a build uses it: 1..7.
int clampLevel(int level);

// Tile `target` gets `answer`; every other tile 1..TileCount a distinct
// value that is never the answer: 1..R (tens 10..100 at level 5), and at
// level 7 within a window of ten around the answer.
void fillTiles(Problem &problem, Random &random, int level, int target, std::int32_t answer);

// A number on a display card: AltPicturePrefix + pad(n, AltNumberWidth) + "d.jpg".
QString displayNumber(const Problem &problem, std::int32_t n);

// Planned display boxes 1..7 (pixels inside Panel1).
struct DisplayRow {
    std::array<QString, 8> picture{};
    std::array<int, 8> left{};
    std::array<int, 8> width{};
    int count = 0;
};

} // namespace equations

// The equation and its gap, as the last build left them.
struct GapEquation {
    std::int32_t x = 0, y = 0, s = 0;
    bool addition = true;
    int gapPosition = 0;      // 1 X, 2 Y, 3 S; 0 in 310 (the sign is missing)
    int gapBox = 0;           // the display box the answer fills
    int gapWidth = 0;         // W: the answer's width, at least 135
};

class GapEquationGenerator : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Right when selected is TargetTile; in 310 with a second operand of 0
    // either sign is right. A right answer's picture fills the gap.
    bool judgeAnswer(Problem &problem, int selected) override;
    QStringList mediaNames(const Problem &problem) const override;

    const GapEquation &equation() const { return m_eq; }
    const equations::DisplayRow &display() const { return m_row; }

private:
    GapEquation m_eq;
    equations::DisplayRow m_row;
    ProblemHost *m_host = nullptr;   // the host of the last build
    int m_task = 0;
    int m_subtask = 1;
};

std::unique_ptr<Generator> makeGapEquationGenerator();

} // namespace flumo
