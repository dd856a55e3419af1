#pragma once
// Build the wall (402): eight bricks lie in a row under a wall box that
// shows the gap above the selected brick. The gap has a number g; the brick
// that fills it is the one whose number makes 10 with g. A brick built in
// turns into a finished column (stem "obr\402\zed10", its number stays) and
// the next gap comes, until all eight bricks are used.
//
// The gaps are eight different numbers of 1..10 and the bricks their
// complements in a random order, so each gap has exactly one fitting brick
// and a built brick never fits again.
#include "engine/generator.h"
#include <array>

namespace flumo {

class WallGame : public Generator, public AnswerRule {
public:
    static constexpr int kBricks = 8;

    void build(ProblemContext &ctx) override;
    bool judgeStep(ProblemContext &ctx, int selected) override;
    void cursorMoved(ProblemContext &ctx, int from) override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    // Gap k (1..8) in the order they are asked.
    int gap(int k) const { return m_gap[static_cast<std::size_t>(k)]; }
    // The wall box (back box 1) in the screen's coordinates.
    QRect wallRect() const { return m_wall; }

private:
    std::array<int, kBricks + 1> m_gap{};
    QRect m_wall;
};

std::unique_ptr<Generator> makeWallGame();

} // namespace flumo
