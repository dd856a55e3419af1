#pragma once
// Geometry shared by the screens: layouts are designed at 120 pixels per
// inch; on any other display the controls end up at 118/120 of their design
// size (two rounded scalings, as the toolkit and then the screen apply them)
// while every window keeps its fixed client size.
#include <QColor>
#include <QRect>
#include <QRegion>
#include <QSize>

class QWidget;

namespace flumo {

constexpr int kDesignPixelsPerInch = 120;

// MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c);

// One design length on a display of dpi pixels per inch.
int scaleDesign(int value, int dpi);
QRect scaleDesign(const QRect &r, int dpi);

// Logical pixels per inch of the primary screen.
int screenPixelsPerInch();
// Bits per pixel of the primary screen.
int screenColourDepth();

// CreateRoundRectRgn(0, 0, w, h, ellipseW, ellipseH) as a region.
QRegion roundedRegion(QSize size, int ellipseW, int ellipseH);

// (screen - window) / 2 with integer division, for the primary screen.
QPoint centredTopLeft(QSize window);

// Makes w a borderless top-level window of the fixed client size, centred,
// with a rounded shape (ellipse 0 = no rounding).
void setupScreenWindow(QWidget *w, QSize client, int ellipse);

// The colours chosen from the colour depth at creation.
struct ScreenColours {
    QColor background;   // BackgroundColor
    QColor panel2;       // PanelColor2
    QColor panel3;       // PanelColor3
    QColor panel1;       // Panel1 background
};
ScreenColours coloursForDepth(int bitsPerPixel);

} // namespace flumo
