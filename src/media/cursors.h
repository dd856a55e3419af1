#pragma once
#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <optional>

namespace flumo {

struct CursorImage {
    QImage image;
    QPoint hotSpot;    // inside the image
};

// The pointer picture and hot spot in ".cur" bytes; nullopt when they are
// not a pointer file or the picture cannot be decoded. Needs no display.
std::optional<CursorImage> decodeCursor(QByteArray bytes);

// Reads a Windows ".cur" pointer. Qt decodes the image but not the hot spot,
// which is read from the file's directory entry. nullopt for a missing or
// broken file (the caller keeps the default arrow).
std::optional<QCursor> loadCursor(const QString &path);

} // namespace flumo
