#include "platform/inicache.h"
#include <QFileInfo>

namespace flumo {

std::shared_ptr<const IniFile> IniCache::load(const QString &path)
{
    if (path.isEmpty())
        return std::make_shared<const IniFile>();
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_entries.remove(path);
        return std::make_shared<const IniFile>();
    }
    const QDateTime modified = info.lastModified();
    const qint64 size = info.size();
    auto it = m_entries.find(path);
    if (it == m_entries.end() || it->modified != modified || it->size != size)
        it = m_entries.insert(path, Entry{modified, size, std::make_shared<const IniFile>(IniFile::load(path))});
    return it->ini;
}

} // namespace flumo
