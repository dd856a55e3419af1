#pragma once
#include <QCursor>
#include <optional>

namespace flumo {

// Reads a Windows ".cur" pointer. Qt decodes the image but not the hot spot,
// which is read from the file's directory entry. nullopt for a missing or
// broken file (the caller keeps the default arrow).
std::optional<QCursor> loadCursor(const QString &path);

} // namespace flumo
