// The INI file: Windows-1250 text, case-blind names, first-wins duplicates,
// number and flag reading, the writer's order and file errors.
#include "platform/inicache.h"
#include "platform/inifile.h"
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <climits>

using namespace flumo;

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void codePage1250()
    {
        QVERIFY(QStringDecoder("windows-1250").isValid());
        const QByteArray bytes("\x9a\xe8\xf8\xbe\x8a\xc8\xd8\xbc\xec\xf9\x9e\x8e\x9d\xef\xf2\xe1\xed\xe9\xfd\xfa\x80\x84\x93");
        const QString text = QStringLiteral(u"ščřľŠČŘĽěůžŽťďňáíéýú€„“");
        QCOMPARE(IniFile::decode1250(bytes), text);
        QCOMPARE(IniFile::encode1250(text), bytes);
        // Characters outside the code page become one "?" each.
        QCOMPARE(IniFile::encode1250(QStringLiteral(u"a日ž😀b")), QByteArray("a?\x9e?b"));
    }

    void namesValuesAndDuplicates()
    {
        const IniFile ini = IniFile::fromBytes(
            "orphan=1\r\n; Param1.INI\r\n"
            "[Hodnoceni]\r\nPouzit karticky=0\r\n  Max. pocet chyb  =  7  \r\nKarticka za=3\r\nKarticka za=9\r\n"
            "line without separator\r\n"
            "[Obecne]\nAut.posun=1\nObrazek=obr\\auto.jpg\nPrazdny=\nCitat=\"  v uvozovkach \"\n"
            "[Pochvaly]\r\nV\xfd" "born\xec=0\r\n"
            "[hodnoceni]\r\nKarticka za=11\r\nTyp karticek=5\r\n");
        QCOMPARE(ini.sections(), (QStringList{"Hodnoceni", "Obecne", "Pochvaly"}));
        QCOMPARE(ini.keys("HODNOCENI"), (QStringList{"Pouzit karticky", "Max. pocet chyb", "Karticka za", "Typ karticek"}));
        QCOMPARE(ini.readInt("hodnoceni", "max. POCET chyb", 2), 7);
        QCOMPARE(ini.readInt("Hodnoceni", "Karticka za", 2), 3);   // first wins
        QCOMPARE(ini.readInt("Hodnoceni", "Typ karticek", 1), 5);  // repeated section
        QVERIFY(!ini.readBool("Hodnoceni", "Pouzit karticky", true));
        QVERIFY(ini.readBool("obecne", "AUT.POSUN", false));
        QCOMPARE(ini.readString("Obecne", "Obrazek"), QString("obr\\auto.jpg"));
        QCOMPARE(ini.readString("Obecne", "Prazdny", "def"), QString(""));
        QCOMPARE(ini.readString("Obecne", "Citat"), QString("  v uvozovkach "));
        QVERIFY(ini.hasKey("Pochvaly", QStringLiteral(u"VÝBORNĚ")));
        QVERIFY(!ini.readBool("Pochvaly", QStringLiteral(u"výborně"), true));
        QVERIFY(!ini.hasSection(QString()));
        QVERIFY(!ini.hasKey("Hodnoceni", "line without separator"));
        QCOMPARE(ini.readString("Obecne", "Chybi", "def"), QString("def"));
        QCOMPARE(ini.readString("Chybi", "Aut.posun", "def"), QString("def"));
    }

    void integersAndBooleans()
    {
        const IniFile ini = IniFile::fromBytes("[S]\nplain=42\nsuffix=12abc\nneg=-3\nplus=+7\nword=abc\nempty=\n"
                                               "sign=-\nspaced=  5 x\nhuge=99999999999\nnhuge=-99999999999\nzero=0\n");
        const std::pair<const char *, int> ints[] = {{"plain", 42}, {"suffix", 12}, {"neg", -3}, {"plus", 7},
                                                     {"spaced", 5}, {"huge", INT_MAX}, {"nhuge", INT_MIN}};
        for (const auto &[key, value] : ints)
            QCOMPARE(ini.readInt("S", key, -1), value);
        for (const char *unreadable : {"word", "empty", "sign", "missing"}) {
            QCOMPARE(ini.readInt("S", unreadable, -9), -9);
            QCOMPARE(ini.readBool("S", unreadable, true), true);
            QCOMPARE(ini.readBool("S", unreadable, false), false);
        }
        QCOMPARE(ini.readBool("S", "zero", true), false);
        QCOMPARE(ini.readBool("S", "neg", false), true);
    }

    void writerKeepsOrderAndRoundTrips()
    {
        IniFile ini = IniFile::fromBytes("[Hodnoceni]\nKarticka za=3\nPocet karticek=1\n[Obecne]\nAut.posun=0\n");
        ini.writeInt("HODNOCENI", "karticka za", 20);
        ini.writeBool("Obecne", "Cerne pozadi", true);
        ini.writeString("Pokarani", QStringLiteral(u"Špatně"), "0");
        ini.writeString("Obecne", "Obrazek", QStringLiteral(u"obr\\čáp.jpg"));
        const QByteArray expected =
            "[Hodnoceni]\r\nKarticka za=20\r\nPocet karticek=1\r\n"
            "\r\n[Obecne]\r\nAut.posun=0\r\nCerne pozadi=1\r\nObrazek=obr\\\xe8\xe1p.jpg\r\n"
            "\r\n[Pokarani]\r\n\x8apatn\xec=0\r\n";
        QCOMPARE(ini.toBytes(), expected);

        QTemporaryDir dir;
        const QString path = dir.filePath("Param1.INI");
        QString error = "stale";
        QVERIFY(ini.save(path, &error));
        QVERIFY(error.isEmpty());
        const IniFile back = IniFile::load(path, &error);
        QVERIFY(error.isEmpty());
        QCOMPARE(back.toBytes(), expected);
        QCOMPARE(back.readInt("Pokarani", QStringLiteral(u"špatně"), 1), 0);
    }

    void fileErrors()
    {
        QTemporaryDir dir;
        QString error;
        const IniFile missing = IniFile::load(dir.filePath("Param1.INI"), &error);
        QVERIFY(!error.isEmpty());
        QVERIFY(missing.sections().isEmpty());
        error.clear();
        QVERIFY(!IniFile().save(dir.filePath("no/such/folder/x.ini"), &error));
        QVERIFY(!error.isEmpty());
    }

    void cacheFollowsTheFileOnDisk()
    {
        // A cached parse must never outlive the file it came from: a file
        // rewritten, removed or never there reads as it is on disk now.
        QTemporaryDir dir;
        const QString path = dir.filePath("Urov1.INI");
        const auto write = [&](const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        };
        IniCache cache;
        write("[Ukol101]\nPocet=1\n");
        const auto first = cache.load(path);
        QCOMPARE(first->readInt("Ukol101", "Pocet", 0), 1);
        QCOMPARE(cache.load(path), first);   // unchanged: the same parse
        QTest::qWait(20);
        write("[Ukol101]\nPocet=22\n");
        QCOMPARE(cache.load(path)->readInt("Ukol101", "Pocet", 0), 22);
        QCOMPARE(first->readInt("Ukol101", "Pocet", 0), 1);   // a value once handed out stays
        QFile::remove(path);
        QVERIFY(!cache.load(path)->hasSection("Ukol101"));
        QVERIFY(cache.load(QString())->sections().isEmpty());
    }
};

QTEST_MAIN(TestIniFile)
#include "test_inifile.moc"
