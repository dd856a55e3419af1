#pragma once
// Screen set-up for the suites that create whole screens: an offscreen
// display of a chosen size and dpi, and byte-built pointer files.
#include <QByteArray>
#include <QRgb>
#include <QString>

namespace flumo::test {

// Points QT_QPA_PLATFORM at an offscreen display of width x height at dpi
// logical pixels per inch. Call before the QApplication is constructed.
void useOffscreenScreen(int width, int height, int dpi);

// A ".cur" pointer file: one 32-bit entry of w x h pixels of one colour,
// hot spot (hotX, hotY).
QByteArray makeCursorFile(int w, int h, int hotX, int hotY, QRgb argb);

// Whether two colours differ by at most tolerance in each channel (JPEG
// pictures come back slightly changed).
bool nearColour(QRgb a, QRgb b, int tolerance = 12);

} // namespace flumo::test

// A Qt Test main() that runs TestClass on an offscreen display of the given
// size and dpi.
#define FLUMO_SCREEN_TEST_MAIN(TestClass, width, height, dpi)          \
    int main(int argc, char *argv[])                                    \
    {                                                                   \
        flumo::test::useOffscreenScreen(width, height, dpi);            \
        QApplication app(argc, argv);                                   \
        TestClass tc;                                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                      \
        return QTest::qExec(&tc, argc, argv);                           \
    }
