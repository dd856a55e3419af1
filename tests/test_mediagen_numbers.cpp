// Media of decomposition and ordinals: each group of a decomposition picture
// holds exactly its part, and every spoken decomposition and position says
// what its name stands for.
#include "numbers_media.h"
#include "support/blobs.h"
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace mediagen;

class TestMediagenNumbers : public QObject {
    Q_OBJECT
private slots:
    void groupsHoldTheirParts()
    {
        // Kind 12 is a solid star: one blob each. The two trays of a tile
        // lie left and right of its middle.
        for (const auto &[first, second] : {std::pair{0, 0}, {1, 2}, {5, 0}, {0, 3}, {3, 4}, {4, 6}, {10, 0}}) {
            const QImage img = decomposition::objectGroups(first + second, first, second, 12, false, false);
            QCOMPARE(img.size(), QSize(192, 146));
            QCOMPARE(flumo::test::blobCount(img.copy(14, 13, 73, 120), QColor(250, 244, 226)), first);
            QCOMPARE(flumo::test::blobCount(img.copy(105, 13, 73, 120), QColor(250, 244, 226)), second);
        }
    }

    void spokenTextsSayWhatTheirNamesMean()
    {
        const QRegularExpression parts(QStringLiteral(R"(zv(\d\d)_(\d\d)_(\d\d)\.wav$)"));
        QSet<QString> names;
        int decompositions = 0;
        for (const SpokenText &t : decomposition::spokenTexts()) {
            QVERIFY2(!names.contains(t.name), qPrintable(t.name));
            names << t.name;
            const auto m = parts.match(t.name);
            if (!m.hasMatch())
                continue;
            ++decompositions;
            const int w = m.captured(1).toInt(), l = m.captured(2).toInt(), r = m.captured(3).toInt();
            QCOMPARE(l + r, w);
            QString want = decomposition::numberWord(w) + " je " + decomposition::numberWord(l) + " a "
                + decomposition::numberWord(r) + ".";
            want[0] = want[0].toUpper();
            QCOMPARE(t.text, want);
        }
        QCOMPARE(decompositions, 66);   // every L + R = W for W = 0..10
        QCOMPARE(int(names.size()), 66 + 11 * 8);

        QHash<QString, QString> ordinal;
        for (const SpokenText &t : ordinal::spokenTasks())
            ordinal.insert(t.name, t.text);
        QCOMPARE(ordinal.size(), 4 * 12);
        QCOMPARE(ordinal.value("Zvuky\\203\\zv03_2.wav"), QStringLiteral("Najdi v řadě třetí hračku."));
        QCOMPARE(ordinal.value("Zvuky\\203\\zv05_3.wav"), QStringLiteral("Najdi v řadě pátého ptáčka."));
        QCOMPARE(ordinal.value("Zvuky\\203\\zv99_1.wav"), QStringLiteral("Najdi poslední zvířátko."));
        QCOMPARE(ordinal.value("Zvuky\\203\\zv33_4.wav"), QStringLiteral("Najdi prostřední auto."));
    }
};

QTEST_MAIN(TestMediagenNumbers)
#include "test_mediagen_numbers.moc"
