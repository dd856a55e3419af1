#pragma once
// Tile layout of a Problem as pure functions: the per-exercise layout
// values, the placement of the Tiles in their parent, and the plan of which
// Tiles and back boxes to create or free. The exercise screen applies the
// results to its widgets. Coordinates are design pixels.
#include "engine/problem.h"
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace flumo {

class Random;

// Inclusive range of box numbers; empty when last < first.
struct BoxSpan {
    int first = 1;
    int last = 0;
    bool empty() const { return last < first; }
    int size() const { return empty() ? 0 : last - first + 1; }
    bool contains(int n) const { return n >= first && n <= last; }
};

// What SetUpExerciseLayout reads besides the Problem.
struct LayoutInput {
    int task = 101;
    int level = 1;            // after the level clamp
    int subtask = 1;
    bool noZero = true;       // counting with zero is off
    int cardsPerSet = 9;      // 4 or 9 (501)
    int cardSet = 1;          // 1..10 (501)
};

// SetUpExerciseLayout: resets GridLeft, GridTop, FirstCard, AnswersNeeded,
// GridAligned and NoChoicePanel, applies the exercise's row (other values
// keep their previous content) and caps exercises below 400 other than 201,
// 203 and 205 at 6 Tiles. Returns the Tiles TileCount + 1 .. 10 to hide.
// A subtask outside the exercise's range takes the row's last alternative,
// so no prefix of another exercise survives.
BoxSpan SetUpExerciseLayout(Problem &problem, const LayoutInput &in);

// Where a Tile lives: PanelVyb1, the exercise screen, or one of the extra
// "Pan" + n panels (403's shelves, 411's colour panel).
enum class TileParent { ChoicePanel, Screen, GroupPanel };

// The parent EnsureTiles gives Tiles 1..TileCount: PanelVyb1 below 400, the
// exercise screen from 400 on; none for 411, whose Tiles keep their parent.
std::optional<TileParent> tileParentFor(int task);

// Exercises whose generators name the Tiles themselves; LayOutTiles leaves
// their stems alone.
bool generatorSetsStems(int task);

struct TilePlacement {
    int tile = 0;             // 1..TileCount
    QString stem;             // the stem the Tile shows
    bool stemFormed = false;  // LayOutTiles built the stem from prefix and value
    QRect rect;               // in the coordinates of the parent (or of the panel)
    int groupPanel = 0;       // 0: the Tile's parent; k: moved into "Pan" + k
};

// Size of the "n" picture of Tile i (the name is stem + "n.Jpg"). When the
// picture cannot be read the callback returns the Tile's present size: a
// Tile keeps its size when its picture is missing.
using TilePictureSize = std::function<QSize(int tile, const QString &pictureName)>;

// LayOutTiles for Tiles 1..TileCount. parent: the parent the Tiles have now
// (offset (10, 5) inside PanelVyb1, (40, 230) elsewhere). panel1Width: the
// width of Panel1, the limit of jittered Tiles. Jittered grids draw the
// left offset, then the top offset, per Tile in Tile order; a cell without
// slack draws nothing. 404's Tiles 1..6 are 300 x 87 without a picture;
// 403's Tiles 1..9 end up in the shelf panels 1..3.
std::vector<TilePlacement> LayOutTiles(const Problem &problem, int task, TileParent parent,
                                       int panel1Width, const TilePictureSize &pictureSize,
                                       Random &random);
// Stores the formed stems in TileInfo (Tiles with a record only).
void applyTileStems(Problem &problem, const std::vector<TilePlacement> &placements);

struct BoxRect {
    int box = 0;
    QRect rect;
};

// EnsureTiles as a plan; the screen frees, creates and reparents.
struct TilePlan {
    BoxSpan hideTiles;                 // after 205: Tiles 10..12
    BoxSpan freeTiles;                 // 13..LastTileCount
    BoxSpan freeBackBoxes;             // 17..LastTileCount after 401 or 406
    std::vector<BoxRect> newBackBoxes; // 17..TileCount for 401 and 406
    std::vector<BoxRect> newTiles;     // 13..TileCount
    QString firstTileStem;             // "" or 401's "obr\401\p_prazdny2"
    bool reparent = false;             // give Tiles 1..TileCount the parent
    TileParent parent = TileParent::ChoicePanel;
};
TilePlan EnsureTiles(const Problem &problem, int task, int lastTask, int lastTileCount);

} // namespace flumo
