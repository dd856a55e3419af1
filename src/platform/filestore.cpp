#include "platform/filestore.h"
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
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
    m_folders.clear();
}

const FileStore::Folder *FileStore::folder(const QString &folderKey) const
{
    if (const auto it = m_folders.find(folderKey); it != m_folders.end())
        return it->second ? &*it->second : nullptr;

    QStringList dirs;
    if (folderKey.isEmpty()) {
        if (!m_root.isEmpty() && QFileInfo(m_root).isDir())
            dirs.append(m_root);
    } else {
        const qsizetype slash = folderKey.lastIndexOf(QLatin1Char('/'));
        if (const Folder *parent = folder(slash < 0 ? QString() : folderKey.left(slash)))
            dirs = parent->folders.value(folderKey.mid(slash + 1));
    }
    if (dirs.isEmpty()) {
        m_folders.emplace(folderKey, std::nullopt);
        return nullptr;
    }

    // Several entries that differ only in letter case map to one key; the
    // first in case-sensitive name order ("A" before "a") wins. Symbolic
    // links are followed; only names asked for are read, so a link back to
    // an enclosing folder cannot make anything endless.
    // Names only, sorted here: a sorted listing of file infos would hold
    // thousands of them at once for the large picture folders.
    Folder f;
    f.abs = dirs;
    const auto names = [](const QString &dir, QDir::Filters kind) {
        QStringList out;
        QDirIterator it(dir, kind | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            it.next();
            out.append(it.fileName());
        }
        std::sort(out.begin(), out.end());
        return out;
    };
    for (const QString &dir : dirs) {
        QString base = QDir(dir).absolutePath();
        if (!base.endsWith(QLatin1Char('/')))
            base += QLatin1Char('/');
        for (const QString &name : names(dir, QDir::Dirs))
            f.folders[key(name)].append(base + name);
        for (const QString &name : names(dir, QDir::Files)) {
            const QString k = key(name);
            if (!f.files.contains(k))
                f.files.insert(k, base + name);
        }
    }
    return &*m_folders.emplace(folderKey, std::move(f)).first->second;
}

QString FileStore::resolve(const QString &relName) const
{
    QString k;
    if (relName.startsWith(QLatin1Char('/'))) {
        const QFileInfo info(relName);
        if (info.isFile())
            return info.absoluteFilePath();
        // An absolute name inside the store resolves like its relative rest;
        // any other "/" name is taken as relative (leading separators do not
        // count, as in "\Obr\409\Vyroky.INI").
        if (!m_root.isEmpty() && relName.startsWith(m_root + QLatin1Char('/')))
            k = key(relName.mid(m_root.size() + 1));
    }
    if (k.isEmpty())
        k = key(relName);
    const qsizetype slash = k.lastIndexOf(QLatin1Char('/'));
    const Folder *f = folder(slash < 0 ? QString() : k.left(slash));
    return f ? f->files.value(k.mid(slash + 1)) : QString();
}

QString FileStore::resolveFolder(const QString &relFolder) const
{
    const Folder *f = folder(key(relFolder));
    return f ? f->abs.first() : QString();
}

QStringList FileStore::list(const QString &relFolder, const QString &wildcard) const
{
    const Folder *f = folder(key(relFolder));
    if (!f)
        return {};
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(wildcard),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString &path : f->files) {
        const QString name = QFileInfo(path).fileName();
        if (pattern.match(name).hasMatch())
            names.append(name);
    }
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

} // namespace flumo
