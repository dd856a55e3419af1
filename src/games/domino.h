#pragma once
// Exercise 407, the addition domino: a ring of fifteen board places whose
// first place holds the starting domino; the child holds four dominoes (the
// Tiles), hears a sum and lays the domino that adds up to it and matches the
// open end of the chain. Fourteen dominoes close the ring on the first half
// of the starting domino.
//
// Widget-free: the board places are the back boxes VBox1..15, the sum
// display is PB0; everything is drawn through the ProblemHost and the
// paintBox hook.
#include "engine/generator.h"
#include <array>
#include <bitset>

namespace flumo {

constexpr int kDominoPlaces = 15;
constexpr int kDominoHand = 4;
constexpr int kDominoLays = kDominoPlaces - 1;   // AnswersNeeded
// A half value of a Tile that was just played (both halves).
constexpr int kDominoPlayed = 100;

struct DominoState {
    QString prefix;                                  // "obr\407\dom" + subtask + "_"
    std::array<int, kDominoHand> allowed{};          // AllowedValue, distinct, 0..9
    std::array<int, kDominoHand + 1> second{};       // SecondHalf[0..4]
    std::bitset<100> used;                           // UsedPair, index first * 10 + second
    int openEnd = 0;
    int targetSum = 0;
    int startFirst = 0;                              // f0, the first half of the starting domino
    std::array<QString, kDominoPlaces> chain{};      // stems of the board places 1..15
    int draws = 0;                                   // dominoes drawn by DrawDomino this problem
    int releases = 0;                                // times the stale marks were let go
};

// The board place p (1..15): its rectangle on the screen, whether it is
// vertical, whether the domino laid there puts its matching half first.
QRect dominoPlaceRect(int place);
bool dominoPlaceVertical(int place);
bool dominoMatchingHalfFirst(int place);

class DominoGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Accepted when one half is the open end and both add up to the sum;
    // then laid on the next place with that place's orientation, and the
    // next sum is chosen (and spoken) unless the ring is complete.
    bool judgeStep(ProblemContext &ctx, int selected) override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    const DominoState &state() const { return m_state; }
    // Whether Tile t (1..4) may be laid on the next place, with `laid`
    // dominoes already on the board after the starting one.
    bool playable(const Problem &problem, int t, int laid) const;

    // More draws than this for one domino end in a deliberate pick of a
    // free pair, so that every draw loop ends.
    static constexpr int kMaxDraws = 400;

private:
    void drawDomino(ProblemContext &ctx, int slot, int laid, int mustHave = -1);
    // ChooseSum; selected: the slot just played (or, at the start, a random one).
    void chooseSum(ProblemContext &ctx, int laid, int selected);
    void releaseStaleMarks(const Problem &problem, int slot);
    void setSlot(Problem &problem, int slot, int first, int second);
    QString soundOfSum() const;

    DominoState m_state;
};

std::unique_ptr<Generator> makeDominoGame();

} // namespace flumo
