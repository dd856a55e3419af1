// The media generator's shell pictures, INI files and pointers, and the
// writer that lays the folder out on disk.
#include "family.h"
#include "packwriter.h"
#include "shell_catalog.h"
#include "engine/catalog.h"

#include "media/cursors.h"
#include "media/jpeg.h"
#include "media/pictureloader.h"
#include "platform/filestore.h"
#include "platform/inifile.h"

#include <QDir>
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
using flumo::Picture;
using flumo::PictureLoader;

namespace {

// The catalog as the program knows it: TaskId, highest level, subtasks.
struct Task {
    int id, maxLevel, subtasks;
};
const Task kTasks[] = {
    {101, 1, 4}, {102, 3, 1}, {103, 2, 1}, {104, 2, 1}, {105, 2, 1}, {106, 2, 1}, {107, 2, 2}, {108, 1, 2},
    {109, 1, 2}, {110, 5, 1}, {111, 3, 1}, {112, 3, 2},
    {201, 3, 1}, {202, 3, 4}, {203, 3, 1}, {204, 3, 3}, {205, 3, 1}, {206, 3, 2}, {207, 3, 3}, {208, 3, 2},
    {301, 3, 3}, {302, 3, 4}, {303, 3, 2}, {304, 3, 4}, {305, 7, 4}, {306, 7, 2}, {307, 3, 2}, {308, 3, 2},
    {309, 7, 2}, {310, 7, 1}, {311, 3, 2},
    {401, 3, 3}, {402, 1, 1}, {403, 1, 1}, {404, 1, 1}, {405, 1, 2}, {406, 2, 1}, {407, 1, 2}, {408, 1, 1},
    {409, 1, 1}, {410, 2, 1}, {411, 2, 2}, {412, 1, 1},
};
const int kRowsPerGroup[] = {12, 8, 11, 12};

QString pad(int n, int width) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }

// Every name the shell, toolbar, intro, settings and card screens can ask for.
QSet<QString> expectedShellNames()
{
    QSet<QString> names = {
        "Obr\\Okno.PT0", "Param1.INI", "Urov1.INI", "PodUkl1.INI",
        "obr-pom\\kurz.cur", "obr-pom\\kurz2.cur", "obr-pom\\bgr.jpg", "obr-pom\\bgr0.jpg",
        "obr-pom\\bgr_p.jpg", "obr-pom\\ok_p.Jpg", "obr-pom\\prazdny.jpg", "obr-pom\\prazdny_2.jpg",
        "obr-pom\\vyber1.bmp",
    };
    const QString t = QStringLiteral("obr\\tlacitka\\");
    for (const char *b : {"menu", "hodnoc", "hodnoc2", "param", "znovu", "help", "repro",
                          "sipka1n", "sipka1k", "sipka2n", "sipka2k", "var000", "urov000"})
        names << t + QLatin1String(b) + ".Jpg";
    for (const Task &task : kTasks) {
        names << t + "ukol" + pad(task.id, 3) + ".Jpg";
        if (task.subtasks > 1)
            for (int s = 1; s <= task.subtasks; ++s)
                names << t + "var" + pad(task.id, 3) + "_" + QString::number(s) + ".Jpg";
        if (task.maxLevel > 1)
            for (int l = 1; l <= task.maxLevel; ++l)
                names << t + "urov" + pad(task.id, 3) + "_" + QString::number(l) + ".Jpg";
    }
    const QString u = QStringLiteral("obr\\uvod\\");
    names << "Obr\\uvod\\bgr.jpg" << u + "smaz1.Jpg" << u + "smaz2.Jpg" << u + "min.Jpg" << u + "zavr.Jpg";
    for (int n = 1; n <= 6; ++n) {
        names << u + "tl" + pad(n, 2) + "n.Jpg" << u + "tl" + pad(n, 2) + "k.Jpg";
        if (n <= 4)
            names << u + "tl" + pad(n, 2) + "v.Jpg";
    }
    for (int g = 1; g <= 4; ++g) {
        names << u + "text" + pad(g, 2) + ".Jpg";
        for (int r = 1; r <= kRowsPerGroup[g - 1]; ++r)
            for (const char *look : {"n", "k"})
                names << u + "vyb" + pad(g, 2) + "_" + pad(r, 2) + QLatin1String(look) + ".Jpg";
    }
    for (int n = 0; n <= 9; ++n)
        names << u + "karta" + QString::number(n) + ".Jpg";
    const QString k = QStringLiteral("obr\\karticky\\");
    names << k + "bgr.jpg" << k + "karta0.Jpg" << k + "zavr.Jpg";
    for (int set = 1; set <= 10; ++set) {
        for (int c = 1; c <= 9; ++c)
            names << k + pad(set, 2) + "\\karta" + pad(c, 2) + "_1.Jpg";
        for (int c = 1; c <= 4; ++c)
            names << k + pad(set, 2) + "\\karta" + pad(c, 2) + "_2.Jpg";
        names << k + "nahled" + pad(set, 2) + ".Jpg";
    }
    for (const char *b : {"tlacitko1", "tlacitko1s", "tlacitko2", "tlacitko2s"})
        names << k + QLatin1String(b) + ".Jpg";
    return names;
}

// The size of the box that shows a picture; an invalid size for names
// this table does not know.
QSize expectedSize(const QString &name)
{
    const QString n = name.toLower();
    auto is = [&](const char *pattern) {
        return QRegularExpression(QStringLiteral("^") + QLatin1String(pattern) + QStringLiteral("$")).match(n).hasMatch();
    };
    if (is(R"(obr\\tlacitka\\(menu|hodnoc2?|param|znovu|help|repro)\.jpg)")) return {23, 20};
    if (is(R"(obr\\tlacitka\\sipka[12][nk]\.jpg)")) return {18, 20};
    if (is(R"(obr\\tlacitka\\ukol\d{3}\.jpg)")) return {178, 20};
    if (is(R"(obr\\tlacitka\\var(000|\d{3}_\d)\.jpg)")) return {152, 20};
    if (is(R"(obr\\tlacitka\\urov(000|\d{3}_\d)\.jpg)")) return {134, 20};
    if (is(R"(obr\\uvod\\bgr\.jpg)")) return {800, 600};
    if (is(R"(obr\\uvod\\tl01[nkv]\.jpg)")) return {138, 131};
    if (is(R"(obr\\uvod\\tl02[nkv]\.jpg)")) return {140, 136};
    if (is(R"(obr\\uvod\\tl03[nkv]\.jpg)")) return {128, 118};
    if (is(R"(obr\\uvod\\tl04[nkv]\.jpg)")) return {137, 136};
    if (is(R"(obr\\uvod\\tl05[nk]\.jpg)")) return {49, 55};
    if (is(R"(obr\\uvod\\tl06[nk]\.jpg)")) return {37, 46};
    if (is(R"(obr\\uvod\\vyb0[1-4]_\d\d[nk]\.jpg)")) return {205, 18};
    if (is(R"(obr\\uvod\\text0[1-4]\.jpg)")) return {450, 140};
    if (is(R"(obr\\uvod\\karta\d\.jpg)")) return {40, 40};
    if (is(R"(obr\\uvod\\smaz[12]\.jpg)")) return {27, 27};
    if (is(R"(obr\\uvod\\(min|zavr)\.jpg)")) return {23, 23};
    if (is(R"(obr\\karticky\\bgr\.jpg)")) return {584, 540};
    if (is(R"(obr\\karticky\\(karta0|\d\d\\karta\d\d_[12])\.jpg)")) return {125, 125};
    if (is(R"(obr\\karticky\\nahled\d\d\.jpg)")) return {64, 64};
    if (is(R"(obr\\karticky\\tlacitko[12]s?\.jpg)")) return {81, 51};
    if (is(R"(obr\\karticky\\zavr\.jpg)")) return {28, 28};
    if (is(R"(obr-pom\\bgr0?\.jpg)")) return {800, 600};
    if (is(R"(obr-pom\\bgr_p\.jpg)")) return {457, 530};
    if (is(R"(obr-pom\\ok_p\.jpg)")) return {51, 34};
    if (is(R"(obr-pom\\prazdny(_2)?\.jpg)")) return {216, 160};
    if (is(R"(obr-pom\\vyber1\.bmp)")) return {185, 80};
    return {};
}

// A family made of fixed names for the writer's tests. Each make() records
// how many makes of this family run at the same moment.
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
                               return (m_id + ":" + n + ":" + content).toUtf8();
                           }});
        return out;
    }
    mutable std::atomic<int> inFlight{0};
    mutable std::atomic<int> maxInFlight{0};
    QString content = QStringLiteral("1");

private:
    QString m_id;
    QStringList m_names;
    bool m_safe;
};

// The shell family alone, as a table of one.
std::vector<std::unique_ptr<Family>> shellOnly()
{
    std::vector<std::unique_ptr<Family>> only;
    for (auto &f : allFamilies())
        if (f->id() == QLatin1String("shell"))
            only.push_back(std::move(f));
    return only;
}

} // namespace

class TestMediagen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listCoversEveryShellName();
    void picturesDecodeAtTheirBoxSizes();
    void containerMarksTheMediaRoot();
    void pointersLoadWithTheirHotSpots();
    void settingsFileGivesTheDefaults();
    void captionFilesCoverEveryExercise();
    void writerSkipsUnchangedFilesAndFoldsFolderCase();
    void writerRejectsNamesMadeTwice();
    void serialFamiliesNeverRunTwoMakesAtOnce();
    void fingerprintedFilesAreMadeOnlyWhenTheirFingerprintChanges();
    void captionsAgreeWithTheProgramsCatalog();

private:
    QTemporaryDir m_pack;
    QHash<QString, QByteArray> m_bytes;   // shell name -> bytes
    QStringList m_names;                  // shell names in family order
};

void TestMediagen::initTestCase()
{
    QVERIFY(m_pack.isValid());
    const auto only = shellOnly();
    QCOMPARE(int(only.size()), 1);
    std::vector<PackEntry> entries;
    QString error;
    QVERIFY2(collectFiles(only, &entries, &error), qPrintable(error));
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

void TestMediagen::listCoversEveryShellName()
{
    const QSet<QString> expected = expectedShellNames();
    const QSet<QString> made(m_names.begin(), m_names.end());
    QCOMPARE(made.size(), m_names.size());
    for (const QString &n : expected)
        QVERIFY2(made.contains(n), qPrintable("missing " + n));
    for (const QString &n : made)
        QVERIFY2(expected.contains(n), qPrintable("not asked for by any screen: " + n));

    // The whole list (every family) holds them too, sorted and once each.
    std::vector<PackEntry> entries;
    QString error;
    QVERIFY2(collectFiles(allFamilies(), &entries, &error), qPrintable(error));
    const QStringList list = sortedNames(entries);
    QStringList sorted = list;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(list, sorted);
    QSet<QString> folded;
    for (const QString &n : list)
        folded << FileStore::key(n);
    QCOMPARE(folded.size(), list.size());
    for (const QString &n : expected)
        QVERIFY(list.contains(n));
}

void TestMediagen::picturesDecodeAtTheirBoxSizes()
{
    FileStore store(m_pack.path());
    PictureLoader loader(store);
    int checked = 0;
    for (const QString &name : m_names) {
        const QString lower = name.toLower();
        if (!lower.endsWith(".jpg") && !lower.endsWith(".bmp"))
            continue;
        const QSize want = expectedSize(name);
        QVERIFY2(want.isValid(), qPrintable("no box size known for " + name));
        if (lower.endsWith(".jpg")) {
            QString error;
            const QImage direct = flumo::decodeJpeg(m_bytes.value(name), &error);
            QVERIFY2(!direct.isNull(), qPrintable(name + ": " + error));
            QCOMPARE(direct.size(), want);
        }
        const Picture viaStore = loader.loadPlain(name);
        QVERIFY2(viaStore.ok(), qPrintable(name + ": " + viaStore.error));
        QCOMPARE(viaStore.image.size(), want);
        ++checked;
    }
    QVERIFY(checked > 400);

    // Pressed and normal looks differ; so do two cards of one set.
    QVERIFY(m_bytes.value("obr\\tlacitka\\sipka1n.Jpg") != m_bytes.value("obr\\tlacitka\\sipka1k.Jpg"));
    QVERIFY(m_bytes.value("obr\\uvod\\tl02n.Jpg") != m_bytes.value("obr\\uvod\\tl02v.Jpg"));
    QVERIFY(m_bytes.value("obr\\karticky\\04\\karta01_1.Jpg") != m_bytes.value("obr\\karticky\\04\\karta02_1.Jpg"));
    QVERIFY(m_bytes.value("obr\\karticky\\tlacitko1.Jpg") != m_bytes.value("obr\\karticky\\tlacitko1s.Jpg"));
}

void TestMediagen::containerMarksTheMediaRoot()
{
    const QByteArray bytes = m_bytes.value("Obr\\Okno.PT0");
    QVERIFY(bytes.size() > 255);
    const int b = quint8(bytes.at(236));
    QVERIFY(bytes.mid(b + 255, 2) == QByteArray("\xFF\xD8", 2));
    const Picture inside = PictureLoader::decodeContainer(bytes);
    QVERIFY2(inside.ok(), qPrintable(inside.error));

    // The loader finds the container for a ".jpg" name under the working folder.
    FileStore store(m_pack.path());
    PictureLoader loader(store);
    QVERIFY(store.exists("Obr\\Okno.PT0"));
    const Picture loaded = loader.load("obr\\okno.jpg");
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    QCOMPARE(loaded.image.size(), inside.image.size());
}

void TestMediagen::pointersLoadWithTheirHotSpots()
{
    FileStore store(m_pack.path());
    for (const char *name : {"obr-pom\\kurz.cur", "obr-pom\\kurz2.cur"}) {
        const QString path = store.resolve(name);
        QVERIFY2(!path.isEmpty(), name);
        const std::optional<QCursor> cursor = flumo::loadCursor(path);
        QVERIFY2(cursor.has_value(), name);
        const QImage img = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(32, 32));
        // The hot spot lies on the drawn shape (tip or fingertip), near its top.
        const QPoint hot = cursor->hotSpot();
        QVERIFY2(qAlpha(img.pixel(hot)) > 0, name);
        QVERIFY(hot.y() <= 4);
        // Most of the square stays transparent around the shape.
        int clear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                clear += qAlpha(img.pixel(x, y)) == 0;
        QVERIFY(clear > 32 * 32 / 3);
    }
    QCOMPARE(flumo::loadCursor(store.resolve("obr-pom\\kurz.cur"))->hotSpot(), QPoint(1, 1));
}

void TestMediagen::settingsFileGivesTheDefaults()
{
    const QByteArray bytes = m_bytes.value("Param1.INI");
    QVERIFY(bytes.contains("\r\n"));
    const flumo::IniFile ini = flumo::IniFile::fromBytes(bytes);
    struct Key {
        const char *section, *key;
        int value;
    };
    const Key keys[] = {
        {"Hodnoceni", "Pouzit karticky", 1}, {"Hodnoceni", "Karticka za", 2}, {"Hodnoceni", "Max. pocet chyb", 2},
        {"Hodnoceni", "Pocet karticek", 1}, {"Hodnoceni", "Typ karticek", 1},
        {"Obecne", "Aut.posun", 0}, {"Obecne", "Posun po", 5}, {"Obecne", "Cerne pozadi", 1},
        {"Obecne", "Autom. zmena podukolu", 0}, {"Obecne", "Tlacitka nahore", 1}, {"Obecne", "Cislo ukolu", 101},
        {"Obecne", "Uroven ukolu", 1}, {"Obecne", "Bez nuly", 1}, {"Obecne", "Jedna klavesa", 0},
        {"Odmeny", "Pochvalit", 1}, {"Odmeny", "Pohanet", 1},
    };
    for (const Key &k : keys) {
        QVERIFY2(ini.hasKey(k.section, k.key), k.key);
        QCOMPARE(ini.readInt(k.section, k.key, -99), k.value);
    }
    // Sound lists are left out: every sound reads as ticked.
    QVERIFY(!ini.hasSection("Pochvaly"));
    QVERIFY(!ini.hasSection("Pokarani"));
}

void TestMediagen::captionFilesCoverEveryExercise()
{
    const flumo::IniFile levels = flumo::IniFile::fromBytes(m_bytes.value("Urov1.INI"));
    const flumo::IniFile subtasks = flumo::IniFile::fromBytes(m_bytes.value("PodUkl1.INI"));
    QSet<QString> allCaptions;
    for (const Task &t : kTasks) {
        const QString section = "Ukol" + pad(t.id, 3);
        QCOMPARE(levels.readInt(section, "Pocet", 0), t.maxLevel);
        QCOMPARE(subtasks.readInt(section, "Pocet", 0), t.subtasks);
        QStringList seen;
        for (int i = 1; i <= t.maxLevel; ++i) {
            const QString caption = levels.readString(section, "Urov" + QString::number(i));
            QVERIFY2(!caption.trimmed().isEmpty() && !caption.contains('?'), qPrintable(section));
            QVERIFY2(!seen.contains(caption), qPrintable(section + " repeats " + caption));
            seen << caption;
            allCaptions << caption;
        }
        seen.clear();
        for (int i = 1; i <= t.subtasks; ++i) {
            const QString caption = subtasks.readString(section, "Podukol" + QString::number(i));
            QVERIFY2(!caption.trimmed().isEmpty(), qPrintable(section));
            QVERIFY2(!seen.contains(caption), qPrintable(section + " repeats " + caption));
            seen << caption;
            allCaptions << caption;
        }
    }
    // The number ranges keep their Czech letters through Windows-1250.
    QCOMPARE(levels.readString("Ukol305", "Urov1"), QStringLiteral("do 3"));
    QCOMPARE(levels.readString("Ukol305", "Urov7"), QStringLiteral("do 100"));
    QVERIFY(levels.readString("Ukol305", "Urov6").contains(QString::fromUtf8("ř")));
    QCOMPARE(subtasks.readString("Ukol303", "Podukol2"), QString::fromUtf8("odčítání"));
    QVERIFY(!m_bytes.value("PodUkl1.INI").contains("\xC4")); // no UTF-8 lead bytes of č, ř...
}

void TestMediagen::writerSkipsUnchangedFilesAndFoldsFolderCase()
{
    // The shell pack written in initTestCase: a second run writes nothing.
    {
        const auto only = shellOnly();
        std::vector<PackEntry> entries;
        QVERIFY(collectFiles(only, &entries, nullptr));
        const WriteResult again = writePack(entries, m_pack.path());
        QCOMPARE(again.files, int(entries.size()));
        QVERIFY2(again.writtenNames.isEmpty(), qPrintable(again.writtenNames.join(' ')));
        QVERIFY(again.errors.isEmpty());
    }

    QTemporaryDir dir;
    auto family = std::make_unique<FakeFamily>(
        "fake", QStringList{"Obr\\uvod\\A.Jpg", "obr\\UVOD\\b.jpg", "obr-pom\\nulák01.GIF", "Zvuky\\\\101\\uv1.wav"},
        true);
    FakeFamily *fake = family.get();
    std::vector<std::unique_ptr<Family>> families;
    families.push_back(std::move(family));
    std::vector<PackEntry> entries;
    QVERIFY(collectFiles(families, &entries, nullptr));

    QCOMPARE(writePack(entries, dir.path()).written, 4);
    // One folder per name whatever its case; file names keep their spelling.
    QVERIFY(QFile::exists(dir.path() + "/obr/uvod/A.Jpg"));
    QVERIFY(QFile::exists(dir.path() + "/obr/uvod/b.jpg"));
    QVERIFY(QFile::exists(dir.path() + QString::fromUtf8("/obr-pom/nulák01.GIF")));
    QVERIFY(QFile::exists(dir.path() + "/zvuky/101/uv1.wav"));
    QCOMPARE(QDir(dir.path() + "/obr").entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"uvod"});

    QCOMPARE(writePack(entries, dir.path()).written, 0);
    // A file changed on disk is put back; only it is written.
    {
        QFile f(dir.path() + "/obr/uvod/b.jpg");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("spoilt");
    }
    QCOMPARE(writePack(entries, dir.path()).written, 1);
    // New content from the family rewrites every file.
    fake->content = "2";
    QCOMPARE(writePack(entries, dir.path()).written, 4);
}

void TestMediagen::writerRejectsNamesMadeTwice()
{
    std::vector<std::unique_ptr<Family>> families;
    families.push_back(std::make_unique<FakeFamily>("one", QStringList{"obr\\x.Jpg", "obr\\y.Jpg"}, true));
    families.push_back(std::make_unique<FakeFamily>("two", QStringList{"Obr\\\\X.jpg"}, true));
    std::vector<PackEntry> entries;
    QString error;
    QVERIFY(!collectFiles(families, &entries, &error));
    QVERIFY2(error.contains("one") && error.contains("two"), qPrintable(error));

    // Within one family too.
    std::vector<std::unique_ptr<Family>> single;
    single.push_back(std::make_unique<FakeFamily>("one", QStringList{"a.INI", "A.ini"}, true));
    QVERIFY(!collectFiles(single, &entries, &error));
}

void TestMediagen::serialFamiliesNeverRunTwoMakesAtOnce()
{
    QStringList serialNames, safeNames;
    for (int i = 0; i < 24; ++i) {
        serialNames << QStringLiteral("s\\%1.wav").arg(i);
        safeNames << QStringLiteral("p\\%1.jpg").arg(i);
    }
    auto serialOwned = std::make_unique<FakeFamily>("serial", serialNames, false);
    auto safeOwned = std::make_unique<FakeFamily>("safe", safeNames, true);
    FakeFamily *serial = serialOwned.get();
    FakeFamily *safe = safeOwned.get();
    std::vector<std::unique_ptr<Family>> families;
    families.push_back(std::move(serialOwned));
    families.push_back(std::move(safeOwned));
    std::vector<PackEntry> entries;
    QVERIFY(collectFiles(families, &entries, nullptr));

    QTemporaryDir dir;
    const WriteResult r = writePack(entries, dir.path(), 2);
    QCOMPARE(r.files, 48);
    QCOMPARE(r.written, 48);
    QCOMPARE(serial->maxInFlight.load(), 1);
    // With only the thread-safe family left, both workers share it.
    std::vector<std::unique_ptr<Family>> onlySafe;
    auto again = std::make_unique<FakeFamily>("safe", safeNames, true);
    FakeFamily *safe2 = again.get();
    onlySafe.push_back(std::move(again));
    QVERIFY(collectFiles(onlySafe, &entries, nullptr));
    QTemporaryDir dir2;
    QCOMPARE(writePack(entries, dir2.path(), 2).written, 24);
    QCOMPARE(safe2->maxInFlight.load(), 2);
    Q_UNUSED(safe);
}

QTEST_MAIN(TestMediagen)
// The generator's caption table writes the menus' INI files and labels; it
// must offer exactly the levels and subtasks the program plays.
void TestMediagen::captionsAgreeWithTheProgramsCatalog()
{
    QCOMPARE(int(mediagen::exercises().size()), 43);
    for (const mediagen::ExerciseInfo &e : mediagen::exercises()) {
        const flumo::CatalogEntry *entry = flumo::findExercise(e.taskId);
        QVERIFY2(entry, qPrintable(QString::number(e.taskId)));
        QCOMPARE(e.menuCaption, QString::fromUtf8(entry->caption));
        QCOMPARE(int(e.levels.size()), entry->maxLevel);
        QCOMPARE(int(e.subtasks.size()), entry->subtasks);
    }
}

#include "test_mediagen.moc"

void TestMediagen::fingerprintedFilesAreMadeOnlyWhenTheirFingerprintChanges()
{
    // A maker whose bytes differ on every call, as speech does.
    int calls = 0;
    auto entriesFor = [&calls](const QString &print) {
        std::vector<PackEntry> entries;
        entries.push_back({"Zvuky\\101\\uv101_1-1.wav", 0, false,
                           [&calls] { return QByteArray::number(++calls); }, print});
        return entries;
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
}
