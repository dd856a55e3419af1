#pragma once
// Collecting the families' files and writing the media folder.
#include "family.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace mediagen {

struct PackEntry {
    QString name;              // as the family spells it ("obr\tlacitka\help.Jpg")
    int family = 0;            // index into the family table
    bool familyThreadSafe = false;
    std::function<QByteArray()> make;
    QString fingerprint;       // see MediaFile::fingerprint
    std::function<void()> prepare; // see MediaFile::prepare
};

// Every file of every family, in table order. Fails (false, error names
// both families) when two files would land on the same file: names are
// compared as the program's file store resolves them, without regard to
// case and with runs of "\" taken as one.
bool collectFiles(const std::vector<std::unique_ptr<Family>> &families,
                  std::vector<PackEntry> *out, QString *error);

// The relative path on disk for a name: "/" separators, every folder
// component in lower case (so "Obr" and "obr" share one folder), the file
// name as spelt.
QString diskPath(const QString &name);

// The names, sorted, one entry each.
QStringList sortedNames(const std::vector<PackEntry> &entries);

struct WriteResult {
    int files = 0;      // entries made
    int written = 0;    // files whose bytes differed from the disk and were written
    QStringList writtenNames; // their names, sorted
    QStringList errors; // one line per file that failed (empty bytes, write error)
};

// The file in outDir that records which fingerprint each fingerprinted
// file was made from, and its size ("name TAB fingerprint TAB size" lines,
// UTF-8).
inline constexpr const char *kFingerprintFile = ".mediagen-fingerprints";

// Makes every entry on `workers` threads and writes each file whose bytes
// differ from what outDir holds; identical files are left untouched. A
// fingerprinted file that an earlier run made and the entries no longer
// name is removed. Two
// files of one family run at the same time only when that family says its
// make() functions are thread-safe.
// buildPrint, when given, is the fingerprint of every entry that has none
// of its own: it names the maker's build (the generator program), so a run
// of an unchanged generator makes none of them again, and a changed
// generator makes them all (and still writes only what differs).
WriteResult writePack(const std::vector<PackEntry> &entries, const QString &outDir, int workers = 2,
                      const QString &buildPrint = {});

} // namespace mediagen
