// The media generator's shell pictures, INI files and pointers, and the
// writer that lays the folder out on disk.
#include "draw.h"
#include "family.h"
#include "packwriter.h"
#include "engine/catalog.h"
#include "media/cursors.h"
#include "media/pictureloader.h"
#include "platform/filestore.h"
#include "platform/inifile.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <thread>

using namespace mediagen;
using flumo::FileStore;
using flumo::PictureLoader;

namespace {

QString pad(int n, int width) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }

// The exercises of groups 1 to 4 as the program's catalog defines them.
std::vector<flumo::CatalogEntry> programExercises()
{
    std::vector<flumo::CatalogEntry> out;
    for (const flumo::CatalogEntry &e : flumo::catalog())
        if (e.group <= 4)
            out.push_back(e);
    return out;
}

// The names of the shell's pictures that follow the program's catalog: the
// toolbar's labels and the intro's rows of every exercise, level and subtask.
QSet<QString> catalogShellNames()
{
    QSet<QString> names;
    const QString t = QStringLiteral("obr\\tlacitka\\"), u = QStringLiteral("obr\\uvod\\");
    for (const flumo::CatalogEntry &e : programExercises()) {
        const QString id = pad(e.taskId, 3);
        names << t + "ukol" + id + ".Jpg";
        for (int s = 1; e.subtasks > 1 && s <= e.subtasks; ++s)
            names << t + "var" + id + "_" + QString::number(s) + ".Jpg";
        for (int l = 1; e.maxLevel > 1 && l <= e.maxLevel; ++l)
            names << t + "urov" + id + "_" + QString::number(l) + ".Jpg";
    }
    for (int g = 1; g <= 4; ++g)
        for (int r = 1; r <= int(flumo::groupExercises(g).size()); ++r)
            names << u + "vyb" + pad(g, 2) + "_" + pad(r, 2) + "n.Jpg" << u + "vyb" + pad(g, 2) + "_" + pad(r, 2) + "k.Jpg";
    return names;
}

// The size of the box that shows a picture; invalid for names not listed.
QSize expectedSize(const QString &name)
{
    static const struct {
        const char *pattern;
        int w, h;
    } boxes[] = {
        {R"(obr\\tlacitka\\(menu|hodnoc2?|param|znovu|help|repro)\.jpg)", 23, 20},
        {R"(obr\\tlacitka\\sipka[12][nk]\.jpg)", 18, 20},
        {R"(obr\\tlacitka\\ukol\d{3}\.jpg)", 178, 20},
        {R"(obr\\tlacitka\\var(000|\d{3}_\d)\.jpg)", 152, 20},
        {R"(obr\\tlacitka\\urov(000|\d{3}_\d)\.jpg)", 134, 20},
        {R"(obr\\uvod\\bgr\.jpg|obr-pom\\bgr0?\.jpg)", 800, 600},
        {R"(obr\\uvod\\tl01[nkv]\.jpg)", 138, 131},
        {R"(obr\\uvod\\tl02[nkv]\.jpg)", 140, 136},
        {R"(obr\\uvod\\tl03[nkv]\.jpg)", 128, 118},
        {R"(obr\\uvod\\tl04[nkv]\.jpg)", 137, 136},
        {R"(obr\\uvod\\tl05[nk]\.jpg)", 49, 55},
        {R"(obr\\uvod\\tl06[nk]\.jpg)", 37, 46},
        {R"(obr\\uvod\\vyb0[1-4]_\d\d[nk]\.jpg)", 205, 18},
        {R"(obr\\uvod\\text0[1-4]\.jpg)", 450, 140},
        {R"(obr\\uvod\\karta\d\.jpg)", 40, 40},
        {R"(obr\\uvod\\smaz[12]\.jpg)", 27, 27},
        {R"(obr\\uvod\\(min|zavr)\.jpg)", 23, 23},
        {R"(obr\\karticky\\bgr\.jpg)", 584, 540},
        {R"(obr\\karticky\\(karta0|\d\d\\karta\d\d_[12])\.jpg)", 125, 125},
        {R"(obr\\karticky\\nahled\d\d\.jpg)", 64, 64},
        {R"(obr\\karticky\\tlacitko[12]s?\.jpg)", 81, 51},
        {R"(obr\\karticky\\zavr\.jpg)", 28, 28},
        {R"(obr-pom\\bgr_p\.jpg)", 457, 530},
        {R"(obr-pom\\ok_p\.jpg)", 51, 34},
        {R"(obr-pom\\prazdny(_2)?\.jpg)", 216, 160},
        {R"(obr-pom\\vyber1\.bmp)", 185, 80},
    };
    for (const auto &b : boxes)
        if (QRegularExpression(QStringLiteral("^(") + QLatin1String(b.pattern) + ")$").match(name.toLower()).hasMatch())
            return {b.w, b.h};
    return {};
}

// A family of fixed names for the writer's tests; it records how many of
// its makes run at the same moment.
class FakeFamily final : public Family {
public:
    FakeFamily(QString id, QStringList names, bool safe) : m_id(std::move(id)), m_names(std::move(names)), m_safe(safe) {}
    QString id() const override { return m_id; }
    bool threadSafe() const override { return m_safe; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const QString &n : m_names)
            out.push_back({n, [this, n] {
                               const int now = ++inFlight;
                               int seen = maxInFlight.load();
                               while (now > seen && !maxInFlight.compare_exchange_weak(seen, now)) {}
                               std::this_thread::sleep_for(std::chrono::milliseconds(3));
                               --inFlight;
                               ++made;
                               return (m_id + ":" + n + ":" + content).toUtf8();
                           }});
        return out;
    }
    mutable std::atomic<int> inFlight{0}, maxInFlight{0}, made{0};
    QString content = QStringLiteral("1");

private:
    QString m_id;
    QStringList m_names;
    bool m_safe;
};

// The files of the given families, which it keeps alive for their makers.
struct Pack {
    std::vector<std::unique_ptr<Family>> families;
    std::vector<PackEntry> entries;
};
template <typename... F>
Pack collect(std::unique_ptr<F>... fs)
{
    Pack pack;
    (pack.families.push_back(std::move(fs)), ...);
    QString error;
    if (!collectFiles(pack.families, &pack.entries, &error))
        qWarning("%s", qPrintable(error));
    return pack;
}

} // namespace

class TestMediagen : public QObject {
    Q_OBJECT

    QTemporaryDir m_pack;
    QHash<QString, QByteArray> m_bytes;   // shell name -> bytes
    QStringList m_names;                  // shell names in family order

private slots:
    void initTestCase()
    {
        const Pack shell = collect(makeShellFamily());
        const std::vector<PackEntry> &entries = shell.entries;
        const WriteResult first = writePack(entries, m_pack.path());
        QVERIFY2(first.errors.isEmpty(), qPrintable(first.errors.join('\n')));
        QCOMPARE(first.written, int(entries.size()));
        for (const PackEntry &e : entries) {
            m_names << e.name;
            QFile f(m_pack.path() + "/" + diskPath(e.name));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(e.name));
            m_bytes.insert(e.name, f.readAll());
        }
    }

    void listCoversEveryShellName()
    {
        const QSet<QString> expected = catalogShellNames();
        const QSet<QString> made(m_names.begin(), m_names.end());
        QCOMPARE(made.size(), m_names.size());
        for (const QString &n : expected)
            QVERIFY2(made.contains(n), qPrintable("missing " + n));

        // The whole list (every family) holds them too, sorted and once each.
        std::vector<PackEntry> entries;
        QString error;
        QVERIFY2(collectFiles(allFamilies(), &entries, &error), qPrintable(error));
        const QStringList list = sortedNames(entries);
        QStringList sorted = list;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(list, sorted);
        QSet<QString> folded;   // as the program's file store folds names
        for (const QString &n : list)
            folded << FileStore::key(n);
        QCOMPARE(folded.size(), list.size());
        for (const QString &n : expected)
            QVERIFY(list.contains(n));
    }

    void picturesDecodeAtTheirBoxSizes()
    {
        FileStore store(m_pack.path());
        PictureLoader loader(store);
        int checked = 0;
        for (const QString &name : m_names) {
            if (!name.endsWith(".jpg", Qt::CaseInsensitive) && !name.endsWith(".bmp", Qt::CaseInsensitive))
                continue;
            const QSize want = expectedSize(name);
            QVERIFY2(want.isValid(), qPrintable("no box size known for " + name));
            const flumo::Picture loaded = loader.loadPlain(name);
            QVERIFY2(loaded.ok(), qPrintable(name + ": " + loaded.error));
            QCOMPARE(loaded.image.size(), want);
            ++checked;
        }
        QVERIFY(checked > 400);
        // Pressed and normal looks differ; so do two cards of one set.
        for (const auto &[a, b] : {std::pair{"tlacitka\\sipka1n", "tlacitka\\sipka1k"}, {"uvod\\tl02n", "uvod\\tl02v"},
                                   {"karticky\\04\\karta01_1", "karticky\\04\\karta02_1"},
                                   {"karticky\\tlacitko1", "karticky\\tlacitko1s"}})
            QVERIFY2(m_bytes.value(QStringLiteral("obr\\%1.Jpg").arg(a)) != m_bytes.value(QStringLiteral("obr\\%1.Jpg").arg(b)), a);
    }

    // The intro's design boxes shrink to 118/120 on other displays while
    // their pictures keep their size: the part cut off right and bottom
    // shows nothing but the background the picture was cut from (the
    // description panel keeps its frame, the small buttons their rims).
    void designBoxPicturesLoseOnlyBackgroundAtOtherDensity()
    {
        FileStore store(m_pack.path());
        PictureLoader loader(store);
        const flumo::Picture bgr = loader.loadPlain("Obr\\uvod\\bgr.jpg");
        QVERIFY(bgr.ok());
        const std::pair<const char *, QRect> boxes[] = {
            {"text01", QRect(42, 364, 450, 140)}, {"text02", QRect(42, 364, 450, 140)},
            {"text03", QRect(42, 364, 450, 140)}, {"text04", QRect(42, 364, 450, 140)},
            {"min", QRect(720, 28, 23, 23)},      {"zavr", QRect(750, 28, 23, 23)}};
        for (const auto &[stem, at] : boxes) {
            const flumo::Picture pic = loader.loadPlain(QStringLiteral("obr\\uvod\\%1.Jpg").arg(stem));
            QVERIFY2(pic.ok() && pic.image.size() == at.size(), stem);
            const int keptW = at.width() * 118 / 120, keptH = at.height() * 118 / 120;
            int worst = 0;
            for (int y = 0; y < at.height(); ++y)
                for (int x = 0; x < at.width(); ++x) {
                    if (x < keptW && y < keptH)
                        continue;
                    const QRgb a = pic.image.pixel(x, y), b = bgr.image.pixel(at.x() + x, at.y() + y);
                    worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))});
                }
            QVERIFY2(worst < 40, qPrintable(QStringLiteral("%1: %2").arg(stem).arg(worst)));
        }
    }

    void containerMarksTheMediaRoot()
    {
        const flumo::Picture inside = PictureLoader::decodeContainer(m_bytes.value("Obr\\Okno.PT0"));
        QVERIFY2(inside.ok(), qPrintable(inside.error));
        // The loader finds the container for a ".jpg" name under the working folder.
        FileStore store(m_pack.path());
        const flumo::Picture loaded = PictureLoader(store).load("obr\\okno.jpg");
        QVERIFY2(loaded.ok(), qPrintable(loaded.error));
        QCOMPARE(loaded.image.size(), inside.image.size());
    }

    void pointersLoadWithTheirHotSpots()
    {
        FileStore store(m_pack.path());
        for (const char *name : {"obr-pom\\kurz.cur", "obr-pom\\kurz2.cur"}) {
            const std::optional<QCursor> cursor = flumo::loadCursor(store.resolve(name));
            QVERIFY2(cursor.has_value(), name);
            const QImage img = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(img.size(), QSize(32, 32));
            // The hot spot lies on the drawn shape (tip or fingertip), near its
            // top; most of the square stays transparent.
            const QPoint hot = cursor->hotSpot();
            QVERIFY2(qAlpha(img.pixel(hot)) > 0 && hot.y() <= 4, name);
            int clear = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    clear += qAlpha(img.pixel(x, y)) == 0;
            QVERIFY(clear > 32 * 32 / 3);
        }
        QCOMPARE(flumo::loadCursor(store.resolve("obr-pom\\kurz.cur"))->hotSpot(), QPoint(1, 1));
    }

    void captionFilesCoverEveryExercise()
    {
        const flumo::IniFile levels = flumo::IniFile::fromBytes(m_bytes.value("Urov1.INI"));
        const flumo::IniFile subtasks = flumo::IniFile::fromBytes(m_bytes.value("PodUkl1.INI"));
        // Each caption is present and differs from the others of its menu; level
        // captions have no unencodable letter.
        const auto check = [](const flumo::IniFile &ini, const QString &section, const char *key, int count) {
            QCOMPARE(ini.readInt(section, "Pocet", 0), count);
            QSet<QString> seen;
            for (int i = 1; i <= count; ++i) {
                const QString caption = ini.readString(section, key + QString::number(i));
                QVERIFY2(!caption.trimmed().isEmpty() && !(key == QLatin1String("Urov") && caption.contains('?')),
                         qPrintable(section));
                seen << caption;
            }
            QVERIFY2(seen.size() == count, qPrintable(section + " repeats a caption"));
        };
        for (const flumo::CatalogEntry &e : programExercises()) {
            const QString section = "Ukol" + pad(e.taskId, 3);
            check(levels, section, "Urov", e.maxLevel);
            check(subtasks, section, "Podukol", e.subtasks);
        }
        // The number ranges keep their Czech letters through Windows-1250.
        QCOMPARE(levels.readString("Ukol305", "Urov1"), QStringLiteral("do 3"));
        QCOMPARE(levels.readString("Ukol305", "Urov7"), QStringLiteral("do 100"));
        QVERIFY(levels.readString("Ukol305", "Urov6").contains(QString::fromUtf8("ř")));
        QCOMPARE(subtasks.readString("Ukol303", "Podukol2"), QString::fromUtf8("odčítání"));
        QVERIFY(!m_bytes.value("PodUkl1.INI").contains("\xC4")); // no UTF-8 lead bytes of č, ř...
    }

    void writerSkipsUnchangedFilesAndFoldsFolderCase()
    {
        const Pack shell = collect(makeShellFamily());
        const WriteResult again = writePack(shell.entries, m_pack.path());
        QCOMPARE(again.files, int(shell.entries.size()));
        QVERIFY2(again.writtenNames.isEmpty(), qPrintable(again.writtenNames.join(' ')));

        QTemporaryDir dir;
        auto family = std::make_unique<FakeFamily>(
            "fake", QStringList{"Obr\\uvod\\A.Jpg", "obr\\UVOD\\b.jpg", "obr-pom\\nulák01.GIF", "Zvuky\\\\101\\uv1.wav"},
            true);
        FakeFamily *fake = family.get();
        const Pack pack = collect(std::move(family));
        const std::vector<PackEntry> &entries = pack.entries;
        QCOMPARE(writePack(entries, dir.path()).written, 4);
        // One folder per name whatever its case; file names keep their spelling.
        for (const char *path : {"/obr/uvod/A.Jpg", "/obr/uvod/b.jpg", "/obr-pom/nulák01.GIF", "/zvuky/101/uv1.wav"})
            QVERIFY2(QFile::exists(dir.path() + QString::fromUtf8(path)), path);
        QCOMPARE(QDir(dir.path() + "/obr").entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"uvod"});
        QCOMPARE(writePack(entries, dir.path()).written, 0);
        // A file changed on disk is put back; only it is written.
        QFile spoilt(dir.path() + "/obr/uvod/b.jpg");
        QVERIFY(spoilt.open(QIODevice::WriteOnly) && spoilt.write("spoilt") > 0);
        spoilt.close();
        QCOMPARE(writePack(entries, dir.path()).written, 1);
        // New content from the family rewrites every file.
        fake->content = "2";
        QCOMPARE(writePack(entries, dir.path()).written, 4);
    }

    // Bitmaps read back pixel for pixel by the reader the program uses:
    // a flat picture run-length encoded (runs longer than 255, odd width),
    // a shaded one of more than 256 colours as 24-bit.
    void bitmapsReadBackPixelForPixel()
    {
        QImage flat(465, 5, QImage::Format_RGB32);
        flat.fill(Qt::white);
        for (int x = 0; x < 465; ++x) {
            if (x % 7 == 0)
                flat.setPixel(x, 1, qRgb(0, 0, 0));
            if (x < 300)
                flat.setPixel(x, 2, qRgb(250, 10, 3));
        }
        flat.setPixel(464, 4, qRgb(0, 0, 255));
        QImage shaded(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                shaded.setPixel(x, y, qRgb(x * 6, y * 8, 100));
        for (const QImage &img : {flat, shaded}) {
            const QByteArray bytes = draw::bmp(img);
            QBuffer buffer;
            buffer.setData(bytes);
            QImageReader reader(&buffer, "bmp");
            const QImage back = reader.read().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(back.size(), img.size());
            QVERIFY(back == img);
        }
        QVERIFY(draw::bmp(flat).size() < 465 * 5);   // less than a byte a pixel
    }

    // With the generator's build as the fingerprint, an unchanged build
    // makes nothing; a file of another size on disk is made again; another
    // build makes everything and writes only what differs.
    void unchangedBuildMakesNothing()
    {
        auto family = std::make_unique<FakeFamily>("fake", QStringList{"obr\\a.Jpg", "obr\\b.Jpg", "obr\\c.Jpg"}, true);
        FakeFamily *fake = family.get();
        const Pack pack = collect(std::move(family));
        QTemporaryDir dir;
        QCOMPARE(writePack(pack.entries, dir.path(), 2, "build:1").written, 3);
        QCOMPARE(writePack(pack.entries, dir.path(), 2, "build:1").written, 0);
        QCOMPARE(fake->made.load(), 3);
        QFile spoilt(dir.path() + "/obr/b.Jpg");
        QVERIFY(spoilt.open(QIODevice::WriteOnly) && spoilt.write("x") == 1);
        spoilt.close();
        QCOMPARE(writePack(pack.entries, dir.path(), 2, "build:1").writtenNames, QStringList{"obr\\b.Jpg"});
        QCOMPARE(fake->made.load(), 4);
        QCOMPARE(writePack(pack.entries, dir.path(), 2, "build:2").written, 0);
        QCOMPARE(fake->made.load(), 7);
    }

    void writerRejectsNamesMadeTwice()
    {
        std::vector<std::unique_ptr<Family>> families;
        families.push_back(std::make_unique<FakeFamily>("one", QStringList{"obr\\x.Jpg", "obr\\y.Jpg"}, true));
        families.push_back(std::make_unique<FakeFamily>("two", QStringList{"Obr\\\\X.jpg"}, true));
        std::vector<PackEntry> entries;
        QString error;
        QVERIFY(!collectFiles(families, &entries, &error));
        QVERIFY2(error.contains("one") && error.contains("two"), qPrintable(error));
        // Within one family too.
        families.clear();
        families.push_back(std::make_unique<FakeFamily>("one", QStringList{"a.INI", "A.ini"}, true));
        QVERIFY(!collectFiles(families, &entries, &error));
    }

    void serialFamiliesNeverRunTwoMakesAtOnce()
    {
        QStringList serialNames, safeNames;
        for (int i = 0; i < 24; ++i) {
            serialNames << QStringLiteral("s\\%1.wav").arg(i);
            safeNames << QStringLiteral("p\\%1.jpg").arg(i);
        }
        auto serial = std::make_unique<FakeFamily>("serial", serialNames, false);
        FakeFamily *serialFamily = serial.get();
        QTemporaryDir dir;
        const Pack both = collect(std::move(serial), std::make_unique<FakeFamily>("safe", safeNames, true));
        const WriteResult r = writePack(both.entries, dir.path(), 2);
        QCOMPARE(r.files, 48);
        QCOMPARE(r.written, 48);
        QCOMPARE(serialFamily->maxInFlight.load(), 1);
        // With only the thread-safe family left, both workers share it.
        auto safe = std::make_unique<FakeFamily>("safe", safeNames, true);
        FakeFamily *safeFamily = safe.get();
        QTemporaryDir dir2;
        const Pack onlySafe = collect(std::move(safe));
        QCOMPARE(writePack(onlySafe.entries, dir2.path(), 2).written, 24);
        QCOMPARE(safeFamily->maxInFlight.load(), 2);
    }

    void fingerprintedFilesAreMadeOnlyWhenTheirFingerprintChanges()
    {
        // A maker whose bytes differ on every call, as speech does; the
        // batch is announced (prepare) for exactly the files that are made,
        // before the first of them is made.
        int calls = 0, prepared = 0;
        bool preparedFirst = true;
        const auto entriesFor = [&](const QString &print) {
            return std::vector<PackEntry>{{"Zvuky\\101\\uv101_1-1.wav", 0, false,
                                           [&] {
                                               preparedFirst = preparedFirst && prepared > calls;
                                               return QByteArray::number(++calls);
                                           },
                                           print, [&] { ++prepared; }}};
        };
        QTemporaryDir dir;
        QCOMPARE(writePack(entriesFor("v1:Najdi"), dir.path()).written, 1);
        QCOMPARE(writePack(entriesFor("v1:Najdi"), dir.path()).written, 0);
        QCOMPARE(calls, 1);
        // A changed text is made again; a file lost from disk is made again.
        QCOMPARE(writePack(entriesFor("v1:Ukaz"), dir.path()).written, 1);
        QVERIFY(QFile::remove(dir.path() + "/zvuky/101/uv101_1-1.wav"));
        QCOMPARE(writePack(entriesFor("v1:Ukaz"), dir.path()).written, 1);
        QCOMPARE(calls, 3);
        QCOMPARE(prepared, 3);
        QVERIFY(preparedFirst);
        // A spoken file the pack no longer names is removed; other files stay.
        QFile other(dir.path() + "/zvuky/own.wav");
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        auto renamed = entriesFor("v1:Ukaz");
        renamed[0].name = "Zvuky\\101\\uv101_1-2.wav";
        QCOMPARE(writePack(renamed, dir.path()).written, 1);
        QVERIFY(!QFile::exists(dir.path() + "/zvuky/101/uv101_1-1.wav"));
        QVERIFY(QFile::exists(dir.path() + "/zvuky/101/uv101_1-2.wav") && other.exists());
    }
};

QTEST_MAIN(TestMediagen)
#include "test_mediagen.moc"
