#pragma once
// The interface the exercise generators plug into. A generator builds one
// Problem of its exercises from the engine state and the layout values:
// it fills TileValue, the Tiles' stems and TargetTile, has the Tiles laid
// out and shown, selects Tile 1 and may start a spoken task. It touches no
// widget: everything it shows goes through the ProblemHost, which the
// exercise screen implements. The screen keeps one generator instance
// while its exercise is on, so state a family's answer rule needs after the
// build can live in the generator.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace flumo {

class Random;
struct EngineState;
struct Problem;

// The settings a generator reads.
struct GeneratorSettings {
    bool noZero = true;       // counting with zero is off
    int cardsPerSet = 9;      // 4 or 9
    int cardSet = 1;          // 1..10
};

// The boxes of the pattern row on Panel1, as bits of a mask:
// PatternRow::Pattern | PatternRow::Answer.
struct PatternRow {
    enum Box : unsigned {
        Pattern = 1u << 0,    // PBvz1, shows SamplePicture
        Sign = 1u << 1,       // PBrov1, the relation sign
        Answer = 1u << 2,     // PBvyb1
    };
};

class ProblemHost {
public:
    virtual ~ProblemHost() = default;
    // Size of a picture of the media folder; an invalid QSize when it
    // cannot be read.
    virtual QSize pictureSize(const QString &name) = 0;
    // LayOutTiles for the current Problem, applied to Tiles 1..TileCount
    // (stems stored, Tiles moved and sized).
    virtual void layOutTiles() = 0;
    // Draws Tile i in its present look and makes it visible.
    virtual void showTile(int i) = 0;
    // Paints the given pattern row boxes (a PatternRow mask) and makes
    // them visible; hides the other two when hideOthers; places the visible
    // ones side by side, centred in Panel1, when arrange.
    virtual void drawPatternRow(unsigned boxes, bool hideOthers, bool arrange) = 0;
    // PlaySound: starts a sound of the media folder; a missing file is
    // skipped. wait: return only when it has ended.
    virtual void playSound(const QString &name, bool wait) = 0;
    // Hands a sound straight to the device, without PlaySound's delayed
    // start; a missing file is skipped as well.
    virtual void playDirect(const QString &name, bool wait) { playSound(name, wait); }
    // Display box PBoxDisp k (1..7) of Panel1: DispPicture[k] := picture,
    // the box moves to left and takes width (pixels inside Panel1); when
    // draw it is painted (PBoxDispPaint) and shown, else it stays hidden
    // until a later paint. Only families with display boxes call it, so a
    // host without them may keep this empty default.
    virtual void placeDisplayBox(int k, const QString &picture, int left, int width, bool draw)
    {
        (void)k, (void)picture, (void)left, (void)width, (void)draw;
    }
    // DispPicture[k] := picture without touching display box k (the answer
    // box of some families shows a DispPicture).
    virtual void setDisplayPicture(int k, const QString &picture) { (void)k, (void)picture; }
    // Tile i (1..64) moves to rect inside the tile panel, is drawn in its
    // present look and shown; interactive false: it only shows something
    // and takes neither pointer nor clicks (true gives both back). For
    // families that place Tiles outside LayOutTiles.
    virtual void placeTile(int i, const QRect &rect, bool interactive) { (void)i, (void)rect, (void)interactive; }
    virtual void hideTile(int i) { (void)i; }
    // The number animation RxGIFAnim2 at the left of Panel1: loads the GIF,
    // shows it and starts it.
    virtual void showAnimation(const QString &file) { (void)file; }
};

// A picture a family draws over a Tile after the Tile's own picture, at an
// offset inside the Tile.
struct TileOverlay {
    QPoint at;
    QString picture;
};

// Everything a build may read or write. All references outlive the call.
struct ProblemContext {
    Problem &problem;
    EngineState &state;
    const GeneratorSettings &settings;
    Random &random;
    ProblemHost &host;
};

class Generator {
public:
    virtual ~Generator() = default;
    // Builds the Problem of state.currentTask (level and subtask already
    // clamped, layout already set).
    virtual void build(ProblemContext &ctx) = 0;
    // Every picture and sound the built problem can ask for beyond what the
    // build itself measured or played (answer-box looks, display pictures,
    // sounds of later steps). The media walk checks them against the pack.
    virtual QStringList mediaNames(const Problem &problem) const
    {
        (void)problem;
        return {};
    }
    // Exercises that are never judged (they present or explore what the
    // child chose) take the chosen tile here: the family does its step
    // through ctx.host and returns true, and nothing is judged or counted.
    // false (the default): the answer is judged as usual.
    virtual bool takeChoice(ProblemContext &ctx, int selected)
    {
        (void)ctx, (void)selected;
        return false;
    }
    // Pictures drawn over Tile i after its own picture; none by default.
    virtual std::vector<TileOverlay> tileOverlays(const Problem &problem, int tile) const
    {
        (void)problem, (void)tile;
        return {};
    }
};

// A generator whose exercises judge answers by a rule of their own also
// derives from this; EvaluateAnswer asks it instead of comparing
// SelectedTile with TargetTile.
class AnswerRule {
public:
    virtual ~AnswerRule() = default;
    // The verdict on tile `selected` (1-based), asked before AnswersGiven
    // counts it; it may recompute TargetTile and do the family's
    // intermediate and right-step drawing.
    virtual bool judgeAnswer(Problem &problem, int selected) = 0;
};

using GeneratorFactory = std::unique_ptr<Generator> (*)();

// The dispatch table: the factory of the generator that builds a TaskId, or
// nullptr when no generator for it exists yet (or the TaskId is unknown).
GeneratorFactory generatorFor(int task);
// An exercise can be played once its generator exists.
bool isPlayable(int task);

} // namespace flumo
