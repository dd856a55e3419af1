// The "Punt" files of the dot pictures: a picture read from any bytes has
// exactly one value per cell of its grid, each no dot or a dot.
#include "fuzzcommon.h"
#include "games/dotpicture.h"
#include "platform/inifile.h"

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IniFile ini = IniFile::fromBytes(fuzz::bytesOf(data, size));
    for (int level = 1; level <= 3; ++level) {
        const int side = dotGridSide(level);
        for (int n = 1; n <= dotPictureCount(level); n += 7) {
            const std::vector<int> cells = readDotPicture(ini, n, side);
            fuzz::require(cells.size() == std::size_t(side * side), "one value per cell");
            for (int v : cells)
                fuzz::require(v == 0 || v == 1, "a cell is a dot or none");
        }
    }
    return 0;
}
