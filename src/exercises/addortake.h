#pragma once
// The add-or-take counter (301): the pattern row shows a target on the left
// and a count on the right with a red relation sign between them; three
// tiles below add one, take one away and check. Plus and minus are the
// family's own control steps (never errors); the check is right when the
// count equals the target.
#include "engine/generator.h"
#include <QString>
#include <memory>

namespace flumo {

// The counter's limits, whatever the level.
constexpr int kCounterMin = 0;
constexpr int kCounterMax = 10;

class AddOrTakeGenerator : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Tile 1 adds one and tile 2 takes one away (a reprimand without error
    // at the limits); both are never right. Tile 3 is right when the count
    // equals the target. TargetTile always names the tile that leads on:
    // 1 while the count is below the target, 2 above it, 3 when equal
    // ("target tile=N" in the trace after every change).
    bool judgeAnswer(Problem &problem, int selected) override;
    QString patternRowPicture(unsigned box, const Problem &problem, bool solved) const override;
    QStringList mediaNames(const Problem &problem) const override;

    int target() const { return m_target; }
    int count() const { return m_count; }
    // DispPicture[1]: the count's picture stem ("d.jpg" is added to show it).
    QString countStem() const;

private:
    void retarget(Problem &problem);

    ProblemHost *m_host = nullptr;
    int m_subtask = 1;
    int m_target = 0;
    int m_count = 0;
    int m_kind = 1;
    int m_numberWidth = 2;
    int m_altNumberWidth = 3;
    QString m_altPrefix;
    bool m_confirmed = false;
};

std::unique_ptr<Generator> makeAddOrTakeGenerator();

} // namespace flumo
