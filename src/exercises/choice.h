#pragma once
// The choice generator: one generator for the exercises in which the child
// picks, among the Tiles, the one that matches a pattern, a spoken word or a
// relation (101 pairs, 102 colours, 108 largest and smallest, 111 same,
// fewer, more, 202 quantity and number, 204 same, smaller and larger
// number). It also owns the rules of the two display devices of Panel1 that
// many families share: the pattern row (PBvz1, PBrov1, PBvyb1) and the
// display boxes PBoxDisp1..7.
//
// Everything here is widget-free: the generator writes the Problem and its
// own ChoiceState and shows things through the ProblemHost; the exercise
// screen reads ChoiceState (and the picture helpers below) when it paints.
#include "engine/generator.h"
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

namespace flumo {

struct Problem;

// Display boxes PBoxDisp1..7.
constexpr int kDisplayBoxCount = 7;
// Width of Panel1 on the exercise screen, in pixels.
constexpr int kPanel1Width = 744;
// ValueToTile covers the drawn values 1..11 (the largest range of 108, 111
// and 204 is 11: 204 at level 3 counting with zero).
constexpr int kMaxRelationValue = 11;

// RelationMode: the pattern's relation to the answer.
enum RelationModeValue : int {
    RelationNone = 0,   // 101, 102, 202
    RelationMore = 1,   // the answer is more / larger
    RelationSame = 2,
    RelationFewer = 3,  // the answer is fewer / smaller
};

// One display box as the generator planned it (positions in pixels inside
// Panel1). The paint rule may still change the width and left
// (displayBoxPaint).
struct DisplayBoxPlan {
    QString picture;    // DispPicture[k]; "" when the box is unused
    int left = 0;
    int width = 0;
};

// The per-problem values of the choice exercises, rebuilt by every build.
struct ChoiceState {
    int referenceTile = 0;          // 1..TileCount, the tile whose value the pattern shows
    int relationMode = RelationNone;
    // ValueToTile[v]: the tile holding drawn value v (before the zero shift
    // of 202 and 204); 0 for values no tile holds. 108, 111, 204 only.
    std::array<int, kMaxRelationValue + 1> valueToTile{};
    int patternObject = 0;          // 102: the object D, 1..7
    int pictureSet = 0;             // 108: the picture set K
    std::array<int, 8> tileKind{};  // 111, 202 (quantities): picture kind of tile i, 1..30
    int patternKind = 0;            // 111: the pattern's kind; 202 subtasks 2, 4: 1..17

    // The pattern row: which boxes the build drew (PatternRow mask; the
    // others are hidden, the drawn ones arranged by ArrangePatternRow).
    // 204 leaves the row alone (its layout hides it): touched stays false.
    unsigned patternRow = 0;
    bool patternRowTouched = false;

    // 204: display boxes 1..displayCount are the planned group; DispPicture
    // of boxes above displayCount may still be set (the empty answer boxes
    // of subtask 1) but those boxes are never placed.
    std::array<DisplayBoxPlan, kDisplayBoxCount + 1> display{}; // index 1..7
    int displayCount = 0;
    bool displayDrawn = false;      // 204 subtask 2: drawn at once by the build

    QString taskSound;              // the spoken task; "" for 101
};

// What a right answer in 204 shows: display box `box` takes `picture`.
struct DisplayAction {
    int box = 0;                    // 1..7; 0: nothing to show
    QString picture;
    bool repaintOnly = false;       // subtask 2: repaint the drawn box; else draw it at once
};

struct ChoiceVerdict {
    bool right = false;
    DisplayAction display;          // 204 only, right answers only
};

// The answer box PBvyb1 of the choice exercises.
struct AnswerBoxLook {
    QString picture;
    QString trailing;               // drawn right after picture (202 subtask 2, solved)
    bool centred = false;           // the box stands alone, centred in Panel1 (102, 108, 202/3-4)
};

class ChoiceGenerator : public Generator {
public:
    // Builds a problem of 101, 102, 108, 111, 202 or 204. The draws come in
    // a fixed order, so one seed gives one problem: the pattern object or
    // picture set or picture kinds, the tile values, the target, the
    // relation, the 111 kinds, the layout's jitter, the pattern kind of 202,
    // the spoken task's take.
    void build(ProblemContext &ctx) override;

    const ChoiceState &state() const { return m_state; }

    // The answer rule for Tile `selected` (1..TileCount). Call once per
    // answer, before AnswersGiven is increased for it. Right when selected
    // is TargetTile; in 204 subtask 3 right when the tile's value lies
    // beyond ProblemValue in the direction of RelationMode, and then
    // TargetTile := selected. A right answer in 204 also fills a display box
    // (box 1 in subtask 1, else AnswersGiven + 2 counting this answer) and
    // sets the tile's value to ProblemValue, so it never counts twice.
    ChoiceVerdict judge(Problem &problem, int selected);

    // PBrov1's picture for the exercise built last.
    QString signPicture() const;
    // PBvyb1's look: task state (solved false) or solved state.
    AnswerBoxLook answerBox(const Problem &problem, bool solved) const;

    // Every picture and sound the built problem can ask for: the Tiles'
    // normal and highlighted looks, the pattern, sign and answer pictures
    // the upper panel can show, the display pictures of 204 (including the
    // numbers right answers bring) and the spoken task. Taken from the
    // problem as built; no duplicates.
    QStringList mediaNames(const Problem &problem) const override;

private:
    ChoiceState m_state;
    int m_task = 0;
    int m_subtask = 1;
};

std::unique_ptr<Generator> makeChoiceGenerator();

// The relation sign of RelationMode: "obr\201\mensi.Jpg" (1),
// "obr\201\rovnase.Jpg" (2), "obr\201\vetsi.Jpg" (3); "" otherwise.
QString relationSignPicture(int relationMode);

// PBoxDispPaint's geometry for box k.
struct DisplayBoxPaintInput {
    int task = 0;
    int subtask = 1;
    int box = 1;                    // k, 1..7
    QRect current;                  // the box before painting (left, top, width used)
    QSize picture;                  // DispPicture[k]'s size
    bool solved = false;            // PBvyb1's Tag is 1
    int nextLeft = 0;               // 306: Left of box k + 1
    int panel1Width = kPanel1Width;
};
struct DisplayBoxPaint {
    QRect box;                      // the box after painting
    int dx = 0;                     // where the picture is drawn: (dx, 0)
};
// A picture wider than its box while the answer box shows its solved look
// (or 201's first box) is centred, overhanging both sides.
DisplayBoxPaint displayBoxPaint(const DisplayBoxPaintInput &in);

} // namespace flumo
