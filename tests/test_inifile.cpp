#include "platform/inifile.h"
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <climits>

using namespace flumo;

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void codePage1250();
    void namesValuesAndDuplicates();
    void integersAndBooleans();
    void writerKeepsOrderAndRoundTrips();
    void fileErrors();
};

void TestIniFile::codePage1250()
{
    QVERIFY(QStringDecoder("windows-1250").isValid());
    const QByteArray bytes("\x9a\xe8\xf8\xbe\x8a\xc8\xd8\xbc\xec\xf9\x9e\x8e\x9d\xef\xf2\xe1\xed\xe9\xfd\xfa\x80\x84\x93");
    const QString text = QStringLiteral(u"ščřľŠČŘĽěůžŽťďňáíéýú€„“");
    QCOMPARE(IniFile::decode1250(bytes), text);
    QCOMPARE(IniFile::encode1250(text), bytes);
    QCOMPARE(IniFile::decode1250("Pocet karticek"), QStringLiteral("Pocet karticek"));
    // Characters outside the code page become one "?" each.
    QCOMPARE(IniFile::encode1250(QStringLiteral(u"a日ž😀b")), QByteArray("a?\x9e?b"));
}

void TestIniFile::namesValuesAndDuplicates()
{
    const QByteArray bytes =
        "orphan=1\r\n"
        "; Param1.INI\r\n"
        "[Hodnoceni]\r\n"
        "Pouzit karticky=0\r\n"
        "  Max. pocet chyb  =  7  \r\n"
        "Karticka za=3\r\n"
        "Karticka za=9\r\n"
        "line without separator\r\n"
        "[Obecne]\n"
        "Aut.posun=1\n"
        "Obrazek=obr\\auto.jpg\n"
        "Prazdny=\n"
        "Citat=\"  v uvozovkach \"\n"
        "[Pochvaly]\r\n"
        "V\xfd" "born\xec=0\r\n"
        "[hodnoceni]\r\n"
        "Karticka za=11\r\n"
        "Typ karticek=5\r\n";
    const IniFile ini = IniFile::fromBytes(bytes);

    QCOMPARE(ini.sections(), (QStringList{QStringLiteral("Hodnoceni"), QStringLiteral("Obecne"), QStringLiteral("Pochvaly")}));
    QCOMPARE(ini.keys(QStringLiteral("HODNOCENI")),
             (QStringList{QStringLiteral("Pouzit karticky"), QStringLiteral("Max. pocet chyb"),
                          QStringLiteral("Karticka za"), QStringLiteral("Typ karticek")}));
    QCOMPARE(ini.readInt(QStringLiteral("hodnoceni"), QStringLiteral("max. POCET chyb"), 2), 7);
    QCOMPARE(ini.readInt(QStringLiteral("Hodnoceni"), QStringLiteral("Karticka za"), 2), 3);   // first wins
    QCOMPARE(ini.readInt(QStringLiteral("Hodnoceni"), QStringLiteral("Typ karticek"), 1), 5);  // repeated section
    QVERIFY(!ini.readBool(QStringLiteral("Hodnoceni"), QStringLiteral("Pouzit karticky"), true));
    QVERIFY(ini.readBool(QStringLiteral("obecne"), QStringLiteral("AUT.POSUN"), false));
    QCOMPARE(ini.readString(QStringLiteral("Obecne"), QStringLiteral("Obrazek")), QStringLiteral("obr\\auto.jpg"));
    QCOMPARE(ini.readString(QStringLiteral("Obecne"), QStringLiteral("Prazdny"), QStringLiteral("def")), QString(""));
    QCOMPARE(ini.readString(QStringLiteral("Obecne"), QStringLiteral("Citat")), QStringLiteral("  v uvozovkach "));
    QVERIFY(ini.hasKey(QStringLiteral("Pochvaly"), QStringLiteral(u"VÝBORNĚ")));
    QVERIFY(!ini.readBool(QStringLiteral("Pochvaly"), QStringLiteral(u"výborně"), true));

    QVERIFY(!ini.hasSection(QString()));
    QVERIFY(!ini.hasKey(QStringLiteral("Hodnoceni"), QStringLiteral("line without separator")));
    QCOMPARE(ini.readString(QStringLiteral("Obecne"), QStringLiteral("Chybi"), QStringLiteral("def")), QStringLiteral("def"));
    QCOMPARE(ini.readString(QStringLiteral("Chybi"), QStringLiteral("Aut.posun"), QStringLiteral("def")), QStringLiteral("def"));
}

void TestIniFile::integersAndBooleans()
{
    const IniFile ini = IniFile::fromBytes("[S]\nplain=42\nsuffix=12abc\nneg=-3\nplus=+7\nword=abc\nempty=\n"
                                           "sign=-\nspaced=  5 x\nhuge=99999999999\nnhuge=-99999999999\nzero=0\n");
    const QString s = QStringLiteral("S");
    QCOMPARE(ini.readInt(s, QStringLiteral("plain"), -1), 42);
    QCOMPARE(ini.readInt(s, QStringLiteral("suffix"), -1), 12);
    QCOMPARE(ini.readInt(s, QStringLiteral("neg"), -1), -3);
    QCOMPARE(ini.readInt(s, QStringLiteral("plus"), -1), 7);
    QCOMPARE(ini.readInt(s, QStringLiteral("spaced"), -1), 5);
    QCOMPARE(ini.readInt(s, QStringLiteral("huge"), -1), INT_MAX);
    QCOMPARE(ini.readInt(s, QStringLiteral("nhuge"), -1), INT_MIN);
    for (const char *unreadable : {"word", "empty", "sign", "missing"}) {
        QCOMPARE(ini.readInt(s, QLatin1String(unreadable), -9), -9);
        QCOMPARE(ini.readBool(s, QLatin1String(unreadable), true), true);
        QCOMPARE(ini.readBool(s, QLatin1String(unreadable), false), false);
    }
    QCOMPARE(ini.readBool(s, QStringLiteral("zero"), true), false);
    QCOMPARE(ini.readBool(s, QStringLiteral("neg"), false), true);
}

void TestIniFile::writerKeepsOrderAndRoundTrips()
{
    IniFile ini = IniFile::fromBytes("[Hodnoceni]\nKarticka za=3\nPocet karticek=1\n[Obecne]\nAut.posun=0\n");
    ini.writeInt(QStringLiteral("HODNOCENI"), QStringLiteral("karticka za"), 20);
    ini.writeBool(QStringLiteral("Obecne"), QStringLiteral("Cerne pozadi"), true);
    ini.writeString(QStringLiteral("Pokarani"), QStringLiteral(u"Špatně"), QStringLiteral("0"));
    ini.writeString(QStringLiteral("Obecne"), QStringLiteral("Obrazek"), QStringLiteral(u"obr\\čáp.jpg"));

    const QByteArray expected =
        "[Hodnoceni]\r\nKarticka za=20\r\nPocet karticek=1\r\n"
        "\r\n[Obecne]\r\nAut.posun=0\r\nCerne pozadi=1\r\nObrazek=obr\\\xe8\xe1p.jpg\r\n"
        "\r\n[Pokarani]\r\n\x8apatn\xec=0\r\n";
    QCOMPARE(ini.toBytes(), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Param1.INI"));
    QString error = QStringLiteral("stale");
    QVERIFY(ini.save(path, &error));
    QVERIFY(error.isEmpty());
    const IniFile back = IniFile::load(path, &error);
    QVERIFY(error.isEmpty());
    QCOMPARE(back.toBytes(), expected);
    QCOMPARE(back.readString(QStringLiteral("obecne"), QStringLiteral("obrazek")), QStringLiteral(u"obr\\čáp.jpg"));
    QCOMPARE(back.readInt(QStringLiteral("Pokarani"), QStringLiteral(u"špatně"), 1), 0);
}

void TestIniFile::fileErrors()
{
    QTemporaryDir dir;
    QString error;
    const IniFile missing = IniFile::load(dir.filePath(QStringLiteral("Param1.INI")), &error);
    QVERIFY(!error.isEmpty());
    QVERIFY(missing.sections().isEmpty());
    QCOMPARE(missing.readInt(QStringLiteral("Hodnoceni"), QStringLiteral("Karticka za"), 2), 2);

    error.clear();
    QVERIFY(!IniFile().save(dir.filePath(QStringLiteral("no/such/folder/x.ini")), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestIniFile)
#include "test_inifile.moc"
