#pragma once
// The wrong-example generator of 308: the tiles show written equations;
// either exactly one is right among wrong ones (find the right example) or
// exactly one is wrong among right ones (find the wrong example). Right
// equations are made on the spot; wrong ones come from a fixed numbered set
// of pictures, whose numbers 1..9 contain a zero and 10..38 do not.
#include "engine/generator.h"
#include "engine/problem.h"
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

namespace flumo {

struct ExampleTile {
    bool right = false;       // a right equation (s, x, y), else wrong picture n
    int s = 0, x = 0, y = 0;  // s = x + y (addition) or s = x - y (subtraction)
    int n = 0;
};

struct WrongExampleState {
    int mode = 1;             // 1: find the right example, 2: find the wrong one
    int shownRight = 1;       // ShownRight: 1 in mode 1, else 0
    int referenceTile = 0;
    int wrongCount = 0;       // WrongCount of the level
    std::array<ExampleTile, kTileInfoCount> tiles{};   // index 1..TileCount
    QString taskSound;
};

// The highest wrong-picture number a level draws before the shift into the
// picture numbers (WrongCount).
int wrongCountOf(int level, bool noZero);
// The picture number of the n-th draw (1..WrongCount) at a level.
int wrongPictureNumber(int drawn, int level, bool noZero);

class WrongExampleGenerator : public Generator, public AnswerRule {
public:
    // Draw order: the mode, the target, then tile by tile a right equation
    // or a wrong picture, the layout's jitter, the take of the spoken task.
    void build(ProblemContext &ctx) override;
    // Right when selected is TargetTile.
    bool judgeAnswer(Problem &problem, int selected) override;
    QStringList mediaNames(const Problem &problem) const override;

    const WrongExampleState &state() const { return m_state; }
    // PBvyb1 in the task state: the verdict sign of the example looked for.
    QString verdictSign() const;

private:
    WrongExampleState m_state;
};

std::unique_ptr<Generator> makeWrongExampleGenerator();

} // namespace flumo
