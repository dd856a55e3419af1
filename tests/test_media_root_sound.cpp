// Locating the media root (the disc prompt loop) and the sound player.
#include "media/mediaroot.h"
#include "media/soundplayer.h"
#include "support/testplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace flumo;
using flumo::test::TestPlatform;
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
QString makeDisc(QTemporaryDir &dir, bool withMarker)
{
    if (withMarker) {
        QDir(dir.path()).mkpath("OBR");
        QFile f(dir.path() + "/OBR/OKNO.pt0");
        f.open(QIODevice::WriteOnly);
        f.write("marker");
    }
    return dir.path() + "/";
}

const QString kPrompt = QString::fromUtf8("Vložte do počítače CD Flumo!\n\n"
                                          "Máte-li již vloženo CD, stiskněte Ano,\n"
                                          "chcete-li program ukončit, Stiskněte Ne.");

} // namespace

class MediaRootSound : public QObject {
    Q_OBJECT
private slots:
    void markerInWorkingFolderAsksNothing()
    {
        TestPlatform tp;
        tp.writeMediaMarker();
        ScriptedDrives drives;
        QString cd;
        const auto root = LocateMediaRoot(tp.files, drives, tp.dialogs, cd);
        QVERIFY(root.has_value());
        QCOMPARE(*root, QString());
        QCOMPARE(drives.probes, 0);
        QVERIFY(tp.dialogs.calls().empty());
    }

    void withoutDiscEveryAnoAsksAgainAndNeGivesUp()
    {
        TestPlatform tp;
        ScriptedDrives drives;
        tp.dialogs.answer(true);
        tp.dialogs.answer(true);
        tp.dialogs.answer(false);
        QString cd;
        QVERIFY(!LocateMediaRoot(tp.files, drives, tp.dialogs, cd).has_value());
        QCOMPARE(drives.probes, 3);
        QCOMPARE(tp.dialogs.count(Call::ErrorYesNo), 3);
        const auto &calls = tp.dialogs.calls();
        QCOMPARE(calls.size(), size_t(6));
        for (size_t i = 0; i < calls.size(); i += 2) {
            QCOMPARE(calls[i].kind, Call::Beep);
            QVERIFY(calls[i].beep == BeepKind::Ding);
            QCOMPARE(calls[i + 1].kind, Call::ErrorYesNo);
            QCOMPARE(calls[i + 1].title, QString("Chyba"));
            QCOMPARE(calls[i + 1].text, kPrompt);
        }
    }

    void discInsertedAfterFirstAnoIsFound()
    {
        TestPlatform tp;
        QTemporaryDir disc;
        const QString mount = makeDisc(disc, true);
        ScriptedDrives drives;
        drives.script = {{}, {mount}};
        tp.dialogs.answer(true);
        QString cd;
        const auto root = LocateMediaRoot(tp.files, drives, tp.dialogs, cd);
        QCOMPARE(root.value_or("none"), mount);
        QCOMPARE(cd, mount);
        QCOMPARE(tp.dialogs.count(Call::ErrorYesNo), 1);
    }

    void onlyTheFirstDriveCountsAndTheLastOneIsKept()
    {
        TestPlatform tp;
        QTemporaryDir empty, good;
        const QString emptyMount = makeDisc(empty, false);
        const QString goodMount = makeDisc(good, true);

        // The marker on the second drive is not looked at.
        ScriptedDrives drives;
        drives.script = {{emptyMount, goodMount}};
        QString cd;
        QVERIFY(!LocateMediaRoot(tp.files, drives, tp.dialogs, cd).has_value());
        QCOMPARE(cd, emptyMount);

        // No drive found now: the one remembered from before is tried.
        ScriptedDrives none;
        cd = goodMount;
        QCOMPARE(LocateMediaRoot(tp.files, none, tp.dialogs, cd).value_or("none"), goodMount);
        QCOMPARE(none.probes, 1);
    }

    void preparedSoundStartsOnlyOnTheTimerAndMissingOnesChangeNothing()
    {
        TestPlatform tp;
        tp.writeWav("zvuky/104/zv2.wav", 300);
        SoundPlayer player(tp.files, tp.sound);
        test::TraceRecorder trace;

        player.setFileName("Zvuky\\\\104\\ZV2.wav");
        QVERIFY(player.prepare(true));
        QCOMPARE(player.lastSoundName(), QString("Zvuky\\\\104\\ZV2.wav"));
        QVERIFY(tp.sound.played().empty());
        QVERIFY(trace.lines("sound").isEmpty());
        player.startPrepared();
        QCOMPARE(tp.sound.played(), std::vector<QString>{tp.dir() + "/zvuky/104/zv2.wav"});
        QVERIFY(tp.sound.events().back().wait);
        QCOMPARE(trace.lines("sound"), QStringList{"sound file=Zvuky\\\\104\\ZV2.wav wait=1"});
        player.startPrepared(); // a second tick has nothing left to start
        QCOMPARE(tp.sound.played().size(), size_t(1));

        tp.sound.clear();
        player.setFileName("Zvuky\\104\\zv9.wav");
        QVERIFY(!player.prepare(false));
        player.startPrepared();
        QVERIFY(!player.playNow("zvuky\\nic.wav", true, true));
        QCOMPARE(player.lastSoundName(), QString("Zvuky\\\\104\\ZV2.wav"));
        QVERIFY(tp.sound.events().empty());
    }

    void playNowStartsAtOnceAndCancelsAPendingStart()
    {
        TestPlatform tp;
        tp.writeWav("zvuky/spravne/bravo.wav");
        tp.writeWav("Zvuky/201/uv1.wav");
        SoundPlayer player(tp.files, tp.sound);
        test::TraceRecorder trace;

        player.setFileName("Zvuky\\201\\uv1.wav");
        QVERIFY(player.prepare(true));
        QVERIFY(player.playNow("zvuky\\spravne\\bravo.wav", false));
        QCOMPARE(player.lastSoundName(), QString("Zvuky\\201\\uv1.wav"));
        player.startPrepared();
        QCOMPARE(tp.sound.played(), std::vector<QString>{tp.dir() + "/zvuky/spravne/bravo.wav"});
        QVERIFY(!tp.sound.events().back().wait);

        QVERIFY(player.playNow("zvuky\\201\\UV1.wav", true, true));
        QCOMPARE(player.lastSoundName(), QString("zvuky\\201\\UV1.wav"));
        QCOMPARE(trace.lines("sound"), (QStringList{"sound file=zvuky\\spravne\\bravo.wav wait=0",
                                                    "sound file=zvuky\\201\\UV1.wav wait=1"}));
    }
};

QTEST_MAIN(MediaRootSound)
#include "test_media_root_sound.moc"
