// JPEG decoding and the picture loader with its containers.
#include "media/jpeg.h"
#include "media/pictureloader.h"
#include "support/screenenv.h"
#include "support/testplatform.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtTest>

using namespace flumo;
using test::makeContainer;

namespace {

QByteArray jpegOf(int w, int h, QColor color)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    return encodeJpeg(img, 90);
}

QByteArray qtImage(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    QImageWriter writer(&buf, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}


} // namespace

class MediaPictures : public QObject {
    Q_OBJECT
private slots:
    void jpegPixelsMatchQtsOwnReader()
    {
        // Detail in every channel, odd sizes and chroma subsampling: the
        // decoder writes straight into the image rows, so a wrong channel
        // order, alpha byte or row stride shows up here as a pixel mismatch.
        QImage src(37, 23, QImage::Format_RGB32);
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                src.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x * y) % 256));
        QImage grey = src.convertToFormat(QImage::Format_Grayscale8);
        for (const QByteArray &bytes : {encodeJpeg(src, 85), qtImage(src, "jpeg", true), qtImage(grey, "jpeg")}) {
            QString error;
            const QImage ours = decodeJpeg(bytes, &error);
            QImage theirs = QImage::fromData(bytes, "jpeg").convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!theirs.isNull(), "Qt's JPEG reader is missing");
            QCOMPARE(ours.format(), QImage::Format_RGB32);
            QCOMPARE(ours, theirs);
            for (int y = 0; y < ours.height(); ++y)
                for (int x = 0; x < ours.width(); ++x)
                    QCOMPARE(qAlpha(reinterpret_cast<const QRgb *>(ours.constScanLine(y))[x]), 255);
        }
        QString error;
        QCOMPARE(decodeJpeg(jpegOf(kMaxPictureSide, 2, Qt::red), &error).width(), kMaxPictureSide);
    }

    void brokenJpegIsAnErrorNeverAPicture()
    {
        QByteArray huge = jpegOf(64, 48, Qt::darkGreen);
        const qsizetype sof = huge.indexOf(QByteArray("\xff\xc0", 2)); // frame height and width follow at +5
        huge.replace(sof + 5, 4, QByteArray("\xfd\xe8\xfd\xe8", 4));    // 65000 x 65000
        QImage noisy(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                noisy.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * y) & 255, (x ^ y) * 4 & 255));
        const QByteArray detailed = encodeJpeg(noisy, 90);
        const qsizetype scan = detailed.indexOf(QByteArray("\xff\xda", 2));
        const std::pair<QByteArray, QString> cases[] = {
            {QByteArray(), ""},
            {"this is not a picture at all, just words", ""},
            {detailed.left(scan), ""}, // header only
            {detailed.left(scan + (detailed.size() - scan) / 2), "neúplná"},
            {huge, "velký"},
            {jpegOf(kMaxPictureSide + 1, 1, Qt::red), "velký"},
        };
        for (const auto &[bytes, reason] : cases) {
            QString error;
            QVERIFY(decodeJpeg(bytes, &error).isNull());
            QVERIFY2(!error.isEmpty() && error.contains(reason), qPrintable(error));
        }
    }

    void containerOffsetsAndBrokenContainers()
    {
        const QByteArray jpeg = jpegOf(12, 8, Qt::blue);
        const QByteArray at255 = makeContainer(jpeg, 0), at510 = makeContainer(jpeg, 255);
        QCOMPARE(at255.indexOf(jpeg), 255);
        QCOMPARE(at510.indexOf(jpeg), 510);
        QCOMPARE(PictureLoader::decodeContainer(at255).image.size(), QSize(12, 8));
        QCOMPARE(PictureLoader::decodeContainer(at510).image.size(), QSize(12, 8));
        const QByteArray broken[] = {
            at510.left(255) + jpeg,               // data where b says it is not
            QByteArray(), QByteArray(236, '\0'),  // no offset byte
            makeContainer(jpeg, 200).left(300),   // shorter than its offset
            makeContainer(QByteArray(), 255),     // nothing after the offset
            makeContainer(jpeg.left(jpeg.size() - 40), 3),
        };
        for (const QByteArray &bytes : broken) {
            const Picture p = PictureLoader::decodeContainer(bytes);
            QVERIFY(!p.ok() && !p.error.isEmpty());
        }
    }

    void containerUnderMediaRootComesFirst()
    {
        test::TestPlatform tp;
        tp.writeJpeg("obr/201/rovnase.jpg", 16, 12, Qt::red);
        tp.write("Obr/201/ROVNASE.pt0", makeContainer(jpegOf(8, 8, Qt::blue), 40));
        tp.write("obr.v/pic.PT0", makeContainer(jpegOf(7, 7, Qt::blue), 0));
        PictureLoader loader(tp.files);
        QCOMPARE(loader.load("obr\\201\\rovnase.jpg").image.size(), QSize(8, 8));
        // Only the last component's extension is replaced, or ".PT0" appended.
        QCOMPARE(loader.load("obr.v\\pic.jpg").image.size(), QSize(7, 7));
        QCOMPARE(loader.load("obr.v\\pic").image.size(), QSize(7, 7));
        // With a disc as media root the working folder's containers are not
        // used: the plain file is, until the disc holds a container too.
        test::TestPlatform disc;
        loader.setMediaRoot(disc.dir() + "/");
        QCOMPARE(loader.load("obr\\201\\rovnase.jpg").image.size(), QSize(16, 12));
        disc.write("OBR/201/Rovnase.Pt0", makeContainer(jpegOf(5, 6, Qt::green), 255));
        loader.setMediaRoot(disc.dir() + "/");
        QCOMPARE(loader.load("OBR\\\\201\\Rovnase.JPG").image.size(), QSize(5, 6));
    }

    void failuresNameTheFile()
    {
        test::TestPlatform tp;
        tp.write("obr/rozbity.jpg", "garbage, not a JPEG");
        tp.write("obr/kratky.PT0", QByteArray(100, '\x01'));
        tp.write("obr/zly.bmp", QByteArray("BM") + QByteArray(30, '\xff'));
        PictureLoader loader(tp.files);
        test::TraceRecorder trace;
        for (const char *name : {"obr\\chybi.jpg", "obr\\rozbity.jpg", "obr\\kratky.jpg", "obr\\zly.bmp"}) {
            const Picture p = QByteArray(name).endsWith("bmp") ? loader.loadPlain(name) : loader.load(name);
            QVERIFY(!p.ok());
            QVERIFY2(p.error.startsWith(QStringLiteral("Obrázek nelze načíst: ") + name), qPrintable(p.error));
        }
        QCOMPARE(trace.lines("picture-missing"), QStringList{"picture-missing name=obr\\chybi.jpg"});
    }

    void plainLoadReadsBitmapsAndIgnoresContainers()
    {
        test::TestPlatform tp;
        QImage bmp(10, 4, QImage::Format_RGB32);
        bmp.fill(QColor(255, 0, 255));
        tp.write("obr/412/01/P1.BMP", qtImage(bmp, "bmp"));
        tp.writeJpeg("obr-pom/bgr0.jpg", 30, 20, Qt::yellow);
        tp.write("obr-pom/bgr0.PT0", makeContainer(jpegOf(2, 2, Qt::blue), 0));
        PictureLoader loader(tp.files);
        QCOMPARE(loader.loadPlain("obr\\412\\01\\p1.bmp").image.pixelColor(9, 3), QColor(255, 0, 255));
        QCOMPARE(loader.loadPlain("obr-pom\\bgr0.jpg").image.size(), QSize(30, 20));
    }
};

QTEST_MAIN(MediaPictures)
#include "test_media_pictures.moc"
