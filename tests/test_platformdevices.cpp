#include "platform/clock.h"
#include "platform/devices.h"
#include "platform/dialogs.h"
#include "platform/sounddevice.h"
#include "support/testplatform.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using namespace flumo;
using flumo::test::TestPlatform;
using flumo::test::TraceRecorder;
using flumo::test::makeWav;

namespace {

// A WAV with a LIST chunk of odd length (padded) between "fmt " and "data".
QByteArray wavWithExtraChunk(int ms)
{
    QByteArray wav = makeWav(ms);
    const QByteArray list("LIST\x03\x00\x00\x00" "abc\x00", 12);
    wav.insert(36, list);
    qToLittleEndian<quint32>(quint32(wav.size() - 8), wav.data() + 4);
    return wav;
}

struct BoxSeen {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QStringList buttons;
};

// Answers the next modal message box by clicking the button with the given
// text (or pressing Esc for an empty text) and records what it showed.
void answerNextBox(BoxSeen &seen, const QString &click)
{
    QTimer::singleShot(0, [&seen, click] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.icon = box->icon();
        seen.title = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton *b : box->buttons())
            seen.buttons.append(b->text());
        if (click.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *b : box->buttons())
            if (b->text() == click)
                b->click();
    });
}

} // namespace

class TestPlatformDevices : public QObject {
    Q_OBJECT
private slots:
    void mountTableKeepsOpticalMediaInOrder();
    void recordingDeviceSleepsForTheWavLength();
    void dialogsTraceAndAnswer();
    void widgetDialogsShowCzechButtons();
    void sdlDeviceWithoutOutputNeverWaits();
    void sdlDeviceMixesToTheOutput();
};

void TestPlatformDevices::mountTableKeepsOpticalMediaInOrder()
{
    const QByteArray table =
        "sysfs /sys sysfs rw,nosuid 0 0\n"
        "/dev/sr1 /media/user/Flumo\\040CD udf ro,nosuid 0 0\n"
        "/dev/sda1 / ext4 rw,relatime 0 0\n"
        "/dev/sr0\t/media/cdrom0\tiso9660 ro 0 0\n"
        "/dev/loop3 /mnt/iso/ iso9660 ro 0 0\n"
        "/dev/sr0 /media/cdrom0 iso9660 ro 0 0\n"
        "/dev/sr2 /media/back\\134slash iso9660 ro 0 0\n"
        "/dev/sdb1 /media/usb vfat rw 0 0\n"
        "broken line\n";
    const QStringList expected{QStringLiteral("/media/user/Flumo CD/"), QStringLiteral("/media/cdrom0/"),
                               QStringLiteral("/mnt/iso/"), QStringLiteral("/media/back\\slash/")};
    QCOMPARE(SystemOpticalDrives::parseMounts(table), expected);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("mounts")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(table);
    file.close();
    QCOMPARE(SystemOpticalDrives(file.fileName()).mountPoints(), expected);
    QCOMPARE(SystemOpticalDrives(dir.filePath(QStringLiteral("none"))).mountPoints(), QStringList());
}

void TestPlatformDevices::recordingDeviceSleepsForTheWavLength()
{
    TestPlatform tp;
    tp.writeWav(QStringLiteral("zvuky/a.wav"), 1000);
    tp.write(QStringLiteral("zvuky/b.wav"), wavWithExtraChunk(200));
    tp.write(QStringLiteral("zvuky/text.wav"), "not a wave");
    const QString a = tp.dir() + QStringLiteral("/zvuky/a.wav");
    const QString b = tp.dir() + QStringLiteral("/zvuky/b.wav");

    QVERIFY(tp.sound.open(a));
    tp.sound.play(true);
    QCOMPARE(tp.clock.totalSlept(), qint64(1000));
    tp.sound.play(false);
    QCOMPARE(tp.clock.totalSlept(), qint64(1000));
    QVERIFY(tp.sound.open(b));
    tp.sound.play(true);
    QCOMPARE(tp.clock.totalSlept(), qint64(1200));

    // Not a WAV: opens, but a waiting play takes no time.
    QVERIFY(tp.sound.open(tp.dir() + QStringLiteral("/zvuky/text.wav")));
    tp.sound.play(true);
    QCOMPARE(tp.clock.totalSlept(), qint64(1200));

    // A failed open is recorded; the device then holds no sound.
    QString error;
    QVERIFY(!tp.sound.open(tp.dir() + QStringLiteral("/zvuky/none.wav"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(tp.sound.openedPath().isEmpty());
    tp.sound.play(true);
    tp.sound.playSystem(b);

    QCOMPARE(tp.sound.played(), (std::vector<QString>{a, a, b, tp.dir() + QStringLiteral("/zvuky/text.wav")}));
    const auto &events = tp.sound.events();
    QCOMPARE(events.size(), size_t(9));
    QCOMPARE(events[7].kind, RecordingSoundDevice::Event::Open);
    QCOMPARE(events[7].path, tp.dir() + QStringLiteral("/zvuky/none.wav"));
    QCOMPARE(events[8].kind, RecordingSoundDevice::Event::System);
    QVERIFY(events[1].wait && !events[2].wait);
}

void TestPlatformDevices::dialogsTraceAndAnswer()
{
    TraceRecorder trace;
    ScriptedDialogs dialogs;
    dialogs.answer(true);
    const QString text = QStringLiteral(u"Vložte do počítače CD Flumo!\r\rMáte-li již vloženo CD, stiskněte Ano,");
    QVERIFY(dialogs.errorYesNo(QStringLiteral("Chyba"), text));
    QVERIFY(!dialogs.questionYesNo(QStringLiteral("Flumo"), QStringLiteral("Konec?"))); // empty queue
    dialogs.errorOk(QString(), QStringLiteral(u"Nemáte zatrženu žádnou pochvalu !"));
    dialogs.beep(BeepKind::Ding);
    dialogs.beep(BeepKind::Default);

    const QStringList expected{
        QStringLiteral(u"msgbox title=Chyba text=\"Vložte do počítače CD Flumo!\\r\\rMáte-li již vloženo CD, stiskněte Ano,\""),
        QStringLiteral("msgbox title=Flumo text=Konec?"),
        QStringLiteral(u"msgbox title=\"\" text=\"Nemáte zatrženu žádnou pochvalu !\""),
        QStringLiteral("beep kind=ding"),
        QStringLiteral("beep kind=default")};
    QCOMPARE(trace.lines(), expected);
    QCOMPARE(dialogs.count(ScriptedDialogs::Call::ErrorYesNo), 1);
    QCOMPARE(dialogs.count(ScriptedDialogs::Call::Beep), 2);
    QCOMPARE(dialogs.calls()[0].text, text);
    QCOMPARE(dialogs.calls()[3].beep, BeepKind::Ding);

    // The widget Ding plays the working folder's ding on the system voice.
    TestPlatform tp;
    tp.writeWav(QStringLiteral("Zvuky/Ding.WAV"), 100);
    WidgetDialogs widgets(tp.sound, tp.files);
    widgets.beep(BeepKind::Ding);
    widgets.beep(BeepKind::Default);
    QCOMPARE(tp.sound.events().size(), size_t(1));
    QCOMPARE(tp.sound.events()[0].kind, RecordingSoundDevice::Event::System);
    QCOMPARE(tp.sound.events()[0].path, tp.dir() + QStringLiteral("/Zvuky/Ding.WAV"));
    QCOMPARE(trace.lines(QStringLiteral("beep")).size(), 4);
}

void TestPlatformDevices::widgetDialogsShowCzechButtons()
{
    TestPlatform tp;
    WidgetDialogs dialogs(tp.sound, tp.files);
    const QStringList yesNo{QStringLiteral("&Ano"), QStringLiteral("&Ne")};

    BoxSeen seen;
    answerNextBox(seen, QStringLiteral("&Ano"));
    QVERIFY(dialogs.errorYesNo(QStringLiteral("Chyba"), QStringLiteral("Vlozte CD")));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.title, QStringLiteral("Chyba"));
    QCOMPARE(seen.text, QStringLiteral("Vlozte CD"));
    QCOMPARE(seen.buttons, yesNo);

    seen = {};
    answerNextBox(seen, QStringLiteral("&Ne"));
    QVERIFY(!dialogs.errorYesNo(QStringLiteral("Chyba"), QStringLiteral("Vlozte CD!\r\rMate-li\r\nCD")));
    QCOMPARE(seen.text, QStringLiteral("Vlozte CD!\n\nMate-li\nCD"));

    seen = {};
    answerNextBox(seen, QString()); // Esc answers "Ne"
    QVERIFY(!dialogs.questionYesNo(QStringLiteral("Flumo"), QStringLiteral("Konec?")));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, yesNo);

    seen = {};
    answerNextBox(seen, QStringLiteral("&Ano"));
    QVERIFY(dialogs.questionYesNo(QStringLiteral("Flumo"), QStringLiteral("Konec?")));

    seen = {};
    answerNextBox(seen, QStringLiteral("OK"));
    dialogs.errorOk(QStringLiteral("Chyba"), QStringLiteral("Nic"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
}

void TestPlatformDevices::sdlDeviceWithoutOutputNeverWaits()
{
    QCOMPARE(qgetenv("SDL_AUDIODRIVER"), QByteArray("dummy"));
    TestPlatform tp;
    tp.writeWav(QStringLiteral("zvuky/uv1.wav"), 3000);
    QByteArray broken = makeWav(500);
    broken.truncate(30); // cut inside the "fmt " chunk
    tp.write(QStringLiteral("zvuky/broken.wav"), broken);
    tp.write(QStringLiteral("zvuky/text.wav"), "RIFF....WAVEjunk");

    FakeClock clock;
    auto device = createSdlSoundDevice(clock);
    QVERIFY(device->open(tp.dir() + QStringLiteral("/zvuky/uv1.wav")));
    device->play(true);
    QVERIFY(!device->isPlaying());
    QCOMPARE(clock.totalSlept(), qint64(0));
    device->playSystem(tp.dir() + QStringLiteral("/zvuky/uv1.wav"));
    device->stop();

    for (const char *bad : {"none.wav", "broken.wav", "text.wav"}) {
        QString error;
        QVERIFY2(!device->open(tp.dir() + QStringLiteral("/zvuky/") + QLatin1String(bad), &error), bad);
        QVERIFY2(!error.isEmpty(), bad);
        device->play(true);
        QVERIFY(!device->isPlaying());
    }
    QCOMPARE(clock.totalSlept(), qint64(0));
}

void TestPlatformDevices::sdlDeviceMixesToTheOutput()
{
    // The disk driver writes the mixed output to a file at the pace of a
    // real device, so this measures the waiting play and what was mixed.
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.raw"));
    const QByteArray savedDriver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
    TestPlatform tp;
    tp.writeWav(QStringLiteral("a.wav"), 300);
    tp.writeWav(QStringLiteral("long.wav"), 5000);
    {
        SystemClock clock;
        auto device = createSdlSoundDevice(clock);
        QVERIFY(device->open(tp.dir() + QStringLiteral("/a.wav")));
        QElapsedTimer timer;
        timer.start();
        device->play(true);
        const qint64 waited = timer.elapsed();
        QVERIFY(!device->isPlaying());
        QVERIFY2(waited >= 250 && waited < 2500, qPrintable(QString::number(waited)));

        // Opening another file ends the sound playing now; stop() too.
        QVERIFY(device->open(tp.dir() + QStringLiteral("/long.wav")));
        device->play(false);
        QVERIFY(device->isPlaying());
        device->playSystem(tp.dir() + QStringLiteral("/a.wav"));
        QVERIFY(device->open(tp.dir() + QStringLiteral("/a.wav")));
        QVERIFY(!device->isPlaying());
        device->play(false);
        QVERIFY(device->isPlaying());
        device->stop();
        QVERIFY(!device->isPlaying());
    }
    qputenv("SDL_AUDIODRIVER", savedDriver);

    QFile raw(out);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray pcm = raw.readAll();
    int loud = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        loud += qAbs(qFromLittleEndian<qint16>(pcm.constData() + i)) > 1000;
    // 300 ms of a 440 Hz tone at 44.1 kHz stereo: well over 10000 loud samples.
    QVERIFY2(loud > 10000, qPrintable(QString::number(loud)));
}

QTEST_MAIN(TestPlatformDevices)
#include "test_platformdevices.moc"
