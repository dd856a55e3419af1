// The picture hunt's media agree with themselves: "Vyroky.INI" lists for
// every figure exactly the codes its picture is drawn from, every code has a
// spoken clue, and a figure that differs in a single property looks
// different (the property is visible).
#include "engine/generator.h"
#include "family.h"
#include "games.h"
#include "games/findpicture.h"
#include "platform/inifile.h"
#include <QImage>
#include <QMap>
#include <QTest>

using namespace mediagen;

class TestMediagenFindPicture : public QObject {
    Q_OBJECT
private slots:
    void propertyFileCluesAndPicturesAgree()
    {
        QMap<QString, const MediaFile *> byName;
        std::vector<MediaFile> files;
        for (const auto &family : allFamilies())
            for (MediaFile &f : family->files())
                files.push_back(std::move(f));
        for (const MediaFile &f : files)
            byName.insert(f.name, &f);

        const flumo::IniFile ini = flumo::IniFile::fromBytes(byName.value("Obr\\409\\Vyroky.INI")->make());
        for (int set = 1; set <= 5; ++set) {
            const int pool = flumo::huntPoolOf(set);
            QCOMPARE(ini.keys(QString("Typ%1").arg(set, 2, 10, QChar('0'))).size(), pool);
            QSet<QString> looks;
            for (int o = 1; o <= pool; ++o) {
                const std::vector<int> codes = games::huntFigureCodes(set, o);
                const flumo::HuntProperties read = flumo::parseHuntProperties(
                    ini.readString(QString("Typ%1").arg(set, 2, 10, QChar('0')), QString("o%1").arg(o, 2, 10, QChar('0'))));
                for (std::size_t k = 0; k < read.size(); ++k)
                    QCOMPARE(read[k], k < codes.size() ? codes[k] : 0);
                QString key;
                for (int c : codes) {
                    QVERIFY(!games::huntClueText(c).isEmpty());
                    QVERIFY2(byName.contains(flumo::huntClueSound(set, c)), qPrintable(flumo::huntClueSound(set, c)));
                    key += QString::number(c) + ',';
                }
                looks.insert(key);
            }
            QCOMPARE(looks.size(), pool);   // no two figures of a set alike

            // Figure 1 against each figure that differs from it in one property.
            const auto picture = [&](int o) {
                const QString name = QString("obr\\409\\%1\\obr%2_1n.Jpg").arg(set, 2, 10, QChar('0')).arg(o, 2, 10, QChar('0'));
                return QImage::fromData(byName.value(name)->make());
            };
            const QImage first = picture(1);
            for (int bit = 1; bit <= pool / 2; bit *= 2) {
                const QImage other = picture(1 + bit);
                int differing = 0;
                for (int y = 0; y < first.height(); y += 2)
                    for (int x = 0; x < first.width(); x += 2) {
                        const QRgb a = first.pixel(x, y), b = other.pixel(x, y);
                        const int d = qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
                        differing += d > 90 ? 1 : 0;
                    }
                QVERIFY2(differing > 20, qPrintable(QString("set %1 property %2").arg(set).arg(bit)));
            }
        }
        QVERIFY(byName.contains("Zvuky\\409\\jiny.wav"));
    }
};

QTEST_MAIN(TestMediagenFindPicture)
#include "test_mediagen_findpicture.moc"
