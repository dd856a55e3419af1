#pragma once
// JPEG through libjpeg's IJG API. Decoding never ends the process: libjpeg's
// fatal errors leave by longjmp and come back as an error text.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace flumo {

// Largest width or height accepted; a larger header is reported as broken
// rather than allocated.
constexpr int kMaxPictureSide = 8192;

// Decodes JPEG bytes (baseline or progressive, grey or colour) to an RGB32
// image. On failure returns a null image and sets error.
QImage decodeJpeg(const QByteArray &data, QString *error);

// Encodes an image as baseline JPEG (quality 1..100). Used by the media
// generator and by tests that make their own files.
QByteArray encodeJpeg(const QImage &image, int quality = 90);

} // namespace flumo
