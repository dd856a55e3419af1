#pragma once
// Scoring rules of the exercise screen, free of widgets: what a wrong answer
// and a solved problem count, the card decision after the praise pause, the
// subtask step, the choice of the praise or reprimand sound and the score
// text of the cards button. The screen owns the timers, the sound player and
// the card screen; it calls these at the matching moments and acts on the
// results. Scores are changed only where a function says so.
#include "engine/settings.h"
#include "engine/state.h"
#include <QString>
#include <vector>

namespace flumo {

class Random;

// Groups A to C (exercises below 400) count points and errors; the games
// (400 and above) count neither.
bool countsScore(int taskId);

// The exercise's own control tiles: a wrong answer on them is neither an
// error nor a sound. selectedTile is 1-based. nothingPaid: in 404, nothing is
// laid on the counter yet (PaidSum 0); ignored by the other exercises.
bool isQuietControlTile(int taskId, int selectedTile, bool nothingPaid);

enum class WrongSound {
    None,       // silent
    Ding,       // the platform's alert sound
    Reprimand,  // a spoken reprimand, picked by verdictSoundFile(false, ...)
};

// The kind of reprimand when UseDing decides between the alert and a spoken
// one; also used where a family gives "the reprimand" without an error.
WrongSound reprimandKind(bool useDing);

// Bookkeeping of a wrong answer: ErrorCount + 1 for exercises below 400
// unless quietControl; returns the sound to make (None for quiet control
// tiles and for exercise 409, whose wrong answers are silent).
WrongSound recordWrongAnswer(Scores &scores, int taskId, bool quietControl, bool useDing);

// A solved problem: PointCount + 1 for exercises below 400.
void recordSolved(Scores &scores, int taskId);

enum class CardOutcome {
    None,        // cards off, or the attempt is not decided yet; scores untouched
    CardWon,     // CardsEarned + 1, points and errors back to 0
    CardLost,    // too many errors: points and errors back to 0
    RewardMode,  // the last card of the set is won: show the card screen in
                 // RewardMode; scores untouched (cardScreenOpened does the rest)
};

// The card accounting after a solved problem. The attempt is decided when
// PointCount >= PointsPerCard or ErrorCount > MaxErrors; games run it too,
// with the counts left by groups A to C.
CardOutcome settleCard(Scores &scores, const Settings &settings);

// Showing the card screen: in RewardMode the won card completes the set
// (CardsEarned + 1); both modes start a new attempt (points and errors 0).
void cardScreenOpened(Scores &scores, bool rewardMode);
// Closing the card screen: a complete set starts again empty.
void cardScreenClosed(Scores &scores);

// CurrentSubtask after a solved problem: unchanged unless autoNextSubtask;
// then the next one, or 1 after the exercise's last (subtaskCount >= 1).
int subtaskAfterSolved(bool autoNextSubtask, int currentSubtask, int subtaskCount);

// Index of a ticked item, drawn uniformly from 0..size-1 again and again until
// a ticked one comes up; -1 (and no draw) when none is ticked.
int pickTicked(const std::vector<SoundItem> &items, Random &random);

// The file PlayVerdictSound starts, relative to the working folder:
// "zvuky\spravne\<name>.wav" (right, only when UsePraise) or
// "zvuky\spatne\<name>.wav" (wrong). Empty means silence: praise off, or no
// ticked item in the list (the settings screen's Enter and Esc skip the check
// that would prevent that).
QString verdictSoundFile(bool right, const Settings &settings, Random &random);

// The hint of the cards button: three lines joined by "\r" with the cards,
// points and errors; empty when cards are off.
QString scoreHint(const Scores &scores, const Settings &settings);

// Trace lines for the screen: "card won cards=<c>" / "card lost cards=<c>"
// (nothing for None and RewardMode; after a RewardMode showing the screen
// traces CardWon with the completed count) and "solved task=<t> points=<p> errors=<e>
// cards=<c>".
void traceCard(CardOutcome outcome, const Scores &scores);
void traceSolved(int taskId, const Scores &scores);

} // namespace flumo
