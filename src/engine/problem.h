#pragma once
// The per-problem state of the exercise screen and the widget-free steps of
// a Problem build: the spoken prompt decision and the praise animation
// choice. One Problem lives for the life of the exercise screen and is
// rebuilt in place: a value that a build does not set keeps the content the
// previous Problem left in it (generators rely on this, e.g. for the
// prefixes of exercises whose layout does not name them).
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

namespace flumo {

class Random;
struct EngineState;

// The tile pool limits: Tiles and back boxes 1..64.
constexpr int kMaxTiles = 64;
// TileInfo has records 0..23; Tiles above 23 (only 401's grid cells) have
// no record.
constexpr int kTileInfoCount = 24;

// PopisObrazku: what a Tile shows.
struct PopisObrazku {
    QString name;             // picture stem; the look adds "n", "k" or "d" and ".Jpg"
};

struct Problem {
    int tileCount = 0;                                // 0..kMaxTiles
    // TileValue[0] is ProblemValue, a per-problem value of the generators.
    std::array<std::int32_t, kMaxTiles + 1> tileValue{};
    std::array<PopisObrazku, kTileInfoCount> tileInfo{};
    int selectedTile = 0;     // 0 while building; the generator selects 1
    int targetTile = 0;
    int answersNeeded = 1;    // right steps that complete the Problem
    int answersGiven = 0;
    bool freshProblem = false;
    bool problemReady = false; // painters draw nothing while false

    // Layout, set by SetUpExerciseLayout.
    int gridRows = 1;
    int gridColumns = 1;
    int cellWidth = 0;        // pixels
    int cellHeight = 0;
    int gridLeft = 0;         // may be negative
    int gridTop = 0;
    bool gridAligned = false; // centre each Tile in its cell, else jitter it
    bool noChoicePanel = false; // hide the pattern row boxes
    int numberWidth = 2;      // zero-pad widths of numbers in picture names
    int altNumberWidth = 2;
    QString tilePicturePrefix;
    QString altPicturePrefix;
    QString samplePicture;
    int firstCard = 1000;     // the memory game's first turned card

    std::int32_t problemValue() const { return tileValue[0]; }
    void setProblemValue(std::int32_t v) { tileValue[0] = v; }

    // The stem of Tile i, "" for indexes without a TileInfo record.
    QString stem(int i) const;

    // Start of a build: nothing selected, fresh, not ready.
    void beginBuild();
    // Just before the generator runs: no steps given yet, painters may draw.
    void markReady();
};

// The spoken prompt of a build (shown while the prompt animation runs).
struct PromptPlan {
    bool speak = false;       // false: no draw was made and nothing is played
    int animation = 0;        // k, 1..4
    QString animationFile;    // "obr-pom\nulinka" + k + ".GIF"
    int variant = 0;          // v
    int take = 0;             // m, 1..PromptCountTable entry
    QString soundFile;        // "Zvuky\TTT\uvTTT_v-m.wav"
};

// The prompt variant v of an exercise in a subtask.
int promptVariant(int task, int subtask);
// "Zvuky\" + TTT + "\uv" + TTT + "_" + v + "-" + m + ".wav".
QString promptFileName(int task, int variant, int take);
// Whether a build speaks: an exercise (below 500) with prompts whose
// exercise or subtask changed since the previous Problem, or that was just
// picked on the intro screen. When it speaks, k is drawn first, then m.
PromptPlan planPrompt(const EngineState &state, Random &random);

// The praise animation of a build: n := Random(1..30).
struct PraiseAnimation {
    int number = 0;
    QString file;             // "obr-pom\nulák" + NN + ".GIF"
};
PraiseAnimation choosePraiseAnimation(Random &random);
// Top-left of PanelGifu1 for an animation of the given size: left 30 plus
// Random(0..740 - w - 1), top 240 plus Random(0..340 - h - 1). When the
// animation leaves no room (upper bound below 0) that offset is 0 and no
// number is drawn for it.
QPoint placePraisePanel(QSize animation, Random &random);

} // namespace flumo
