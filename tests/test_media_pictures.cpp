// Number texts, JPEG decoding and the picture loader with its containers.
#include "media/jpeg.h"
#include "media/numbertext.h"
#include "media/pictureloader.h"
#include "support/testplatform.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace flumo;
using flumo::test::TestPlatform;

namespace {

QByteArray jpegOf(int w, int h, QColor color)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    return encodeJpeg(img, 90);
}

// Replaces the frame size in the SOF0 segment (FF C0, length, precision,
// height, width) of a baseline JPEG.
QByteArray withFrameSize(QByteArray jpeg, int w, int h)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xff\xc0", 2));
    Q_ASSERT(sof > 0);
    jpeg[sof + 5] = char(h >> 8);
    jpeg[sof + 6] = char(h & 0xff);
    jpeg[sof + 7] = char(w >> 8);
    jpeg[sof + 8] = char(w & 0xff);
    return jpeg;
}

QByteArray qtJpeg(const QImage &image, bool progressive)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    QImageWriter writer(&buf, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

bool near(QColor a, QColor b) // JPEG is lossy
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

} // namespace

class MediaPictures : public QObject {
    Q_OBJECT
private slots:
    void numberToText()
    {
        QCOMPARE(NumberToText(7, 3), "007");
        QCOMPARE(NumberToText(412, 3), "412");
        QCOMPARE(NumberToText(12, 1), "12");
        QCOMPARE(NumberToText(5, 2), "05");
        QCOMPARE(NumberToText(42, 10), "0000000042");
    }

    void jpegDecodesColourGreyProgressiveAndTheSideLimit()
    {
        QImage src(20, 10, QImage::Format_RGB32);
        src.fill(QColor(30, 200, 90));
        for (int x = 10; x < 20; ++x)
            for (int y = 0; y < 10; ++y)
                src.setPixelColor(x, y, QColor(240, 240, 20));
        QString error = "stale";
        QImage out = decodeJpeg(encodeJpeg(src, 95), &error);
        QCOMPARE(out.size(), QSize(20, 10));
        QVERIFY(error.isEmpty());
        QVERIFY(near(out.pixelColor(2, 5), QColor(30, 200, 90)));
        QVERIFY(near(out.pixelColor(17, 5), QColor(240, 240, 20)));

        // Files of another encoder: Qt's grey and progressive output.
        QImage grey(9, 7, QImage::Format_Grayscale8);
        grey.fill(100);
        out = decodeJpeg(qtJpeg(grey, false), &error);
        QVERIFY2(near(out.pixelColor(4, 3), QColor(100, 100, 100)), qPrintable(error));
        out = decodeJpeg(qtJpeg(src, true), &error);
        QVERIFY2(near(out.pixelColor(17, 5), QColor(240, 240, 20)), qPrintable(error));

        out = decodeJpeg(jpegOf(kMaxPictureSide, 2, Qt::red), &error);
        QCOMPARE(out.width(), kMaxPictureSide);
    }

    void brokenJpegIsAnErrorNeverAPicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = jpegOf(64, 48, Qt::darkGreen);
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("garbage") << QByteArray("this is not a picture at all, just words") << "";
        QTest::newRow("header only") << good.left(good.indexOf(QByteArray("\xff\xda", 2))) << "";
        QImage noisy(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                noisy.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (x ^ y) * 4 & 255));
        const QByteArray detailed = encodeJpeg(noisy, 90);
        const qsizetype scan = detailed.indexOf(QByteArray("\xff\xda", 2));
        QTest::newRow("truncated scan") << detailed.left(scan + (detailed.size() - scan) / 2) << "neúplná";
        QTest::newRow("65000 x 65000") << withFrameSize(good, 65000, 65000) << "velký";
        QTest::newRow("one over the side limit") << jpegOf(kMaxPictureSide + 1, 1, Qt::red) << "velký";
    }
    void brokenJpegIsAnErrorNeverAPicture()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(decodeJpeg(bytes, &error).isNull());
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void containerOffsetsAndBrokenContainers()
    {
        const QByteArray jpeg = jpegOf(12, 8, Qt::blue);
        const QByteArray at255 = test::makeContainer(jpeg, 0), at510 = test::makeContainer(jpeg, 255);
        QCOMPARE(at255.indexOf(jpeg), 255);
        QCOMPARE(at510.indexOf(jpeg), 510);
        QCOMPARE(PictureLoader::decodeContainer(at255).image.size(), QSize(12, 8));
        QCOMPARE(PictureLoader::decodeContainer(at510).image.size(), QSize(12, 8));

        const QByteArray broken[] = {
            at510.left(255) + jpeg,                     // data where b says it is not
            QByteArray(), QByteArray(236, '\0'),        // no offset byte
            test::makeContainer(jpeg, 200).left(300),   // shorter than its offset
            test::makeContainer(QByteArray(), 255),     // nothing after the offset
            test::makeContainer(jpeg.left(jpeg.size() - 40), 3),
        };
        for (const QByteArray &bytes : broken) {
            const Picture p = PictureLoader::decodeContainer(bytes);
            QVERIFY(!p.ok() && !p.error.isEmpty());
        }
    }

    void containerUnderMediaRootComesFirst()
    {
        TestPlatform tp;
        tp.writeJpeg("obr/201/rovnase.jpg", 16, 12, Qt::red);
        tp.write("Obr/201/ROVNASE.pt0", test::makeContainer(jpegOf(8, 8, Qt::blue), 40));
        tp.write("obr.v/pic.PT0", test::makeContainer(jpegOf(7, 7, Qt::blue), 0));
        PictureLoader loader(tp.files);
        QCOMPARE(loader.load("obr\\201\\rovnase.jpg").image.size(), QSize(8, 8));
        // Only the last component's extension is replaced, or ".PT0" appended.
        QCOMPARE(loader.load("obr.v\\pic.jpg").image.size(), QSize(7, 7));
        QCOMPARE(loader.load("obr.v\\pic").image.size(), QSize(7, 7));

        // With a disc as media root the working folder's containers are not
        // used: the plain file is, until the disc holds a container too.
        QTemporaryDir disc;
        loader.setMediaRoot(disc.path() + "/");
        QCOMPARE(loader.load("obr\\201\\rovnase.jpg").image.size(), QSize(16, 12));
        QDir(disc.path()).mkpath("OBR/201");
        QFile f(disc.path() + "/OBR/201/Rovnase.Pt0");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(test::makeContainer(jpegOf(5, 6, Qt::green), 255));
        f.close();
        loader.setMediaRoot(disc.path() + "/");
        QCOMPARE(loader.load("OBR\\\\201\\Rovnase.JPG").image.size(), QSize(5, 6));
    }

    void failuresNameTheFile()
    {
        TestPlatform tp;
        tp.write("obr/rozbity.jpg", "garbage, not a JPEG");
        tp.write("obr/kratky.PT0", QByteArray(100, '\x01'));
        tp.write("obr/zly.bmp", QByteArray("BM") + QByteArray(30, '\xff'));
        PictureLoader loader(tp.files);
        test::TraceRecorder trace;

        const Picture missing = loader.load("obr\\chybi.jpg");
        QVERIFY(!missing.ok());
        QVERIFY(missing.error.startsWith("Obrázek nelze načíst: obr\\chybi.jpg"));
        QCOMPARE(trace.lines("picture-missing"), QStringList{"picture-missing name=obr\\chybi.jpg"});
        for (const char *name : {"obr\\rozbity.jpg", "obr\\kratky.jpg", "obr\\zly.bmp"}) {
            const Picture p = QByteArray(name).endsWith("bmp") ? loader.loadPlain(name) : loader.load(name);
            QVERIFY(!p.ok());
            QVERIFY(p.error.startsWith(QStringLiteral("Obrázek nelze načíst: ") + name));
        }
        QCOMPARE(trace.lines("picture-missing").size(), 1);
    }

    void plainLoadReadsBitmapsAndIgnoresContainers()
    {
        TestPlatform tp;
        QImage bmp(10, 4, QImage::Format_RGB32);
        bmp.fill(QColor(255, 0, 255));
        QByteArray bytes;
        QBuffer buf(&bytes);
        QVERIFY(QImageWriter(&buf, "bmp").write(bmp));
        tp.write("obr/412/01/P1.BMP", bytes);
        tp.writeJpeg("obr-pom/bgr0.jpg", 30, 20, Qt::yellow);
        tp.write("obr-pom/bgr0.PT0", test::makeContainer(jpegOf(2, 2, Qt::blue), 0));
        PictureLoader loader(tp.files);
        QCOMPARE(loader.loadPlain("obr\\412\\01\\p1.bmp").image.pixelColor(9, 3), QColor(255, 0, 255));
        QCOMPARE(loader.loadPlain("obr-pom\\bgr0.jpg").image.size(), QSize(30, 20));
    }
};

QTEST_MAIN(MediaPictures)
#include "test_media_pictures.moc"
