#pragma once
// Animated GIF writer: frames drawn with QPainter become one looping GIF.
#include <QByteArray>
#include <QImage>
#include <vector>

namespace mediagen {

struct GifFrame {
    QImage image;     // any format; pixels with alpha below 128 become transparent
    int delayCs = 10; // display time in hundredths of a second
};

// Encodes frames (all of the first frame's size; others are cropped or padded
// transparent) into a GIF89a that loops for ever. The colours of all frames
// share one palette of at most 255 colours chosen by median cut, plus one
// transparent entry. Returns empty bytes when frames is empty or the encoder
// fails.
QByteArray encodeGif(const std::vector<GifFrame> &frames);

} // namespace mediagen
