#include "packwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace mediagen {

namespace {
QStringList components(const QString &name)
{
    return name.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}
} // namespace

QString diskPath(const QString &name)
{
    QStringList parts = components(name);
    for (int i = 0; i + 1 < parts.size(); ++i)
        parts[i] = parts[i].toLower();
    return parts.join(QLatin1Char('/'));
}

bool collectFiles(const std::vector<std::unique_ptr<Family>> &families,
                  std::vector<PackEntry> *out, QString *error)
{
    QHash<QString, QString> owner; // folded name -> family id
    std::vector<PackEntry> entries;
    for (int f = 0; f < int(families.size()); ++f) {
        const Family &family = *families[f];
        const bool safe = family.threadSafe();
        for (MediaFile &file : family.files()) {
            const QString key = components(file.name).join(QLatin1Char('\\')).toCaseFolded();
            if (key.isEmpty() || !file.make) {
                if (error)
                    *error = QStringLiteral("family %1 gives an empty entry \"%2\"").arg(family.id(), file.name);
                return false;
            }
            const auto it = owner.constFind(key);
            if (it != owner.constEnd()) {
                if (error)
                    *error = QStringLiteral("\"%1\" is made twice (families %2 and %3)")
                                 .arg(file.name, it.value(), family.id());
                return false;
            }
            owner.insert(key, family.id());
            entries.push_back({file.name, f, safe, std::move(file.make), file.fingerprint, std::move(file.prepare)});
        }
    }
    *out = std::move(entries);
    return true;
}

QStringList sortedNames(const std::vector<PackEntry> &entries)
{
    QStringList names;
    names.reserve(int(entries.size()));
    for (const PackEntry &e : entries)
        names << e.name;
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

// Hands out entries so that a family whose make() is not thread-safe never
// has two of its files in work at once.
class Scheduler {
public:
    explicit Scheduler(const std::vector<PackEntry> &entries)
    {
        for (int i = 0; i < int(entries.size()); ++i) {
            const int f = entries[i].family;
            if (f >= int(m_queues.size())) {
                m_queues.resize(f + 1);
                m_busy.resize(f + 1, false);
                m_safe.resize(f + 1, false);
            }
            m_queues[f].push_back(i);
            m_safe[f] = entries[i].familyThreadSafe;
            ++m_left;
        }
    }

    // The next entry to make, or -1 when everything is handed out.
    int take()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_left == 0)
                return -1;
            // Serial families first: they cannot be split across workers,
            // so starting them early keeps both workers busy to the end.
            for (bool wantSafe : {false, true})
                for (size_t f = 0; f < m_queues.size(); ++f) {
                    if (m_queues[f].empty() || m_busy[f] || m_safe[f] != wantSafe)
                        continue;
                    const int index = m_queues[f].front();
                    m_queues[f].pop_front();
                    if (!m_safe[f])
                        m_busy[f] = true;
                    --m_left;
                    return index;
                }
            m_ready.wait(lock);
        }
    }

    void done(int family)
    {
        {
            std::lock_guard lock(m_mutex);
            m_busy[family] = false;
        }
        m_ready.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<std::deque<int>> m_queues;
    std::vector<bool> m_busy;
    std::vector<bool> m_safe;
    int m_left = 0;
};

// Writes bytes to path unless the file already holds exactly them.
// Returns 1 when written, 0 when left alone, -1 on failure.
int writeIfChanged(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile existing(path);
    if (existing.exists() && existing.size() == bytes.size() && existing.open(QIODevice::ReadOnly)) {
        if (existing.readAll() == bytes)
            return 0;
        existing.close();
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QStringLiteral("cannot create the folder of %1").arg(path);
        return -1;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, out.errorString());
        return -1;
    }
    return 1;
}

// What an earlier run recorded of a file: the fingerprint it was made from
// and its size then.
struct Made {
    QString print;
    qint64 size = -1;   // -1: not recorded
};
using Fingerprints = QHash<QString, Made>;

// "name TAB fingerprint [TAB size]" lines.
Fingerprints readFingerprints(const QString &path)
{
    Fingerprints out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 2 || fields[0].isEmpty())
            continue;
        bool ok = false;
        const qint64 size = fields.size() > 2 ? fields[2].toLongLong(&ok) : -1;
        out.insert(QString::fromUtf8(fields[0]), {QString::fromUtf8(fields[1]), ok ? size : -1});
    }
    return out;
}

QByteArray fingerprintBytes(const Fingerprints &prints)
{
    QStringList names = prints.keys();
    std::sort(names.begin(), names.end());
    QByteArray out;
    for (const QString &name : names) {
        const Made &m = prints[name];
        out += name.toUtf8() + '\t' + m.print.toUtf8() + '\t' + QByteArray::number(m.size) + '\n';
    }
    return out;
}

} // namespace

WriteResult writePack(const std::vector<PackEntry> &entries, const QString &outDir, int workers,
                      const QString &buildPrint)
{
    WriteResult result;
    Scheduler scheduler(entries);
    std::mutex resultMutex;
    const QString root = QDir(outDir).absolutePath() + QLatin1Char('/');
    const Fingerprints known = readFingerprints(root + QLatin1String(kFingerprintFile));
    Fingerprints made; // guarded by resultMutex

    auto printOf = [&](const PackEntry &entry) {
        return entry.fingerprint.isEmpty() ? buildPrint : entry.fingerprint;
    };
    // Made from the same fingerprint, and still there as it was written (a
    // file cut short or replaced by a different size is made again).
    auto kept = [&](const PackEntry &entry) {
        const QString print = printOf(entry);
        if (print.isEmpty())
            return false;
        const auto it = known.constFind(entry.name);
        if (it == known.constEnd() || it->print != print)
            return false;
        const QFileInfo file(root + diskPath(entry.name));
        return file.isFile() && (it->size < 0 || file.size() == it->size);
    };
    for (const PackEntry &entry : entries)
        if (entry.prepare && !kept(entry))
            entry.prepare();

    auto work = [&] {
        for (int index = scheduler.take(); index >= 0; index = scheduler.take()) {
            const PackEntry &entry = entries[index];
            const QString path = root + diskPath(entry.name);
            QString error;
            int written = -1;
            qint64 size = -1;
            if (kept(entry)) {
                scheduler.done(entry.family);
                written = 0;
                size = known.value(entry.name).size;
            } else {
                const QByteArray bytes = entry.make();
                scheduler.done(entry.family);
                size = bytes.size();
                if (bytes.isEmpty())
                    error = QStringLiteral("%1: made no bytes").arg(entry.name);
                else
                    written = writeIfChanged(path, bytes, &error);
            }
            const QString print = printOf(entry);
            std::lock_guard lock(resultMutex);
            if (written >= 0 && !print.isEmpty())
                made.insert(entry.name, {print, size});
            ++result.files;
            if (written > 0) {
                ++result.written;
                result.writtenNames << entry.name;
            }
            if (written < 0)
                result.errors << error;
        }
    };

    std::vector<std::thread> threads;
    for (int i = 1; i < qMax(1, workers); ++i)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    // A fingerprinted file of an earlier run that the pack no longer holds
    // (a renamed praise sound) would still be listed by the settings
    // screen, which lists the folder: remove it.
    QSet<QString> current;
    for (const PackEntry &entry : entries)
        current.insert(entry.name);
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        if (!current.contains(it.key()))
            QFile::remove(root + diskPath(it.key()));
    QString error;
    if (writeIfChanged(root + QLatin1String(kFingerprintFile), fingerprintBytes(made), &error) < 0)
        result.errors << error;
    result.errors.sort();
    result.writtenNames.sort();
    return result;
}

} // namespace mediagen
