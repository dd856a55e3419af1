#pragma once
// The sliding puzzle of exercise 410 (3 x 3 at level 1, else 4 x 4, with the
// exercise's own pictures) and of the reward game 501 (the completed card
// set's picture in 2 x 2 or 3 x 3 pieces beside a preview of the whole).
//
// TileValue[c] of cell c = 1..N (row by row) is the piece in the cell, 0 the
// empty one. A piece slides into the empty cell next to it; besides the four
// neighbours the last piece of a row may slide on into the first cell of the
// next row (never back). Some start arrangements need that step.
#include "engine/generator.h"
#include <array>
#include <span>

namespace flumo {

// The start arrangement `which` (1..3) of a puzzle of n cells (4, 9 or 16),
// row by row, 0 the empty cell; empty for any other size.
std::span<const int> puzzleArrangement(int n, int which);
// The cell that piece s (1-based cell) slides into: the first empty one of
// left, right (the row step included), up, down; 0 when none is empty.
int puzzleMoveTarget(std::span<const int> cells, int side, int s);
// Cells c <= n - 1 that hold piece c.
int puzzlePiecesInPlace(std::span<const int> cells);

class PuzzleGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Accepted when the piece can slide; the solved puzzle gets its last
    // piece and completes the problem.
    bool judgeStep(ProblemContext &ctx, int selected) override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    int arrangement() const { return m_arrangement; }
    int picture() const { return m_picture; }

private:
    void setCell(Problem &problem, int cell, int piece) const;

    QString m_prefix;       // the pieces' stem before the two-digit piece number
    QString m_preview;      // 501: the whole picture beside the grid
    int m_arrangement = 0;
    int m_picture = 0;
};

std::unique_ptr<Generator> makePuzzleGame();

} // namespace flumo
