#pragma once
// Case-insensitive file store over one folder. Names are relative, written
// with "\" (or "/") separators in any letter case, possibly with doubled
// separators ("obr\\201\cisl5n.Jpg"); they resolve to the one existing file
// whose path matches without regard to case. The folder tree is indexed once
// at construction (and again on rescan()); lookups never touch the disk.
#include <QHash>
#include <QString>
#include <QStringList>

namespace flumo {

class FileStore {
public:
    // root: an absolute folder. A missing folder gives an empty store.
    explicit FileStore(QString root = {});

    const QString &root() const { return m_root; }

    // Re-reads the folder tree (after files were added or removed).
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
    QString m_root;
    QHash<QString, QString> m_files;   // key -> absolute path
    QHash<QString, QString> m_folders; // key -> absolute path ("" is the root)
};

} // namespace flumo
