// Locating the media root (the disc prompt loop) and the sound player.
#include "media/mediaroot.h"
#include "media/soundplayer.h"
#include "support/testplatform.h"

#include <QtTest>

using namespace flumo;
using Call = ScriptedDialogs::Call;

namespace {

// Hands out one list of mount points per probe; the last list repeats.
class ScriptedDrives final : public OpticalDrives {
public:
    std::vector<QStringList> script;
    mutable int probes = 0;
    QStringList mountPoints() const override
    {
        const int i = std::min<int>(probes++, int(script.size()) - 1);
        return i < 0 ? QStringList() : script[size_t(i)];
    }
};

// A folder standing for a mounted disc, with or without the marker.
QString makeDisc(test::TestPlatform &disc, bool withMarker)
{
    if (withMarker)
        disc.write("OBR/OKNO.pt0", "marker");
    return disc.dir() + "/";
}

} // namespace

class MediaRootSound : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TestPlatform> tp;
    ScriptedDrives drives;
    QString cd;
    std::optional<QString> locate() { return LocateMediaRoot(tp->files, drives, tp->dialogs, cd); }
private slots:
    void init()
    {
        tp = std::make_unique<test::TestPlatform>();
        drives = {};
        cd.clear();
    }

    void markerInWorkingFolderAsksNothing()
    {
        tp->writeMediaMarker();
        QCOMPARE(locate().value_or("none"), QString());
        QCOMPARE(drives.probes, 0);
        QVERIFY(tp->dialogs.calls().empty());
    }

    void withoutDiscEveryAnoAsksAgainAndNeGivesUp()
    {
        for (bool ano : {true, true, false})
            tp->dialogs.answer(ano);
        QVERIFY(!locate().has_value());
        QCOMPARE(drives.probes, 3);
        const auto &calls = tp->dialogs.calls();
        QCOMPARE(calls.size(), size_t(6));
        for (size_t i = 0; i < calls.size(); i += 2) {
            QCOMPARE(calls[i].kind, Call::Beep);
            QVERIFY(calls[i].beep == BeepKind::Ding);
            QCOMPARE(calls[i + 1].kind, Call::ErrorYesNo);
            QCOMPARE(calls[i + 1].title, QString("Chyba"));
            QCOMPARE(calls[i + 1].text, QString::fromUtf8("Vložte do počítače CD Flumo!\n\nMáte-li již vloženo CD, "
                                                          "stiskněte Ano,\nchcete-li program ukončit, Stiskněte Ne."));
        }
    }

    void discInsertedAfterFirstAnoIsFound()
    {
        test::TestPlatform disc;
        const QString mount = makeDisc(disc, true);
        drives.script = {{}, {mount}};
        tp->dialogs.answer(true);
        QCOMPARE(locate().value_or("none"), mount);
        QCOMPARE(cd, mount);
        QCOMPARE(tp->dialogs.count(Call::ErrorYesNo), 1);
    }

    void onlyTheFirstDriveCountsAndTheLastOneIsKept()
    {
        test::TestPlatform empty, good;
        const QString emptyMount = makeDisc(empty, false), goodMount = makeDisc(good, true);
        drives.script = {{emptyMount, goodMount}}; // the second drive's marker is not looked at
        QVERIFY(!locate().has_value());
        QCOMPARE(cd, emptyMount);
        // No drive found now: the one remembered from before is tried.
        drives = {};
        cd = goodMount;
        QCOMPARE(locate().value_or("none"), goodMount);
        QCOMPARE(drives.probes, 1);
    }

    void preparedSoundStartsOnlyOnTheTimerAndMissingOnesChangeNothing()
    {
        tp->writeWav("zvuky/104/zv2.wav", 300);
        SoundPlayer player(tp->files, tp->sound);
        test::TraceRecorder trace;
        player.setFileName("Zvuky\\\\104\\ZV2.wav");
        QVERIFY(player.prepare(true));
        QCOMPARE(player.lastSoundName(), QString("Zvuky\\\\104\\ZV2.wav"));
        QVERIFY(tp->sound.played().empty());
        player.startPrepared();
        QCOMPARE(tp->sound.played(), std::vector<QString>{tp->dir() + "/zvuky/104/zv2.wav"});
        QVERIFY(tp->sound.events().back().wait);
        QCOMPARE(trace.lines("sound"), QStringList{"sound file=Zvuky\\\\104\\ZV2.wav wait=1"});
        player.startPrepared(); // a second tick has nothing left to start
        QCOMPARE(tp->sound.played().size(), size_t(1));

        tp->sound.clear();
        player.setFileName("Zvuky\\104\\zv9.wav");
        QVERIFY(!player.prepare(false));
        player.startPrepared();
        QVERIFY(!player.playNow("zvuky\\nic.wav", true, true));
        QCOMPARE(player.lastSoundName(), QString("Zvuky\\\\104\\ZV2.wav"));
        QVERIFY(tp->sound.events().empty());
    }

    void playNowStartsAtOnceAndCancelsAPendingStart()
    {
        tp->writeWav("zvuky/spravne/bravo.wav");
        tp->writeWav("Zvuky/201/uv1.wav");
        SoundPlayer player(tp->files, tp->sound);
        test::TraceRecorder trace;
        player.setFileName("Zvuky\\201\\uv1.wav");
        QVERIFY(player.prepare(true));
        QVERIFY(player.playNow("zvuky\\spravne\\bravo.wav", false));
        QCOMPARE(player.lastSoundName(), QString("Zvuky\\201\\uv1.wav"));
        player.startPrepared();
        QCOMPARE(tp->sound.played(), std::vector<QString>{tp->dir() + "/zvuky/spravne/bravo.wav"});
        QVERIFY(!tp->sound.events().back().wait);
        QVERIFY(player.playNow("zvuky\\201\\UV1.wav", true, true));
        QCOMPARE(player.lastSoundName(), QString("zvuky\\201\\UV1.wav"));
        QCOMPARE(trace.lines("sound"), (QStringList{"sound file=zvuky\\spravne\\bravo.wav wait=0",
                                                    "sound file=zvuky\\201\\UV1.wav wait=1"}));
    }
};

QTEST_MAIN(MediaRootSound)
#include "test_media_root_sound.moc"
