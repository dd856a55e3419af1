#pragma once
// Pictures of the equation exercises that other families share.
#include <QImage>

namespace mediagen {

// The empty place of a missing number, "obr\okno.jpg". The media-root
// marker container "Obr\Okno.PT0" carries the same picture: the picture
// loader serves "obr\okno.jpg" from that container first.
QImage gapWindow();

} // namespace mediagen
