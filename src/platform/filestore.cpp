#include "platform/filestore.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace flumo {

namespace {

// Case-insensitive name order of the folder listing; names that differ only
// in case keep a fixed order so that listings are reproducible.
bool nameLess(const QString &a, const QString &b)
{
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

QString joinKey(const QString &folderKey, const QString &name)
{
    return folderKey.isEmpty() ? name : folderKey + QLatin1Char('/') + name;
}

} // namespace

FileStore::FileStore(QString root)
    : m_root(std::move(root))
{
    while (m_root.size() > 1 && m_root.endsWith(QLatin1Char('/')))
        m_root.chop(1);
    rescan();
}

QString FileStore::key(const QString &relName)
{
    QString name = relName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // NFC so that a name typed with precomposed letters ("nulák") matches a
    // file whose name was stored decomposed, and the other way round.
    return parts.join(QLatin1Char('/')).normalized(QString::NormalizationForm_C).toLower();
}

void FileStore::rescan()
{
    m_files.clear();
    m_folders.clear();
    if (m_root.isEmpty() || !QFileInfo(m_root).isDir())
        return;

    // Depth-first walk in name order. Several entries that differ only in
    // letter case map to one key; the first in case-sensitive name order
    // ("A" before "a") wins. Symbolic links are followed, but a folder whose
    // canonical path was seen already is not entered again (no link loops).
    QSet<QString> visited;
    struct Pending { QString abs; QString key; };
    std::vector<Pending> stack{{m_root, QString()}};
    while (!stack.empty()) {
        const Pending folder = stack.back();
        stack.pop_back();
        const QString canonical = QFileInfo(folder.abs).canonicalFilePath();
        if (canonical.isEmpty() || visited.contains(canonical))
            continue;
        visited.insert(canonical);
        if (!m_folders.contains(folder.key))
            m_folders.insert(folder.key, folder.abs);

        const QFileInfoList entries = QDir(folder.abs).entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
            QDir::Name);
        std::vector<Pending> subfolders;
        for (const QFileInfo &info : entries) {
            const QString k = joinKey(folder.key, key(info.fileName()));
            if (info.isDir())
                subfolders.push_back({info.absoluteFilePath(), k});
            else if (!m_files.contains(k))
                m_files.insert(k, info.absoluteFilePath());
        }
        // Reversed so that the stack visits subfolders in name order.
        stack.insert(stack.end(), subfolders.rbegin(), subfolders.rend());
    }
}

QString FileStore::resolve(const QString &relName) const
{
    if (relName.startsWith(QLatin1Char('/'))) {
        const QFileInfo info(relName);
        if (info.isFile())
            return info.absoluteFilePath();
        // An absolute name inside the store resolves like its relative rest;
        // any other "/" name is taken as relative (leading separators do not
        // count, as in "\Obr\409\Vyroky.INI").
        if (!m_root.isEmpty() && relName.startsWith(m_root + QLatin1Char('/')))
            return m_files.value(key(relName.mid(m_root.size() + 1)));
    }
    return m_files.value(key(relName));
}

QString FileStore::resolveFolder(const QString &relFolder) const
{
    return m_folders.value(key(relFolder));
}

QStringList FileStore::list(const QString &relFolder, const QString &wildcard) const
{
    const QString folderKey = key(relFolder);
    if (!m_folders.contains(folderKey))
        return {};
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(wildcard),
                                     QRegularExpression::CaseInsensitiveOption);
    const QString prefix = folderKey.isEmpty() ? QString() : folderKey + QLatin1Char('/');
    QStringList names;
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        const QString &k = it.key();
        if (!k.startsWith(prefix) || k.indexOf(QLatin1Char('/'), prefix.size()) >= 0)
            continue;
        const QString name = QFileInfo(it.value()).fileName();
        if (pattern.match(name).hasMatch())
            names.append(name);
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

} // namespace flumo
