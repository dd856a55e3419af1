#pragma once
// Media of the colouring games 411 and 502 (colouring.cpp): the outline
// pictures and the data files derived from them.
#include "family.h"
#include <QImage>
#include <QPoint>
#include <vector>

namespace mediagen::colouring {

// The regions of an outline picture as found by flood fills bounded by
// black: one marker per region (the pixel farthest from its outline), and
// the point of the surroundings (x < 0 when there are none).
struct Analysis {
    std::vector<QPoint> marks;
    QPoint outside{-1, -1};
};

// 465 x 380 outline of 411 (level 1 or 2, picture 1..10).
QImage outlinePicture(int level, int picture);
// 480 x 480 outline of card set 1..10 for 502.
QImage rewardPicture(int set);
// Makes img's outline pure black, fills areas too small to point at black
// and finds the regions; the area around `outside` is the surroundings.
Analysis analyse(QImage &img, QPoint outside);
// Colour i (1-based) of picture's palette of `colours` colours.
QRgb paletteColour(int picture, int colours, int i);
// The data file text; colours 0 for 502 (no palette, no places coloured
// in advance).
QString dataFile(const Analysis &a, int picture, int colours);

} // namespace mediagen::colouring

namespace mediagen {
std::unique_ptr<Family> makeColouringFamily();
} // namespace mediagen
