// The maze file: every maze read from any bytes stays inside its grid, holds
// only walls, paths and numbers, and has its start (when it has one) on an
// open cell; the solvability check ends on every grid.
#include "fuzzcommon.h"
#include "games/maze.h"
#include "platform/inifile.h"

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IniFile ini = IniFile::fromBytes(fuzz::bytesOf(data, size));
    for (int m = 1; m <= kMazeCount; ++m) {
        const MazeGrid g = readMaze(ini, m);
        for (std::uint8_t v : g.cells)
            fuzz::require(v == kMazeOpen || v == kMazeWall || (v >= 1 && v <= kMazeNumbers), "known cell values");
        if (g.startRow != 0) {
            fuzz::require(g.startRow >= 1 && g.startRow <= kMazeRows, "start row inside");
            fuzz::require(g.startColumn >= 1 && g.startColumn <= kMazeColumns, "start column inside");
            fuzz::require(g.at(g.startRow, g.startColumn) == kMazeOpen, "start on a path");
        }
        (void)mazeSolvable(g);
    }
    return 0;
}
