// Media of the shapes, the odd picture and the rows: the spoken tasks agree
// with the shape's gender, neighbouring sizes differ at a glance, and the
// two variants of every odd-picture set really differ.
#include "shapes.h"
#include <QtTest>

using namespace mediagen::shapes;

namespace {

// Pixels of the red shape (the cards are never red).
int red(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.hsvSaturation() > 120 && (c.hsvHue() < 15 || c.hsvHue() > 345))
                ++n;
        }
    return n;
}

// Share of pixels whose colours differ clearly.
double changed(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 90)
                ++n;
        }
    return double(n) / (a.width() * a.height());
}

} // namespace

class TestMediagenShapes : public QObject {
    Q_OBJECT
private slots:
    void spokenTasksAgreeWithTheShape()
    {
        QCOMPARE(shapeTask(2, 0, 1), QString("Najdi červený čtverec."));
        QCOMPARE(shapeTask(4, 0, 1), QString("Najdi červenou hvězdu."));
        QCOMPARE(shapeTask(1, 2, 0), QString("Najdi malé kolo."));
        QCOMPARE(shapeTask(4, 1, 6), QString("Najdi velkou fialovou hvězdu."));
        QCOMPARE(shapeTask(5, 2, 3), QString("Najdi malé zelené srdce."));
        QCOMPARE(shapeTask(3, 0, 0), QString("Najdi trojúhelník."));
        QSet<QString> names;
        for (const auto &t : spokenTasks())
            names.insert(t.name);
        // 8 + 8 x 6 + 8 x 2 + 8 x 2 x 6 shape tasks, 8 size-row tasks.
        QCOMPARE(names.size(), 8 + 48 + 16 + 96 + 8);
    }

    void neighbouringSizesDifferAtAGlance()
    {
        for (int shape = 1; shape <= 8; ++shape)
            for (bool display : {false, true})
                for (int size = 2; size <= 6; ++size) {
                    const int smaller = red(shapePicture(shape, size - 1, 1, display, false));
                    const int larger = red(shapePicture(shape, size, 1, display, false));
                    QVERIFY2(larger > smaller * 1.5, qPrintable(QString("shape %1 size %2: %3 vs %4")
                                                                    .arg(shape).arg(size).arg(larger).arg(smaller)));
                }
    }

    void oddVariantsReallyDiffer()
    {
        for (int set = 1; set <= 67; ++set) {
            const double d = changed(oddPicture(set, 1, 0), oddPicture(set, 2, 0));
            QVERIFY2(d > 0.02, qPrintable(QString("set %1 differs in %2 of its pixels").arg(set).arg(d)));
        }
    }
};

QTEST_MAIN(TestMediagenShapes)
#include "test_mediagen_shapes.moc"
