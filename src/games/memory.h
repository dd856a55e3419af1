#pragma once
// Exercise 408, the memory game: twelve cards face down, six pairs of one of
// twelve picture sets (the two sides of a pair belong together: a sum and
// its result, a number and its quantity ...). The child turns two cards; a
// pair is taken off the table, two cards that do not belong together turn
// back after a pause. All twelve taken solve the problem.
//
// TileValue[t] of card t is its pair number; AnswersGiven counts the cards
// face up or taken, so it is odd while the first card of a try is up.
// Nothing here is a reprimanded error: a wrong pair only beeps.
#include "engine/generator.h"
#include <array>

namespace flumo {

constexpr int kMemoryCards = 12;
constexpr int kMemorySets = 12;
constexpr int kMemoryNoCard = 255;   // FirstCard when no card is up

// Picture pairs of set s (1..12); 0 for any other s.
int memoryPairsOf(int set);

class MemoryGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Turning card `selected`: the first card of a try counts, a matching
    // second card takes the pair and counts; the same card again, a taken
    // card and a second card that does not match are quiet wrong answers.
    bool judgeStep(ProblemContext &ctx, int selected) override;
    bool quietWrong(const Problem &problem, int selected) const override;
    QStringList mediaNames(const Problem &problem) const override;

    int set() const { return m_set; }
    // CardSide of card t: 1 or 2, 0 once taken.
    int side(int t) const { return m_side[static_cast<std::size_t>(t)]; }

    static QString backStem(int set);
    static QString faceStem(int set, int pair, int side);
    static QString takenStem();

private:
    void show(ProblemContext &ctx, int t, const QString &stem);

    int m_set = 1;
    std::array<int, kMemoryCards + 1> m_side{};
};

std::unique_ptr<Generator> makeMemoryGame();

} // namespace flumo
