#pragma once
// Parsed INI files by absolute path. A file is parsed again only when its
// size or modification time changed, so a screen may ask for its caption
// files on every problem without reading and parsing them each time.
#include "platform/inifile.h"
#include <QDateTime>
#include <QHash>
#include <QString>
#include <memory>

namespace flumo {

class IniCache {
public:
    // The file as it is on disk now; an empty IniFile for an empty path or
    // a missing or unreadable file. The value is shared and never changes.
    std::shared_ptr<const IniFile> load(const QString &path);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        std::shared_ptr<const IniFile> ini;
    };
    QHash<QString, Entry> m_entries;
};

} // namespace flumo
