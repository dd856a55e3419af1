// The figure files of connect-the-numbers: a figure read from any bytes has
// at most the points the labels allow, every one on the drawing area, and the
// keyboard order names each number once.
#include "fuzzcommon.h"
#include "games/connect.h"
#include "platform/inifile.h"
#include <algorithm>

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ConnectFigure f = readConnectFigure(IniFile::fromBytes(fuzz::bytesOf(data, size)));
    fuzz::require(f.points.size() <= std::size_t(kConnectMaxPoints), "no more points than labels");
    for (const QPoint &p : f.points)
        fuzz::require(p.x() >= 0 && p.x() <= 450 && p.y() >= 0 && p.y() <= 450, "points on the area");
    std::vector<int> order = connectOrder(f.points);
    std::sort(order.begin(), order.end());
    fuzz::require(order.size() == f.points.size(), "the order names every point");
    for (std::size_t k = 0; k < order.size(); ++k)
        fuzz::require(order[k] == int(k) + 1, "each number once");
    return 0;
}
