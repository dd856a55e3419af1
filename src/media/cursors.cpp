#include "media/cursors.h"

#include <QBuffer>
#include <algorithm>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace flumo {
namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;

quint16 u16At(const QByteArray &b, int offset)
{
    return qFromLittleEndian<quint16>(b.constData() + offset);
}

} // namespace

std::optional<QCursor> loadCursor(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();

    // Directory: reserved 0, type 2 (pointer), image count; then one 16-byte
    // entry per image whose bytes 4..7 are the hot spot x, y.
    if (bytes.size() < kDirectorySize + kEntrySize || u16At(bytes, 0) != 0 || u16At(bytes, 2) != 2
        || u16At(bytes, 4) == 0)
        return std::nullopt;
    int hotX = u16At(bytes, kDirectorySize + 4);
    int hotY = u16At(bytes, kDirectorySize + 6);

    // The image data is laid out as in an icon file; reading it as one keeps
    // the decoder from depending on its support for the pointer type.
    bytes[2] = 1;
    bytes[3] = 0;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    hotX = std::min(hotX, image.width() - 1);
    hotY = std::min(hotY, image.height() - 1);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace flumo
