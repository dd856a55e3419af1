#pragma once
// Media of the shape exercises (103..107), the size row (109), the odd
// picture (110) and the picture and number rows (112, 208, 311).
#include "family.h"
#include "prompts.h"

#include <QImage>
#include <vector>

namespace mediagen::shapes {

// Shape s (1..8) in size z (1..6) and colour c (1..6); display: the small
// look of the upper panel, else the tile (highlighted or not).
QImage shapePicture(int shape, int size, int colour, bool display, bool highlighted);
// "Najdi ..." for shape s with the given attributes (0: not named); size
// flag 2 names it small, 1 large. The adjectives agree with the noun.
QString shapeTask(int shape, int sizeFlag, int colour);
// Every spoken task of 103..106 and 109.
std::vector<SpokenText> spokenTasks();

// 110: picture set k (1..67), variant 1 or 2, in a look (0 normal,
// 1 highlighted, 2 display).
QImage oddPicture(int set, int variant, int look);
// 112: picture n (1..90) in a look.
QImage patternPicture(int n, int look);
// An empty window of a row or an equation: a dashed frame with a question
// mark ("obr\\okno*.jpg", and the media-root marker container).
QImage window(QSize size);

} // namespace mediagen::shapes
