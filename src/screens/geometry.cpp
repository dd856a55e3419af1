#include "screens/geometry.h"
#include <QGuiApplication>
#include <QPainterPath>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

namespace flumo {

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long p = static_cast<long long>(a) * b;
    const long long half = std::llabs(static_cast<long long>(c)) / 2;
    const long long q = (p >= 0) == (c > 0) ? (std::llabs(p) + half) / std::llabs(static_cast<long long>(c))
                                            : -((std::llabs(p) + half) / std::llabs(static_cast<long long>(c)));
    return static_cast<int>(q);
}

int scaleDesign(int value, int dpi)
{
    if (dpi == kDesignPixelsPerInch || dpi <= 0)
        return value;
    return mulDiv(mulDiv(value, dpi, kDesignPixelsPerInch), 118, dpi);
}

QRect scaleDesign(const QRect &r, int dpi)
{
    return QRect(scaleDesign(r.x(), dpi), scaleDesign(r.y(), dpi),
                 scaleDesign(r.width(), dpi), scaleDesign(r.height(), dpi));
}

int screenPixelsPerInch()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? qRound(s->logicalDotsPerInch()) : kDesignPixelsPerInch;
}

int screenColourDepth()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->depth() : 32;
}

QRegion roundedRegion(QSize size, int ellipseW, int ellipseH)
{
    if (ellipseW <= 0 || ellipseH <= 0)
        return QRegion(QRect(QPoint(0, 0), size));
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, size.width(), size.height()), ellipseW / 2.0, ellipseH / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

QPoint centredTopLeft(QSize window)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const QSize screen = s ? s->geometry().size() : QSize(1024, 768);
    return QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

void setupScreenWindow(QWidget *w, QSize client, int ellipse)
{
    w->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    w->setFixedSize(client);
    w->move(centredTopLeft(client));
    if (ellipse > 0)
        w->setMask(roundedRegion(client, ellipse, ellipse));
}

ScreenColours coloursForDepth(int bitsPerPixel)
{
    if (bitsPerPixel > 16)
        return {QColor(193, 195, 207), QColor(220, 218, 193), QColor(167, 169, 192), QColor(250, 235, 175)};
    return {QColor(200, 200, 208), QColor(224, 224, 200), QColor(164, 175, 196), QColor(255, 240, 176)};
}

} // namespace flumo
