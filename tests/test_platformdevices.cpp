// Platform devices: the optical drive list from the mount table, the
// recording and SDL sound devices, and the scripted and widget dialogs.
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
using flumo::test::makeWav;

namespace {

// Answers the next modal message box by clicking the button with the given
// text (Esc for an empty text); seen gets what it showed: icon, title, text
// and the button texts, joined by "|".
void answerNextBox(const QString &click, QString *seen)
{
    seen->clear();
    QTimer::singleShot(0, [seen, click] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen = QString::number(box->icon()) + "|" + box->windowTitle() + "|" + box->text();
        for (QAbstractButton *b : box->buttons())
            *seen += "|" + b->text();
        if (click.isEmpty())
            return QTest::keyClick(box, Qt::Key_Escape);
        for (QAbstractButton *b : box->buttons())
            if (b->text() == click)
                b->click();
    });
}

} // namespace

class TestPlatformDevices : public QObject {
    Q_OBJECT
private slots:
    void mountTableKeepsOpticalMediaInOrder()
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
        const QStringList expected{"/media/user/Flumo CD/", "/media/cdrom0/", "/mnt/iso/", "/media/back\\slash/"};
        QCOMPARE(SystemOpticalDrives::parseMounts(table), expected);
        TestPlatform tp;
        tp.write("mounts", table);
        QCOMPARE(SystemOpticalDrives(tp.dir() + "/mounts").mountPoints(), expected);
        QCOMPARE(SystemOpticalDrives(tp.dir() + "/none").mountPoints(), QStringList());
    }

    void recordingDeviceSleepsForTheWavLength()
    {
        TestPlatform tp;
        QByteArray b = makeWav(200); // with an odd-length (padded) LIST chunk before "data"
        b.insert(36, QByteArray("LIST\x03\x00\x00\x00" "abc\x00", 12));
        qToLittleEndian<quint32>(quint32(b.size() - 8), b.data() + 4);
        tp.write("zvuky/b.wav", b);
        tp.writeWav("zvuky/a.wav", 1000);
        tp.write("zvuky/text.wav", "not a wave");
        const auto at = [&tp](const char *name) { return tp.dir() + "/zvuky/" + name; };
        const auto slept = [&tp](const char *name, bool wait) {
            tp.sound.open(tp.dir() + "/zvuky/" + name);
            tp.sound.play(wait);
            return tp.clock.totalSlept();
        };
        QCOMPARE(slept("a.wav", true), qint64(1000));
        QCOMPARE(slept("a.wav", false), qint64(1000));
        QCOMPARE(slept("b.wav", true), qint64(1200));
        QCOMPARE(slept("text.wav", true), qint64(1200)); // opens, but a waiting play takes no time
        // A failed open is recorded; the device then holds no sound.
        QString error;
        QVERIFY(!tp.sound.open(at("none.wav"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(tp.sound.openedPath().isEmpty());
        tp.sound.play(true);
        tp.sound.playSystem(at("b.wav"));
        QCOMPARE(tp.sound.played(), (std::vector<QString>{at("a.wav"), at("a.wav"), at("b.wav"), at("text.wav")}));
    }

    void dialogsTraceAndAnswer()
    {
        test::TraceRecorder trace;
        ScriptedDialogs dialogs;
        dialogs.answer(true);
        const QString text = QStringLiteral(u"Vložte do počítače CD Flumo!\r\rMáte-li již vloženo CD, stiskněte Ano,");
        QVERIFY(dialogs.errorYesNo("Chyba", text));
        QVERIFY(!dialogs.questionYesNo("Flumo", "Konec?")); // empty queue
        dialogs.errorOk(QString(), QStringLiteral(u"Nemáte zatrženu žádnou pochvalu !"));
        dialogs.beep(BeepKind::Ding);
        dialogs.beep(BeepKind::Default);
        QCOMPARE(trace.lines(), (QStringList{
            QStringLiteral(u"msgbox title=Chyba text=\"Vložte do počítače CD Flumo!\\r\\rMáte-li již vloženo CD, stiskněte Ano,\""),
            "msgbox title=Flumo text=Konec?", QStringLiteral(u"msgbox title=\"\" text=\"Nemáte zatrženu žádnou pochvalu !\""),
            "beep kind=ding", "beep kind=default"}));

        // The widget Ding plays the working folder's ding on the system voice.
        TestPlatform tp;
        tp.writeWav("Zvuky/Ding.WAV", 100);
        WidgetDialogs widgets(tp.sound, tp.files);
        widgets.beep(BeepKind::Ding);
        widgets.beep(BeepKind::Default);
        QCOMPARE(tp.sound.events().size(), size_t(1));
        QCOMPARE(tp.sound.events()[0].kind, RecordingSoundDevice::Event::System);
        QCOMPARE(tp.sound.events()[0].path, tp.dir() + "/Zvuky/Ding.WAV");
        QCOMPARE(trace.lines("beep").size(), 4);
    }

    void widgetDialogsShowCzechButtons()
    {
        TestPlatform tp;
        WidgetDialogs dialogs(tp.sound, tp.files);
        const QString critical = QString::number(QMessageBox::Critical), question = QString::number(QMessageBox::Question);
        QString seen;
        answerNextBox("&Ano", &seen);
        QVERIFY(dialogs.errorYesNo("Chyba", "Vlozte CD"));
        QCOMPARE(seen, critical + "|Chyba|Vlozte CD|&Ano|&Ne");
        answerNextBox("&Ne", &seen);
        QVERIFY(!dialogs.errorYesNo("Chyba", "Vlozte CD!\r\rMate-li\r\nCD"));
        QCOMPARE(seen, critical + "|Chyba|Vlozte CD!\n\nMate-li\nCD|&Ano|&Ne");
        answerNextBox(QString(), &seen); // Esc answers "Ne"
        QVERIFY(!dialogs.questionYesNo("Flumo", "Konec?"));
        QCOMPARE(seen, question + "|Flumo|Konec?|&Ano|&Ne");
        answerNextBox("OK", &seen);
        dialogs.errorOk("Chyba", "Nic");
        QCOMPARE(seen, critical + "|Chyba|Nic|OK");
    }

    void sdlDeviceWithoutOutputNeverWaits()
    {
        QCOMPARE(qgetenv("SDL_AUDIODRIVER"), QByteArray("dummy"));
        TestPlatform tp;
        tp.writeWav("zvuky/uv1.wav", 3000);
        tp.write("zvuky/broken.wav", makeWav(500).left(30)); // cut inside the "fmt " chunk
        tp.write("zvuky/text.wav", "RIFF....WAVEjunk");
        FakeClock clock;
        auto device = createSdlSoundDevice(clock);
        QVERIFY(device->open(tp.dir() + "/zvuky/uv1.wav"));
        device->play(true);
        QVERIFY(!device->isPlaying());
        device->playSystem(tp.dir() + "/zvuky/uv1.wav");
        device->stop();
        for (const char *bad : {"none.wav", "broken.wav", "text.wav"}) {
            QString error;
            QVERIFY2(!device->open(tp.dir() + "/zvuky/" + bad, &error), bad);
            QVERIFY2(!error.isEmpty(), bad);
            device->play(true);
            QVERIFY(!device->isPlaying());
        }
        QCOMPARE(clock.totalSlept(), qint64(0));
    }

    void sdlDeviceMixesToTheOutput()
    {
        // The disk driver writes the mixed output to a file at the pace of a
        // real device, so this measures the waiting play and what was mixed.
        QTemporaryDir dir;
        const QString out = dir.filePath("out.raw");
        const QByteArray savedDriver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out));
        TestPlatform tp;
        tp.writeWav("a.wav", 300);
        tp.writeWav("long.wav", 5000);
        {
            SystemClock clock;
            auto device = createSdlSoundDevice(clock);
            QVERIFY(device->open(tp.dir() + "/a.wav"));
            QElapsedTimer timer;
            timer.start();
            device->play(true);
            const qint64 waited = timer.elapsed();
            QVERIFY(!device->isPlaying());
            QVERIFY2(waited >= 250 && waited < 2500, qPrintable(QString::number(waited)));
            // Opening another file ends the sound playing now; stop() too.
            QVERIFY(device->open(tp.dir() + "/long.wav"));
            device->play(false);
            QVERIFY(device->isPlaying());
            device->playSystem(tp.dir() + "/a.wav");
            QVERIFY(device->open(tp.dir() + "/a.wav"));
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
};

QTEST_MAIN(TestPlatformDevices)
#include "test_platformdevices.moc"
