// The settings store: defaults, clamping, the load's order around the media
// root, the card count's score reset, the OK checks, the store and the trace.
#include "engine/settings.h"
#include "platform/inifile.h"
#include "support/testplatform.h"
#include <QSignalSpy>
#include <QTest>

using namespace flumo;

namespace {

IniFile ini(const char *text) { return IniFile::fromBytes(QByteArray(text)); }
bool located() { return true; }

template <typename T>
QList<T> each(const std::vector<SoundItem> &items, T SoundItem::*field)
{
    QList<T> out;
    for (const SoundItem &s : items)
        out << s.*field;
    return out;
}

struct Store {
    test::TestPlatform tp;
    Scores scores;
    EngineState state;
    Settings settings{scores, state};
    // Writes the given sound files and fills the lists from them.
    void sounds(std::initializer_list<const char *> paths)
    {
        for (const char *p : paths)
            tp.writeWav(QString::fromLatin1(p));
        settings.fillSoundLists(tp.files);
    }
};

const QString kNoPraise = QStringLiteral("Nemáte zatrženu žádnou pochvalu !");
const QString kNoReprimand = QStringLiteral("Nemáte zatrženo žádné pokárání !");

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutFile()
    {
        Store s;
        s.sounds({"zvuky/spravne/bravo.wav", "zvuky/spatne/ne.wav"});
        int calls = 0;
        QVERIFY(s.settings.load(IniFile(), [&] { return ++calls > 0; }));
        QCOMPARE(calls, 1);
        const Settings &c = s.settings;
        QCOMPARE((QList<bool>{c.useCards(), c.autoAdvance(), c.blackBackdrop(), c.toolbarOnTop(), c.autoNextSubtask(),
                              c.noZero(), c.oneKey(), c.usePraise(), c.useDing()}),
                 (QList<bool>{true, false, true, true, false, true, false, true, true}));
        QCOMPARE((QList<int>{c.pointsPerCard(), c.maxErrors(), c.cardCountIndex(), s.scores.cardsPerSet,
                             s.scores.cardSet, c.autoAdvanceDelay(), s.state.currentTask, s.state.currentLevel}),
                 (QList<int>{2, 2, 1, 9, 1, 5, 101, 1}));
        QCOMPARE(each(c.praiseSounds(), &SoundItem::ticked) + each(c.reprimandSounds(), &SoundItem::ticked),
                 (QList<bool>{true, true}));
    }

    // Each row sets every clamped key; the values read back are, in order:
    // delay, points, errors, card index, card set, task, level.
    void clampedAndUnreadableValues_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("low") << QByteArray("[Hodnoceni]\nKarticka za=0\nMax. pocet chyb=-4\nPocet karticek=-1\n"
                                           "Typ karticek=11\n[Obecne]\nPosun po=2\nCislo ukolu=0\nUroven ukolu=0\n")
                             << QList<int>{5, 1, 0, 1, 1, 101, 1};
        QTest::newRow("high") << QByteArray("[Hodnoceni]\nKarticka za=x7\nMax. pocet chyb=\nPocet karticek=7\n"
                                            "[Obecne]\nPosun po=99\nCislo ukolu=502\nUroven ukolu=300\n")
                              << QList<int>{50, 2, 2, 1, 1, 101, 7};
        QTest::newRow("negative task") << QByteArray("[Obecne]\nCislo ukolu=-305\n") << QList<int>{5, 2, 2, 1, 1, 101, 1};
        QTest::newRow("no such exercise") << QByteArray("[Obecne]\nCislo ukolu=50\n") << QList<int>{5, 2, 2, 1, 1, 101, 1};
        QTest::newRow("past a group") << QByteArray("[Obecne]\nCislo ukolu=413\n") << QList<int>{5, 2, 2, 1, 1, 101, 1};
        QTest::newRow("task kept") << QByteArray("[Obecne]\nCislo ukolu=412\n") << QList<int>{5, 2, 2, 1, 1, 412, 1};
    }
    void clampedAndUnreadableValues()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<int>, expected);
        Store s;
        QVERIFY(s.settings.load(IniFile::fromBytes(text), located));
        QCOMPARE((QList<int>{s.settings.autoAdvanceDelay(), s.settings.pointsPerCard(), s.settings.maxErrors(),
                             s.settings.cardCountIndex(), s.scores.cardSet, s.state.currentTask, s.state.currentLevel}),
                 expected);
    }

    void cardCountChangeResetsScore()
    {
        Store s;
        QSignalSpy spy(&s.settings, &Settings::cardCountChanged);
        s.scores = {5, 2, 3, 9, 4};
        s.settings.setCardCountIndex(0);
        QCOMPARE((QList<int>{s.scores.cardsPerSet, s.scores.pointCount, s.scores.errorCount, s.scores.cardsEarned,
                             s.scores.cardSet}),
                 (QList<int>{4, 0, 0, 0, 4}));
        QCOMPARE(spy.count(), 1);
        // The same choice again is no change: the score stays.
        s.scores.cardsEarned = 2;
        s.settings.setCardCountIndex(0);
        QCOMPARE((QList<int>{s.scores.cardsEarned, int(spy.count())}), (QList<int>{2, 1}));
        s.settings.setCardCountIndex(-3);   // any index but 0 is nine
        QCOMPARE((QList<int>{s.scores.cardsPerSet, s.scores.cardsEarned, int(spy.count())}), (QList<int>{9, 0, 2}));
    }

    void mediaRootBetweenSectionsAndFailure()
    {
        const char *text = "[Hodnoceni]\nKarticka za=7\nTyp karticek=3\nPocet karticek=0\n"
                           "[Obecne]\nCislo ukolu=305\nPosun po=20\nCerne pozadi=0\n[Odmeny]\nPochvalit=0\n";
        Store s;
        QSignalSpy backdrop(&s.settings, &Settings::blackBackdropChanged);
        QList<int> seen;
        QVERIFY(s.settings.load(ini(text), [&] {
            seen = {s.settings.pointsPerCard(), s.scores.cardSet, s.scores.cardsPerSet, s.state.currentTask,
                    s.settings.autoAdvanceDelay(), int(s.settings.blackBackdrop())};
            return true;
        }));
        // "Hodnoceni" is in place, "Obecne" is not yet.
        QCOMPARE(seen, (QList<int>{7, 3, 4, 101, 5, 1}));
        QCOMPARE(s.state.currentTask, 305);
        QCOMPARE(backdrop.count(), 1);
        QCOMPARE(backdrop.at(0).at(0).toBool(), false);

        test::TraceRecorder trace;
        Store failed;
        QVERIFY(!failed.settings.load(ini(text), [] { return false; }));
        // "Hodnoceni" was read, nothing after it.
        QCOMPARE((QList<int>{failed.settings.pointsPerCard(), failed.state.currentTask, failed.settings.usePraise()}),
                 (QList<int>{7, 101, 1}));
        QVERIFY(trace.lines(QStringLiteral("settings")).isEmpty());
    }

    void soundListsTicksAndTheTraceLine()
    {
        Store s;
        s.tp.write(QStringLiteral("zvuky/spravne/poznamka.txt"), "x");
        s.sounds({"zvuky/spravne/vyborne.wav", "Zvuky/Spravne/Bravo.WAV", "zvuky/spatne/chyba.wav",
                  "zvuky/spatne/znovu.wav", "zvuky/spatne/zase.wav"});
        QCOMPARE(each(s.settings.praiseSounds(), &SoundItem::name), (QStringList{"Bravo", "vyborne"}));
        QCOMPARE(each(s.settings.reprimandSounds(), &SoundItem::name), (QStringList{"chyba", "zase", "znovu"}));

        test::TraceRecorder trace;
        QVERIFY(s.settings.load(ini("[Hodnoceni]\nKarticka za=4\nMax. pocet chyb=1\nPocet karticek=0\n"
                                    "[Obecne]\nCislo ukolu=203\nUroven ukolu=2\nCerne pozadi=0\nBez nuly=0\n"
                                    "[Pochvaly]\nbravo=0\n[Pokarani]\nznovu=0\nchyba=1\nneni=0\n"),
                                located));
        QCOMPARE(each(s.settings.praiseSounds(), &SoundItem::ticked), (QList<bool>{false, true}));
        QCOMPARE(each(s.settings.reprimandSounds(), &SoundItem::ticked), (QList<bool>{true, true, false}));
        QCOMPARE(trace.lines(QStringLiteral("settings loaded")),
                 QStringList{"settings loaded task=203 level=2 cards=4 points=4 errors=1 backdrop=0 toolbar=1 "
                             "zero=1 praise=1/2 reprimand=2/3"});

        test::TestPlatform empty;
        s.settings.fillSoundLists(empty.files);
        QVERIFY(s.settings.praiseSounds().empty() && s.settings.reprimandSounds().empty());
    }

    void okMessagesInOrder()
    {
        Store s;
        s.sounds({"zvuky/spravne/bravo.wav", "zvuky/spatne/ne.wav"});
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

    void storeRoundTrips()
    {
        Store s;
        s.sounds({"zvuky/spravne/bravo.wav"});
        QVERIFY(s.settings.load(ini("[Hodnoceni]\nKarticka za=3\nPocet karticek=0\nTyp karticek=6\n"
                                    "[Obecne]\nAut.posun=1\nPosun po=12\nCislo ukolu=207\nUroven ukolu=3\n"
                                    "Bez nuly=0\n[Pochvaly]\nbravo=0\n"),
                                located));
        IniFile out;
        s.settings.store(out);
        // No reprimand sounds: no "Pokarani" keys, so no such section.
        QCOMPARE(out.sections(), (QStringList{"Hodnoceni", "Obecne", "Odmeny", "Pochvaly"}));
        QCOMPARE(out.readString("Obecne", "Aut.posun") + out.readString("Obecne", "Bez nuly")
                     + out.readString("Pochvaly", "bravo"),
                 QStringLiteral("100"));

        Store again;
        again.settings.fillSoundLists(s.tp.files);
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
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
