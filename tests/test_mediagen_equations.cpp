// Media of the pictures-and-equations exercises and of the wrong and right
// examples: the wrong sets are wrong and hold their zeros and ranges, the
// spoken equations are correct Czech, the pictures fit the boxes that show
// them.
#include "equations.h"
#include "family.h"
#include <QSet>
#include <QtTest>
#include <set>

using namespace mediagen;
using namespace mediagen::equations;

class TestMediagenEquations : public QObject {
    Q_OBJECT
private slots:
    void wrongSetsArePlainlyWrong()
    {
        for (bool subtraction : {false, true}) {
            std::set<std::tuple<int, int, int>> seen;
            for (int n = 1; n <= 38; ++n) {
                const WrongEquation e = wrongEquation(subtraction, n);
                const int truth = subtraction ? e.x - e.y : e.x + e.y;
                const QString what = QStringLiteral("%1 %2: %3 %4 %5 = %6").arg(subtraction).arg(n).arg(e.x)
                                         .arg(subtraction ? '-' : '+').arg(e.y).arg(e.shown);
                QVERIFY2(e.shown != truth, qPrintable(what));
                QVERIFY2(!subtraction || e.y <= e.x, qPrintable(what));
                const bool zero = e.x == 0 || e.y == 0 || e.shown == 0;
                QVERIFY2(zero == (n <= 9), qPrintable(what));
                const int range = (n <= 3 || (n >= 10 && n <= 16)) ? 3 : (n <= 6 || (n >= 17 && n <= 24)) ? 5 : 10;
                QVERIFY2(std::max({e.x, e.y, e.shown}) <= range, qPrintable(what));
                QVERIFY2(seen.insert({e.x, e.y, e.shown}).second, qPrintable(what));
            }
        }
    }

    void spokenEquations()
    {
        QCOMPARE(sumSentence(2, 3), QString::fromUtf8("Dva a tři je pět."));
        QCOMPARE(differenceSentence(5, 2), QString::fromUtf8("Pět bez dvou jsou tři."));
        QCOMPARE(sumSentence(1, 1), QString::fromUtf8("Jedna a jedna jsou dvě."));
        QCOMPARE(differenceSentence(3, 1), QString::fromUtf8("Tři bez jedné jsou dvě."));
        QCOMPARE(differenceSentence(4, 4), QString::fromUtf8("Čtyři bez čtyř je nula."));
    }

    void picturesFitTheirBoxes()
    {
        std::vector<MediaFile> files;
        addPictures(files);
        QHash<QString, const MediaFile *> byName;
        for (const MediaFile &f : files)
            byName.insert(f.name, &f);
        QCOMPARE(byName.size(), int(files.size()));
        const auto size = [&](const QString &name) {
            const MediaFile *f = byName.value(name);
            return f ? QImage::fromData(f->make()).size() : QSize();
        };
        // Tiles fit a 250 x 172 cell; 303's row (three pictures, two signs
        // and the 216-wide empty box with 5-pixel gaps from 10) fits 744.
        for (const char *tile : {"obr\\302\\obr12_10_00_10n.Jpg", "obr\\rovnice2\\rov00_10_10k.Jpg",
                                 "obr\\308\\ner38n.Jpg", "obr\\soucty\\sou05_05n.Jpg"}) {
            const QSize s = size(tile);
            QVERIFY2(s.isValid() && s.width() <= 200 && s.height() <= 150, tile);
        }
        const int row = 10 + size("obr\\302\\orez\\obr01_10_03_07d.jpg").width() + 5 + 55 + 5
            + size("obr\\302\\obr01_07_2d.jpg").width() + 5 + 55 + 5 + 216;
        QVERIFY(row <= 744);
        QCOMPARE(size("obr\\302\\obr01_07_1d.jpg").width(), size("obr\\302\\obr01_03_1d.jpg").width());
        QCOMPARE(size("obr\\304\\rov10_03_07d.jpg"), QSize(216, 160));
        QVERIFY(size("obr\\302\\odcit\\obr06_00_10_10d.jpg").isValid());
        QVERIFY(!byName.contains("obr\\302\\odcit\\obr07_00_01_01d.jpg"));   // six kinds only
    }
};

QTEST_MAIN(TestMediagenEquations)
#include "test_mediagen_equations.moc"
