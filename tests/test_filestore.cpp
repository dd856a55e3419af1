#include "platform/filestore.h"
#include "support/testplatform.h"
#include <QDir>
#include <QFile>
#include <QTest>

using namespace flumo;
using flumo::test::TestPlatform;

class TestFileStore : public QObject {
    Q_OBJECT
private slots:
    void namesResolveWithoutRegardToCaseOrSeparators();
    void keyIsCanonical();
    void listingIsFilteredAndSortedCaseInsensitively();
    void lookupsUseTheIndexUntilRescan();
    void missingRootAndLinkLoops();
};

void TestFileStore::namesResolveWithoutRegardToCaseOrSeparators()
{
    TestPlatform tp;
    tp.write(QStringLiteral("Obr/201/Cisl5n.Jpg"), "x");
    tp.write(QStringLiteral("Obr/409/Vyroky.INI"), "x");
    tp.write(QStringLiteral("obr-pom/nulák01.GIF"), "x");
    const FileStore &fs = tp.files;
    const QString cisl = tp.dir() + QStringLiteral("/Obr/201/Cisl5n.Jpg");

    QCOMPARE(fs.resolve(QStringLiteral("obr\\201\\cisl5n.jpg")), cisl);
    QCOMPARE(fs.resolve(QStringLiteral("OBR/201/CISL5N.JPG")), cisl);
    QCOMPARE(fs.resolve(QStringLiteral("obr\\201\\\\cisl5n.Jpg")), cisl);   // doubled separator
    QCOMPARE(fs.resolve(QStringLiteral("obr/\\201//cisl5n.Jpg")), cisl);    // mixed separators
    QCOMPARE(fs.resolve(QStringLiteral("\\Obr\\409\\Vyroky.INI")), tp.dir() + QStringLiteral("/Obr/409/Vyroky.INI"));
    QCOMPARE(fs.resolve(QStringLiteral("OBR-POM\\NULÁK01.gif")), tp.dir() + QStringLiteral("/obr-pom/nulák01.GIF"));
    QVERIFY(fs.exists(QStringLiteral("obr\\201\\cisl5n.jpg")));

    // Missing files, folders and partial names do not resolve.
    QVERIFY(fs.resolve(QStringLiteral("obr\\201\\cisl6n.jpg")).isEmpty());
    QVERIFY(fs.resolve(QStringLiteral("obr\\201")).isEmpty());
    QVERIFY(fs.resolve(QStringLiteral("obr\\201\\cisl5n")).isEmpty());
    QVERIFY(!fs.exists(QString()));

    // Absolute names: as they stand on disk, or inside the store in any case.
    QCOMPARE(fs.resolve(cisl), cisl);
    QCOMPARE(fs.resolve(tp.dir() + QStringLiteral("/obr/201/CISL5N.jpg")), cisl);

    QCOMPARE(fs.resolveFolder(QStringLiteral("OBR\\201\\")), tp.dir() + QStringLiteral("/Obr/201"));
    QCOMPARE(fs.resolveFolder(QString()), tp.dir());
    QVERIFY(fs.resolveFolder(QStringLiteral("obr\\201\\cisl5n.Jpg")).isEmpty());
    QVERIFY(fs.resolveFolder(QStringLiteral("zvuky")).isEmpty());
}

void TestFileStore::keyIsCanonical()
{
    QCOMPARE(FileStore::key(QStringLiteral("\\Obr\\\\201\\Cisl5n.Jpg\\")), QStringLiteral("obr/201/cisl5n.jpg"));
    QCOMPARE(FileStore::key(QStringLiteral("//")), QString());
    // Precomposed and decomposed accents name the same file.
    QCOMPARE(FileStore::key(QStringLiteral("Nulák")), FileStore::key(QStringLiteral("nula\u0301k")));
}

void TestFileStore::listingIsFilteredAndSortedCaseInsensitively()
{
    TestPlatform tp;
    for (const char *name : {"c.Wav", "A.WAV", "b.wav", "readme.txt", "d.wave", "sub/e.wav", "e.wav.bak"})
        tp.write(QStringLiteral("Zvuky/spravne/") + QLatin1String(name), "x");
    QDir(tp.dir()).mkpath(QStringLiteral("Zvuky/spravne/folder.wav"));
    tp.files.rescan();

    const QStringList wavs{QStringLiteral("A.WAV"), QStringLiteral("b.wav"), QStringLiteral("c.Wav")};
    QCOMPARE(tp.files.list(QStringLiteral("zvuky\\spravne"), QStringLiteral("*.wav")), wavs);
    QCOMPARE(tp.files.list(QStringLiteral("ZVUKY\\SPRAVNE\\"), QStringLiteral("*.WAV")), wavs);
    QCOMPARE(tp.files.list(QStringLiteral("zvuky/spravne"), QStringLiteral("*.txt")), QStringList{QStringLiteral("readme.txt")});
    QCOMPARE(tp.files.list(QStringLiteral("zvuky"), QStringLiteral("*")), QStringList());
    QCOMPARE(tp.files.list(QStringLiteral("zvuky\\spatne"), QStringLiteral("*.wav")), QStringList());
}

void TestFileStore::lookupsUseTheIndexUntilRescan()
{
    TestPlatform tp;
    tp.write(QStringLiteral("zvuky/klik1.wav"), "x");
    QVERIFY(tp.files.exists(QStringLiteral("zvuky\\klik1.wav")));   // the folder is read now
    // Written behind the store's back into a folder already read: unknown
    // until rescan().
    QFile extra(tp.dir() + QStringLiteral("/zvuky/Penize.wav"));
    QVERIFY(extra.open(QIODevice::WriteOnly));
    extra.close();
    QVERIFY(!tp.files.exists(QStringLiteral("zvuky\\penize.wav")));
    tp.files.rescan();
    QVERIFY(tp.files.exists(QStringLiteral("zvuky\\penize.wav")));

    QVERIFY(QFile::remove(tp.dir() + QStringLiteral("/zvuky/klik1.wav")));
    QVERIFY(tp.files.exists(QStringLiteral("zvuky\\klik1.wav")));
    tp.files.rescan();
    QVERIFY(!tp.files.exists(QStringLiteral("zvuky\\klik1.wav")));
    QCOMPARE(tp.files.list(QStringLiteral("zvuky"), QStringLiteral("*.wav")), QStringList{QStringLiteral("Penize.wav")});
}

void TestFileStore::missingRootAndLinkLoops()
{
    const FileStore none(QStringLiteral("/nonexistent/flumo-test-folder"));
    QVERIFY(none.resolve(QStringLiteral("Param1.INI")).isEmpty());
    QVERIFY(none.resolveFolder(QString()).isEmpty());
    QVERIFY(none.list(QString(), QStringLiteral("*")).isEmpty());

    // A link back to an enclosing folder must not make the walk endless.
    TestPlatform tp;
    tp.write(QStringLiteral("obr/a.jpg"), "x");
    QVERIFY(QFile::link(tp.dir(), tp.dir() + QStringLiteral("/obr/zpet")));
    tp.files.rescan();
    QVERIFY(tp.files.exists(QStringLiteral("obr\\a.jpg")));
}

QTEST_MAIN(TestFileStore)
#include "test_filestore.moc"
