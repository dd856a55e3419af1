#pragma once
// Case-insensitive file store over one folder. Names are relative, written
// with "\" (or "/") separators in any letter case, possibly with doubled
// separators ("obr\\201\cisl5n.Jpg"); they resolve to the one existing file
// whose path matches without regard to case. Each folder is read once, when
// a lookup first goes through it, and kept until rescan(): start-up reads the
// few folders it needs instead of the whole media tree, and later lookups in
// a folder already read never touch the disk.
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <unordered_map>

namespace flumo {

class FileStore {
public:
    // root: an absolute folder. A missing folder gives an empty store.
    explicit FileStore(QString root = {});

    const QString &root() const { return m_root; }

    // Forgets what was read, so that files added or removed since are seen.
    void rescan();

    // Absolute path of the existing file named by relName, or an empty string.
    // An absolute relName (starting with "/") is checked on disk as it stands.
    QString resolve(const QString &relName) const;
    bool exists(const QString &relName) const { return !resolve(relName).isEmpty(); }

    // Absolute path of an existing folder, or empty.
    QString resolveFolder(const QString &relFolder) const;

    // File names (without folder) in relFolder matching a wildcard such as
    // "*.wav" (case-insensitive), in the order the folder search returns
    // them: sorted by name, case-insensitively.
    QStringList list(const QString &relFolder, const QString &wildcard) const;

    // Canonical lookup key of a relative name: lower case, "/" separators,
    // no leading, trailing or doubled separators.
    static QString key(const QString &relName);

private:
    // One folder key: the folders on disk whose paths match it (several
    // when names differ only in case), their files and subfolders by key.
    struct Folder {
        QStringList abs;                       // in name order; abs.first() is "the" folder
        QHash<QString, QString> files;         // name key -> absolute path
        QHash<QString, QStringList> folders;   // name key -> absolute paths
    };
    struct KeyHash {
        size_t operator()(const QString &k) const { return qHash(k); }
    };
    // The folder of a key ("" is the root), read on first use; null when
    // there is no such folder. The pointer stays valid until rescan().
    const Folder *folder(const QString &folderKey) const;

    QString m_root;
    // Node-based, so that folder() pointers survive later insertions.
    mutable std::unordered_map<QString, std::optional<Folder>, KeyHash> m_folders;
};

} // namespace flumo
