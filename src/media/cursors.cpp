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

std::optional<CursorImage> decodeCursor(QByteArray bytes)
{
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
    // Straight to the icon reader: format detection would load and ask
    // every image plugin installed first (a dozen libraries at start-up).
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return CursorImage{image, QPoint(std::min(hotX, image.width() - 1), std::min(hotY, image.height() - 1))};
}

std::optional<QCursor> loadCursor(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<CursorImage> cursor = decodeCursor(file.readAll());
    if (!cursor)
        return std::nullopt;
    return QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(), cursor->hotSpot.y());
}

} // namespace flumo
