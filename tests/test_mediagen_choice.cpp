// Media of the choice exercises and the shared numbers: picture sizes
// against the boxes that show them, readable quantities and numerals,
// thread-independent output.
#include "choice.h"
#include "choice_art.h"
#include "family.h"
#include "media/jpeg.h"
#include "support/blobs.h"
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <cmath>
#include <thread>

using namespace mediagen;
using namespace mediagen::choice;

namespace {

QString padded(int n, int width) { return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0')); }

// As the program's file store compares names.
QString normalised(const QString &name)
{
    QString n = name.toLower();
    n.replace(QRegularExpression(QStringLiteral(R"(\\+)")), QStringLiteral("\\"));
    return n;
}

QHash<QString, MediaFile> filesOf(const Family &family)
{
    QHash<QString, MediaFile> files;
    for (const MediaFile &f : family.files())
        files.insert(normalised(f.name), f);
    return files;
}

} // namespace

class TestMediagenChoice : public QObject {
    Q_OBJECT

private slots:
    // Every spoken task has a text, and every colour a name of its own, also
    // the precise ones of the highest level.
    void spokenTasksHaveTextAndColoursTheirOwnNames()
    {
        for (const SpokenText &t : spokenTasks())
            QVERIFY2(!t.text.trimmed().isEmpty(), qPrintable(t.name));
        QSet<QString> plain, precise;
        for (int c = 1; c <= kColourCount; ++c)
            plain << colourAccusative(c, false), precise << colourAccusative(c, true);
        QCOMPARE(plain.size(), kColourCount);
        QCOMPARE(precise.size(), kColourCount);
    }

    // Every picture of the family decodes; "k" has the size of its "n"; each
    // fits the box it is shown in.
    void picturesDecodeAndFitTheirBoxes()
    {
        const auto family = makeChoicePictureFamily();
        const QHash<QString, MediaFile> files = filesOf(*family);
        QHash<QString, QSize> sizes;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QString error;
            const QImage img = flumo::decodeJpeg(it->make(), &error);
            QVERIFY2(!img.isNull(), qPrintable(it.key() + ": " + error));
            sizes.insert(it.key(), img.size());
        }
        const struct {
            const char *pattern;
            int maxW, maxH;
        } boxes[] = {
            {R"(obr\\(101\\(obr|pikt)\d{3}|102\\past\d{3}|111\\poc\d\d_\d\d)[nk]\.jpg)", 250, 172},
            {R"(obr\\108\\obr\d\d_\d[nk]\.jpg)", 340, 172},
            {R"(obr\\201\\(cervene\\)?cisl\d{3}[nk]\.jpg)", 128, 172},   // the number row's narrow cells
            {R"(obr\\201\\male\\cisl\d{3}[nk]\.jpg)", 120, 120},
            {R"(obr\\(101\\(obr|pikt)\d{3}|102\\vzor\d(_\d\d)?|111\\poc\d\d_\d{1,2}|108\\obr\d\d_\d)d\.jpg)", 217, 160},
            {R"(obr\\prazdny6\.jpg)", 217, 160},
            {R"(obr\\201\\(cervene\\)?cisl\d{3}d\.jpg)", 216, 160},     // the empty answer box it replaces
            {R"(obr\\201\\male\\cisl\d{3}d\.jpg)", 115, 160},           // the number row's display boxes
            {R"(obr\\201\\(mensi|vetsi|rovnase|nerovna|plus|minus)\.jpg|obr\\rovnase\.jpg)", 75, 160},
        };
        int pairs = 0;
        for (auto it = sizes.cbegin(); it != sizes.cend(); ++it) {
            const QString &name = it.key();
            bool matched = false;
            for (const auto &b : boxes)
                if (QRegularExpression(QStringLiteral("^(") + QLatin1String(b.pattern) + ")$").match(name).hasMatch()) {
                    matched = true;
                    QVERIFY2(it->width() <= b.maxW && it->height() <= b.maxH,
                             qPrintable(QStringLiteral("%1 is %2 x %3").arg(name).arg(it->width()).arg(it->height())));
                }
            QVERIFY2(matched, qPrintable(name + " has no box"));
            if (name.endsWith(QLatin1String("k.jpg"))) {
                QCOMPARE(*it, sizes.value(name.left(name.size() - 5) + "n.jpg"));
                ++pairs;
            }
        }
        QVERIFY(pairs > 1200);
        // Four sizes of a set stand side by side in the upper panel and grow.
        for (int k : {1, 35, 69}) {
            int row = 0, lastDisplay = 0, lastTile = 0;
            for (int v = 1; v <= 4; ++v) {
                const QString stem = "obr\\108\\obr" + padded(k, 2) + "_" + QString::number(v);
                const int display = sizes.value(stem + "d.jpg").width(), tileWidth = sizes.value(stem + "n.jpg").width();
                QVERIFY2(display > lastDisplay && tileWidth > lastTile, qPrintable(stem));
                lastDisplay = display, lastTile = tileWidth, row += display;
            }
            QVERIFY(row <= 734);
        }
        // A run of five one-digit numbers and a ten with 23-pixel gaps,
        // starting 10 pixels in, fits the upper panel.
        const int run = 10 + 5 * sizes.value("obr\\201\\cisl005d.jpg").width()
            + sizes.value("obr\\201\\cisl010d.jpg").width() + 5 * 23;
        QVERIFY2(run <= 744, qPrintable(QString::number(run)));
    }

    void quantitiesShowExactlyTheirCount()
    {
        // Kind 12 is a solid star: each one is one blob.
        for (Look look : {Look::Normal, Look::Highlighted, Look::Display})
            for (int count = 0; count <= 10; ++count) {
                const QImage img = countPicture(12, count, look);
                QCOMPARE(flumo::test::blobCount(img.copy(img.rect().adjusted(14, 14, -14, -14)), QColor(250, 244, 226)), count);
            }
        // Different counts and kinds are different pictures.
        QVERIFY(countPicture(3, 4, Look::Normal) != countPicture(3, 5, Look::Normal));
        QVERIFY(countPicture(3, 4, Look::Normal) != countPicture(4, 4, Look::Normal));
    }

    void objectsAreDistinctAndPictogramsOneColoured()
    {
        QSet<QString> glyphs, kinds;
        QSet<int> sets;
        for (int n = 1; n <= kObjectCount; ++n) {
            glyphs << objectGlyph(n);
            QVERIFY2(!sprite(objectGlyph(n)).isNull(), qPrintable(QString::number(n)));
        }
        for (int k = 1; k <= kSizeSetCount; ++k)
            sets << sizeSetObject(k);
        // A counted picture shows one thing: no kind is a pair or a bunch.
        QVERIFY(showsSeveralObjects(QString::fromUtf8("🍒")) && showsSeveralObjects(QString::fromUtf8("🧦")));
        for (int k = 1; k <= kCountKinds; ++k) {
            kinds << countKindGlyph(k);
            QVERIFY(!sprite(countKindGlyph(k)).isNull());
            QVERIFY2(!showsSeveralObjects(countKindGlyph(k)), qPrintable(countKindGlyph(k)));
        }
        QCOMPARE(glyphs.size(), kObjectCount);
        QCOMPARE(sets.size(), kSizeSetCount);
        QCOMPARE(kinds.size(), kCountKinds);

        // The red apple: warm pixels in the picture, none in the pictogram.
        auto warm = [](const QImage &img) {
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb c = img.pixel(x, y);
                    n += qRed(c) > qBlue(c) + 80 && qRed(c) > qGreen(c) + 60;
                }
            return n;
        };
        int apple = 1;
        while (apple < kObjectCount && objectGlyph(apple) != QString::fromUtf8("🍎"))
            ++apple;
        QCOMPARE(objectGlyph(apple), QString::fromUtf8("🍎"));
        QVERIFY(warm(objectPicture(apple, false, Look::Normal)) > 1000);
        QCOMPARE(warm(objectPicture(apple, true, Look::Normal)), 0);
        QCOMPARE(warm(objectPicture(apple, true, Look::Display)), 0);
    }

    // The 102 sample before it is painted never looks painted white: its
    // inside is clearly grey, the white one's is not.
    void unpaintedSampleIsGreyNotWhite()
    {
        auto greyShare = [](const QImage &img) {
            int grey = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    grey += std::abs(c.red() - c.blue()) < 16 && c.red() > 110 && c.red() < 190;
                }
            return double(grey) / (img.width() * img.height());
        };
        for (int d = 1; d <= 7; ++d) {
            const QString what = QString::number(d);
            const double unpainted = greyShare(sampleObject(d, 0)), white = greyShare(sampleObject(d, 1));
            QVERIFY2(unpainted > 3 * white + 0.01, qPrintable(what + QStringLiteral(": %1 %2").arg(unpainted).arg(white)));
        }
    }

    void numeralsAreLargeAndInTheirColour()
    {
        auto inkBox = [](const QImage &img, bool red) {
            QRect box;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb c = img.pixel(x, y);
                    if (red ? qRed(c) > 150 && qGreen(c) < 90 : qBlue(c) > 120 && qRed(c) < 90)
                        box |= QRect(x, y, 1, 1);
                }
            return box;
        };
        // As large as the card allows: filling most of its height, or for
        // long numbers most of its width.
        auto large = [&](const QImage &img, bool red) {
            const QRect box = inkBox(img, red);
            return box.height() >= img.height() * 55 / 100 || box.width() >= img.width() * 75 / 100;
        };
        for (int n : {0, 7, 42, 100})
            for (Look look : {Look::Normal, Look::Highlighted, Look::Display}) {
                const QString what = QStringLiteral("%1 %2").arg(n).arg(lookLetter(look));
                QVERIFY2(large(numberPicture(NumberStyle::Large, n, look), false), qPrintable(what));
                QVERIFY2(large(numberPicture(NumberStyle::Small, n, look), false), qPrintable(what));
                const QImage red = numberPicture(NumberStyle::Red, n, look);
                QVERIFY2(large(red, true) && inkBox(red, false).isEmpty(), qPrintable(what));
            }
        // Each number has its own picture.
        QSet<QByteArray> seen;
        for (int n = 0; n <= 100; ++n) {
            const QImage img = numberPicture(NumberStyle::Large, n, Look::Normal);
            seen << QByteArray(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes());
        }
        QCOMPARE(seen.size(), 101);
    }

    // Pictures made on two threads at once, in different orders, are the
    // bytes one thread makes.
    void picturesDoNotDependOnTheThread()
    {
        std::vector<MediaFile> sample;
        const auto family = makeChoicePictureFamily();
        const std::vector<MediaFile> all = family->files();
        for (size_t i = 0; i < all.size(); i += 37)
            sample.push_back(all[i]);
        std::vector<QByteArray> first(sample.size()), second(sample.size());
        std::thread a([&] { for (size_t i = 0; i < sample.size(); ++i) first[i] = sample[i].make(); });
        std::thread b([&] { for (size_t i = sample.size(); i-- > 0;) second[i] = sample[i].make(); });
        a.join();
        b.join();
        for (size_t i = 0; i < sample.size(); ++i) {
            const QByteArray serial = sample[i].make();
            QVERIFY2(first[i] == serial && second[i] == serial, qPrintable(sample[i].name));
        }
    }

};

QTEST_MAIN(TestMediagenChoice)
#include "test_mediagen_choice.moc"
