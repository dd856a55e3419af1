#pragma once
// The equation-picture generator: pictures of objects paired with sums and
// differences. 302 matches a picture of objects with its expression (or the
// reverse), 304 the same with whole equations, 303 adds or takes away
// quantities shown as pictures in the display boxes, 307 speaks a result and
// wants every expression that has it.
//
// Every tile holds one triple (a, b, c): a = b + c in the sum subtasks,
// a = b - c in the difference subtasks; TileValue[i] is a. No two tiles of
// one problem show the same triple, nor (except in 307, where every
// expression with the result is a right answer) the same triple with b and
// c or a and c exchanged, so "3 + 2" never sits beside "2 + 3".
#include "engine/generator.h"
#include "engine/problem.h"
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

namespace flumo {

struct Triple {
    int a = 0, b = 0, c = 0;
    bool operator==(const Triple &) const = default;
};

struct EquationPictureState {
    std::array<Triple, kTileInfoCount> triple{};   // index 1..TileCount
    std::array<bool, kTileInfoCount> rightTile{};  // 307: the tiles with the result
    int kind = 0;             // K, the kind of object; 0 for 307
    int resultValue = 0;      // 307: the spoken result; 0 otherwise
    int range = 3;            // R
    // DispPicture[1..7] as the build set them, and where 303 and 307 placed
    // their display boxes.
    std::array<QString, 8> display{};
    std::array<int, 8> displayLeft{};
    std::array<int, 8> displayWidth{};
    QString taskSound;
};

class EquationPictureGenerator : public Generator, public AnswerRule {
public:
    // Builds a problem of 302, 303, 304 or 307. Draw order: the kind, then
    // (307) the result, the answers needed and the right tiles, the triples
    // tile by tile, the target (not 307), 303's coin and single quantities,
    // the layout's jitter.
    void build(ProblemContext &ctx) override;

    // 302, 303, 304: right when selected is TargetTile. 307: right when the
    // tile's value is the spoken result; the tile then joins the row of
    // found expressions and takes a value that never counts again. 303: a
    // right answer fills the empty result box.
    bool judgeAnswer(Problem &problem, int selected) override;

    QStringList mediaNames(const Problem &problem) const override;

    const EquationPictureState &state() const { return m_state; }

private:
    EquationPictureState m_state;
    int m_task = 0;
    int m_subtask = 1;
    // The screen that built the problem; it outlives this generator, and the
    // answer rule draws the found expressions and the result through it.
    ProblemHost *m_host = nullptr;
};

std::unique_ptr<Generator> makeEquationPictureGenerator();

} // namespace flumo
