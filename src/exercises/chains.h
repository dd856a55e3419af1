#pragma once
// The complex-equation generator: 309 shows a chain A ± B ± C = ? on the
// display boxes with number tiles below; 405 speaks a riddle (I think of a
// number, add or take away B, maybe C, and get D) and offers six cards, one
// of them the number. The riddle is spoken after the build, from the
// sound-start timer, and the cards are shown only when it has been said.
#include "engine/generator.h"
#include "exercises/gapequations.h"
#include <QString>
#include <cstdint>
#include <memory>

namespace flumo {

struct Chain {
    std::int32_t a = 0, b = 0, c = 0, d = 0;
    bool plus1 = true, plus2 = true;   // A op1 B op2 C = D
};

class ChainGenerator : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Right when selected is TargetTile. 309: the result fills the gap; 405:
    // every card but the chosen one is turned face down, whatever the verdict.
    bool judgeAnswer(Problem &problem, int selected) override;
    QStringList mediaNames(const Problem &problem) const override;
    // 405: the riddle's parts after its opening, then the cards.
    bool soundPlayed(ProblemHost &host) override;

    const Chain &chain() const { return m_chain; }
    // 405: the parts spoken after the opening prompt, in order.
    const QStringList &riddleParts() const { return m_parts; }

private:
    Chain m_chain;
    equations::DisplayRow m_row;
    QStringList m_parts;
    QString m_prompt;
    ProblemHost *m_host = nullptr;
    int m_task = 0;
    int m_tiles = 0;
    bool m_riddlePending = false;
};

// A chain of 309 at a level and subtask (1 adds, 2 takes away).
Chain makeChain(Random &random, int level, int subtask, bool withZero);
// The riddle of 405 (subtask 2 has two steps); every value 1..9.
Chain makeRiddle(Random &random, int subtask);

std::unique_ptr<Generator> makeChainGenerator();

} // namespace flumo
