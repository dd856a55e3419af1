// The settings store: defaults, clamping, the load's order around the media
// root, the card count's score reset, the OK checks and the store.
#include "engine/settings.h"
#include "platform/inifile.h"
#include "support/testplatform.h"
#include <QSignalSpy>
#include <QTest>
#include <map>

using namespace flumo;
using flumo::test::TestPlatform;
using flumo::test::TraceRecorder;

namespace {

IniFile ini(const char *text) { return IniFile::fromBytes(QByteArray(text)); }
bool located() { return true; }

QStringList names(const std::vector<SoundItem> &items)
{
    QStringList out;
    for (const SoundItem &s : items)
        out << s.name;
    return out;
}

QList<bool> ticks(const std::vector<SoundItem> &items)
{
    QList<bool> out;
    for (const SoundItem &s : items)
        out << s.ticked;
    return out;
}

struct Store {
    Scores scores;
    EngineState state;
    Settings settings{scores, state};
};

const QString kNoPraise = QStringLiteral("Nemáte zatrženu žádnou pochvalu !");
const QString kNoReprimand = QStringLiteral("Nemáte zatrženo žádné pokárání !");

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutFile();
    void clampedAndUnreadableValues_data();
    void clampedAndUnreadableValues();
    void cardCountChangeResetsScore();
    void mediaRootBetweenSectionsAndFailure();
    void soundListsFromFoldersAndTicks();
    void okMessagesInOrder();
    void storeWritesSameKeysInOrder();
    void traceLineAfterLoad();
};

void TestSettings::defaultsWithoutFile()
{
    TestPlatform tp;
    tp.writeWav(QStringLiteral("zvuky/spravne/bravo.wav"));
    tp.writeWav(QStringLiteral("zvuky/spatne/ne.wav"));
    Store s;
    s.settings.fillSoundLists(tp.files);
    int calls = 0;
    QVERIFY(s.settings.load(IniFile(), [&] { return ++calls > 0; }));
    QCOMPARE(calls, 1);
    const Settings &c = s.settings;
    QCOMPARE((QList<bool>{c.useCards(), c.autoAdvance(), c.blackBackdrop(), c.toolbarOnTop(), c.autoNextSubtask(),
                          c.noZero(), c.oneKey(), c.usePraise(), c.useDing()}),
             (QList<bool>{true, false, true, true, false, true, false, true, true}));
    QCOMPARE((QList<int>{c.pointsPerCard(), c.maxErrors(), c.cardCountIndex(), s.scores.cardsPerSet, s.scores.cardSet,
                         c.autoAdvanceDelay(), s.state.currentTask, s.state.currentLevel}),
             (QList<int>{2, 2, 1, 9, 1, 5, 101, 1}));
    QCOMPARE(ticks(c.praiseSounds()) + ticks(c.reprimandSounds()), (QList<bool>{true, true}));
}

void TestSettings::clampedAndUnreadableValues_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("delay 2") << "Obecne" << "Posun po" << "2" << 5;
    QTest::newRow("delay 99") << "Obecne" << "Posun po" << "99" << 50;
    QTest::newRow("points 0") << "Hodnoceni" << "Karticka za" << "0" << 1;
    QTest::newRow("points text") << "Hodnoceni" << "Karticka za" << "x7" << 2;
    QTest::newRow("errors -4") << "Hodnoceni" << "Max. pocet chyb" << "-4" << 0;
    QTest::newRow("errors empty") << "Hodnoceni" << "Max. pocet chyb" << "" << 2;
    QTest::newRow("card index 7") << "Hodnoceni" << "Pocet karticek" << "7" << 1;
    QTest::newRow("card index -1") << "Hodnoceni" << "Pocet karticek" << "-1" << 0;
    QTest::newRow("card set 11") << "Hodnoceni" << "Typ karticek" << "11" << 1;
    QTest::newRow("task 502") << "Obecne" << "Cislo ukolu" << "502" << 101;
    QTest::newRow("task 0") << "Obecne" << "Cislo ukolu" << "0" << 101;
    QTest::newRow("task -305") << "Obecne" << "Cislo ukolu" << "-305" << 101;
    QTest::newRow("task 412") << "Obecne" << "Cislo ukolu" << "412" << 412;
    QTest::newRow("level 0") << "Obecne" << "Uroven ukolu" << "0" << 1;
    QTest::newRow("level 300") << "Obecne" << "Uroven ukolu" << "300" << 7;
}

void TestSettings::clampedAndUnreadableValues()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, expected);
    IniFile file;
    file.writeString(section, key, value);
    Store s;
    QVERIFY(s.settings.load(file, located));
    const std::map<QString, int> actual = {
        {"Posun po", s.settings.autoAdvanceDelay()},   {"Karticka za", s.settings.pointsPerCard()},
        {"Max. pocet chyb", s.settings.maxErrors()},   {"Pocet karticek", s.settings.cardCountIndex()},
        {"Typ karticek", s.scores.cardSet},            {"Cislo ukolu", s.state.currentTask},
        {"Uroven ukolu", s.state.currentLevel},
    };
    QCOMPARE(actual.at(key), expected);
}

void TestSettings::cardCountChangeResetsScore()
{
    Store s;
    QSignalSpy spy(&s.settings, &Settings::cardCountChanged);
    s.scores = {5, 2, 3, 9, 4};
    s.settings.setCardCountIndex(0);
    QCOMPARE((QList<int>{s.scores.cardsPerSet, s.scores.pointCount, s.scores.errorCount, s.scores.cardsEarned,
                         s.scores.cardSet}),
             (QList<int>{4, 0, 0, 0, 4}));
    QCOMPARE(spy.count(), 1);

    // The same choice again (also clamped from -3) is no change: the score stays.
    s.scores.cardsEarned = 2;
    s.settings.setCardCountIndex(-3);
    QCOMPARE(s.scores.cardsEarned, 2);
    QCOMPARE(spy.count(), 1);

    s.settings.setCardCountIndex(5);
    QCOMPARE(s.scores.cardsPerSet, 9);
    QCOMPARE(s.scores.cardsEarned, 0);
    QCOMPARE(spy.count(), 2);
}

void TestSettings::mediaRootBetweenSectionsAndFailure()
{
    const char *text = "[Hodnoceni]\nKarticka za=7\nTyp karticek=3\nPocet karticek=0\n"
                       "[Obecne]\nCislo ukolu=305\nPosun po=20\nCerne pozadi=0\n[Odmeny]\nPochvalit=0\n";
    Store s;
    QSignalSpy backdrop(&s.settings, &Settings::blackBackdropChanged);
    QList<int> seen;
    QVERIFY(s.settings.load(ini(text), [&] {
        seen = {s.settings.pointsPerCard(), s.scores.cardSet, s.scores.cardsPerSet, s.state.currentTask, s.settings.autoAdvanceDelay(),
                int(s.settings.blackBackdrop())};
        return true;
    }));
    // "Hodnoceni" is in place, "Obecne" is not yet.
    QCOMPARE(seen, (QList<int>{7, 3, 4, 101, 5, 1}));
    QCOMPARE(s.state.currentTask, 305);
    QCOMPARE(backdrop.count(), 1);   // the backdrop follows the change once
    QCOMPARE(backdrop.at(0).at(0).toBool(), false);

    TraceRecorder trace;
    Store failed;
    QVERIFY(!failed.settings.load(ini(text), [] { return false; }));
    QCOMPARE(failed.settings.pointsPerCard(), 7);
    QCOMPARE(failed.state.currentTask, 101);
    QCOMPARE(failed.settings.usePraise(), true);
    QVERIFY(trace.lines(QStringLiteral("settings")).isEmpty());
}

void TestSettings::soundListsFromFoldersAndTicks()
{
    TestPlatform tp;
    tp.writeWav(QStringLiteral("zvuky/spravne/vyborne.wav"));
    tp.writeWav(QStringLiteral("Zvuky/Spravne/Bravo.WAV"));
    tp.write(QStringLiteral("zvuky/spravne/poznamka.txt"), "x");
    tp.writeWav(QStringLiteral("zvuky/spatne/chyba.wav"));
    tp.writeWav(QStringLiteral("zvuky/spatne/znovu.wav"));
    Store s;
    s.settings.fillSoundLists(tp.files);
    QCOMPARE(names(s.settings.praiseSounds()), (QStringList{"Bravo", "vyborne"}));
    QCOMPARE(names(s.settings.reprimandSounds()), (QStringList{"chyba", "znovu"}));

    QVERIFY(s.settings.load(ini("[Pochvaly]\nbravo=0\n[Pokarani]\nznovu=0\nchyba=1\nneni=0\n"), located));
    QCOMPARE(ticks(s.settings.praiseSounds()), (QList<bool>{false, true}));
    QCOMPARE(ticks(s.settings.reprimandSounds()), (QList<bool>{true, false}));

    TestPlatform empty;
    s.settings.fillSoundLists(empty.files);
    QVERIFY(s.settings.praiseSounds().empty() && s.settings.reprimandSounds().empty());
}

void TestSettings::okMessagesInOrder()
{
    TestPlatform tp;
    tp.writeWav(QStringLiteral("zvuky/spravne/bravo.wav"));
    tp.writeWav(QStringLiteral("zvuky/spatne/ne.wav"));
    Store s;
    s.settings.fillSoundLists(tp.files);
    QCOMPARE(s.settings.okCheckMessage(), QString());
    s.settings.setPraiseTicked(0, false);
    s.settings.setReprimandTicked(0, false);
    s.settings.setUseDing(false);
    QCOMPARE(s.settings.okCheckMessage(), kNoPraise);   // both wrong: praise first
    s.settings.setUsePraise(false);
    QCOMPARE(s.settings.okCheckMessage(), kNoReprimand);
    s.settings.setReprimandTicked(0, true);
    QCOMPARE(s.settings.okCheckMessage(), QString());

    // Empty lists count as nothing ticked.
    Store bare;
    QCOMPARE(bare.settings.okCheckMessage(), kNoPraise);
    bare.settings.setUsePraise(false);
    QCOMPARE(bare.settings.okCheckMessage(), QString());
    bare.settings.setUseDing(false);
    QCOMPARE(bare.settings.okCheckMessage(), kNoReprimand);
}

void TestSettings::storeWritesSameKeysInOrder()
{
    TestPlatform tp;
    tp.writeWav(QStringLiteral("zvuky/spravne/bravo.wav"));
    Store s;
    s.settings.fillSoundLists(tp.files);
    QVERIFY(s.settings.load(ini("[Hodnoceni]\nKarticka za=3\nPocet karticek=0\nTyp karticek=6\n"
                                "[Obecne]\nAut.posun=1\nPosun po=12\nCislo ukolu=207\nUroven ukolu=3\n"
                                "Bez nuly=0\n[Pochvaly]\nbravo=0\n"),
                            located));
    IniFile out;
    s.settings.store(out);
    // No reprimand sounds: no "Pokarani" keys, so no such section.
    QCOMPARE(out.sections(), (QStringList{"Hodnoceni", "Obecne", "Odmeny", "Pochvaly"}));
    QCOMPARE(out.keys("Hodnoceni"),
             (QStringList{"Pouzit karticky", "Karticka za", "Max. pocet chyb", "Pocet karticek", "Typ karticek"}));
    QCOMPARE(out.keys("Obecne"),
             (QStringList{"Aut.posun", "Posun po", "Cerne pozadi", "Autom. zmena podukolu", "Tlacitka nahore",
                          "Cislo ukolu", "Uroven ukolu", "Bez nuly", "Jedna klavesa"}));
    QCOMPARE(out.keys("Odmeny"), (QStringList{"Pochvalit", "Pohanet"}));
    QCOMPARE(out.readString("Obecne", "Aut.posun") + out.readString("Obecne", "Bez nuly")
                 + out.readString("Pochvaly", "bravo"),
             QStringLiteral("100"));

    Store again;
    again.settings.fillSoundLists(tp.files);
    QVERIFY(again.settings.load(IniFile::fromBytes(out.toBytes()), located));
    QCOMPARE((QList<int>{again.settings.pointsPerCard(), again.scores.cardsPerSet, again.scores.cardSet,
                         again.settings.autoAdvanceDelay(), again.state.currentTask, again.state.currentLevel,
                         int(again.settings.countWithZero()), int(again.settings.praiseSounds().at(0).ticked)}),
             (QList<int>{3, 4, 6, 12, 207, 3, 1, 0}));

    // A reward game is never written: the exercise before it is.
    s.state.currentTask = 501;
    s.state.lastTask = 304;
    s.settings.store(out);
    QCOMPARE(out.readInt("Obecne", "Cislo ukolu", 0), 304);
}

void TestSettings::traceLineAfterLoad()
{
    TestPlatform tp;
    for (const char *name : {"zvuky/spravne/a.wav", "zvuky/spravne/b.wav", "zvuky/spravne/c.wav", "zvuky/spatne/d.wav"})
        tp.writeWav(QString::fromLatin1(name));
    TraceRecorder trace;
    Store s;
    s.settings.fillSoundLists(tp.files);
    QVERIFY(s.settings.load(ini("[Hodnoceni]\nKarticka za=4\nMax. pocet chyb=1\nPocet karticek=0\n"
                                "[Obecne]\nCislo ukolu=203\nUroven ukolu=2\nCerne pozadi=0\nBez nuly=0\n"
                                "[Pochvaly]\nb=0\n[Pokarani]\nd=0\n"),
                            located));
    QCOMPARE(trace.lines(QStringLiteral("settings loaded")),
             QStringList{"settings loaded task=203 level=2 cards=4 points=4 errors=1 backdrop=0 toolbar=1 "
                         "zero=1 praise=2/3 reprimand=0/1"});
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
