#pragma once
// The interface the exercise generators plug into. A generator builds one
// Problem of its exercises from the engine state and the layout values:
// it fills TileValue, the Tiles' stems and TargetTile, has the Tiles laid
// out and shown, selects Tile 1 and may start a spoken task. It touches no
// widget: everything it shows goes through the ProblemHost, which the
// exercise screen implements. The screen keeps one generator instance
// while its exercise is on, so state a family's answer rule needs after the
// build can live in the generator.
#include <QByteArray>
#include <QImage>
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
    bool oneKey = false;      // one-key colouring
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

// The boxes of the exercise screen a game places, paints and hears clicks
// on, numbered n where the kind has several: Tile "PBox" n, Back "VBox" n;
// Price is PB0, Total PB0celk, Picture PB1pom, Task PaintBox2 (n unused);
// Screen is the screen's own face over its background picture (n unused;
// painted only, never placed or clicked).
enum class GameBox { Tile, Back, Price, Total, Picture, Task, Screen };

// One picture of a box a game paints, drawn in order at `at` (pixels inside
// the box; the box clips).
struct PictureDraw {
    QString name;
    QPoint at;
    // The colour of the picture's bottom-left pixel is left out (the small
    // counter pictures laid over a coloured panel).
    bool transparent = false;
    // A picture the game made itself, drawn instead of `name` when not null.
    QImage image;
};

// Virtual-key codes of the keys a game may take (the codes the screen's
// key handler uses).
struct GameKey {
    enum : int { Enter = 13, Space = 32, Left = 37, Up = 38, Right = 39, Down = 40 };
};

// Where a key handed to a game comes from: the keyboard, a Tile click handed
// on as Enter, or a click on the picture box PB0.
enum class InputFrom { Keyboard, Tile, Picture };

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
    // start; a missing file is skipped as well. Also PlayUiSound, the click
    // and game sounds (F2 does not repeat them).
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
    // The reprimand of a wrong answer (the alert sound when the settings ask
    // for it, else a reprimand sound), without counting an error: for a
    // family's own control tiles that refuse a step.
    virtual void reprimand() {}
    // The figure on the riddle panel (PanelSamana1): shown and animated
    // (thinking), or its animation stopped (it stays shown).
    virtual void animateRiddleFigure(bool thinking) { (void)thinking; }
    // Tile i drawn face down (the riddle's card back) until the next build.
    virtual void coverTile(int i) { (void)i; }

    // --- Services of the games. A host without the boxes keeps these
    // do-nothing defaults (tests that only build problems).

    // Moves and sizes a game box; rect is in the coordinates of the box's
    // parent (the screen, or the extra panel the box lies in).
    virtual void placeBox(GameBox box, int n, const QRect &rect) { (void)box, (void)n, (void)rect; }
    // Paints the box now (Generator::paintBox, else the common painter) and
    // makes it visible.
    virtual void drawBox(GameBox box, int n) { (void)box, (void)n; }
    virtual void hideBox(GameBox box, int n) { (void)box, (void)n; }
    // SelectedTile := n, the old Tile drawn normal and Tile n highlighted.
    virtual void selectTile(int n) { (void)n; }
    // Runs Generator::tick every intervalMs milliseconds while the problem
    // is on; 0 stops it. A new problem always starts with it stopped.
    virtual void setGameTimer(int intervalMs) { (void)intervalMs; }
    // The decoded picture of the media folder; null when it cannot be read.
    virtual QImage pictureImage(const QString &name) { (void)name; return {}; }
    // The bytes of a file of the working folder (a game's data file); empty
    // when it cannot be read.
    virtual QByteArray readDataFile(const QString &name) { (void)name; return {}; }
    // Enables or disables Tile i (a disabled Tile hears no pointer) and
    // redraws it.
    virtual void setTileEnabled(int i, bool on) { (void)i, (void)on; }
    // Hands a key to the screen's key handler as if released now (a click a
    // game turns into a key), the game's takeKey first.
    virtual void handKey(int key, InputFrom from) { (void)key, (void)from; }
    // Stores the one-key colouring setting.
    virtual void setOneKey(bool on) { (void)on; }
    // Moves the mouse pointer onto `at` (pixels inside the box).
    virtual void movePointer(GameBox box, int n, QPoint at) { (void)box, (void)n, (void)at; }
    // A blocking pause inside a game step: what the step drew is shown
    // first, then the screen waits ms milliseconds.
    virtual void pause(int ms) { (void)ms; }
    // The system alert beep (a game's plain "not this one").
    virtual void beep() {}
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
    // EnsureTiles for the current TileCount, for a game that sets its Tile
    // count itself during the build (the layout skipped it): Tiles and back
    // boxes up to TileCount exist afterwards.
    virtual void ensureTiles() {}
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
    // The picture pattern row box `box` (one PatternRow::Box) shows now, for
    // families whose row follows the child's steps; "" keeps the screen's
    // own rule. solved: the answer box shows its solved look.
    virtual QString patternRowPicture(unsigned box, const Problem &problem, bool solved) const
    {
        (void)box, (void)problem, (void)solved;
        return {};
    }
    // The sound the build started through ProblemHost::playSound has just
    // been played by the sound-start timer (to its end when it was started
    // with waiting). A family that speaks in parts goes on here. Returns true
    // when the problem has only now become ready for answers (the screen then
    // starts the automatic cursor movement when that setting is on).
    virtual bool soundPlayed(ProblemHost &host)
    {
        (void)host;
        return false;
    }

    // --- Hooks of the games: a game keeps its state, drawing and input in
    // its own source and the exercise screen stays the common frame. Each
    // hook is asked only after this generator built the current problem;
    // the defaults leave everything to the common frame.

    // The cursor step of a cursor key (GameKey::Space, Left, Up, Right,
    // Down; Space also for the automatic movement) from Tile `from`: the
    // Tile to select, 0 to stay, -1 for the common grid rule.
    virtual int cursorStep(const Problem &problem, int key, int from) const
    {
        (void)problem, (void)key, (void)from;
        return -1;
    }
    // A cursor key (Space, arrows, Enter) before the common frame moves the
    // cursor or answers; tile: the clicked Tile when from is InputFrom::Tile.
    // Returns true when the game consumed it; it may change key (Enter into
    // Space) for the common frame.
    virtual bool takeKey(ProblemContext &ctx, int &key, InputFrom from, int tile)
    {
        (void)ctx, (void)key, (void)from, (void)tile;
        return false;
    }
    // A left click on a game box at `at` (pixels inside it), before the
    // common frame (which answers a click on the selected Tile). Returns
    // true when the game consumed it.
    virtual bool click(ProblemContext &ctx, GameBox box, int n, QPoint at)
    {
        (void)ctx, (void)box, (void)n, (void)at;
        return false;
    }
    // The drawing of a box of `size`: look is the Tile's state letter ('n'
    // normal, 'k' highlighted; 'n' for other boxes). Returns false to leave
    // the box to the common painter; true when `out` is the whole drawing
    // (possibly empty). host: picture sizes only.
    virtual bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                          std::vector<PictureDraw> &out) const
    {
        (void)problem, (void)box, (void)n, (void)look, (void)size, (void)host, (void)out;
        return false;
    }
    // SelectedTile has just moved away from Tile `from` (pointer, keys, the
    // automatic movement or ProblemHost::selectTile).
    virtual void cursorMoved(ProblemContext &ctx, int from) { (void)ctx, (void)from; }
    // One period of the game timer (ProblemHost::setGameTimer).
    virtual void tick(ProblemContext &ctx) { (void)ctx; }
    // The pointer moved over a game box to `at` (pixels inside it).
    virtual void pointerMoved(ProblemContext &ctx, GameBox box, int n, QPoint at)
    {
        (void)ctx, (void)box, (void)n, (void)at;
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
    // intermediate and right-step drawing. A rule overrides this one or
    // judgeStep.
    virtual bool judgeAnswer(Problem &problem, int selected)
    {
        (void)problem, (void)selected;
        return false;
    }
    // The same with the host, the random source and the engine state, for
    // games whose steps draw, play and deal; EvaluateAnswer asks this one.
    // A rule may set AnswersGiven itself (a game that ends early sets it to
    // AnswersNeeded - 1 and accepts).
    virtual bool judgeStep(ProblemContext &ctx, int selected) { return judgeAnswer(ctx.problem, selected); }
    // A wrong answer now belongs to the game's own controls (in 404: nothing
    // is laid on the counter yet): neither reprimanded nor counted. Asked
    // after a wrong verdict.
    virtual bool quietWrong(const Problem &problem, int selected) const
    {
        (void)problem, (void)selected;
        return false;
    }
};

using GeneratorFactory = std::unique_ptr<Generator> (*)();

// The dispatch table: the factory of the generator that builds a TaskId, or
// nullptr when no generator for it exists yet (or the TaskId is unknown).
GeneratorFactory generatorFor(int task);
// An exercise can be played once its generator exists.
bool isPlayable(int task);

} // namespace flumo
