#include "mascot.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRadialGradient>
#include <QSvgGenerator>

namespace mediagen {

namespace {

constexpr int kDesign = 128;   // the icon is drawn on a 128 x 128 design square
const int kPngSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The whole icon on the design square: a sunny disc behind the mascot.
void paintIcon(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sun(QPointF(52, 46), 70);
    sun.setColorAt(0, QColor(255, 246, 196));
    sun.setColorAt(1, QColor(120, 200, 215));
    p.setPen(QPen(QColor(14, 101, 110), 4));
    p.setBrush(sun);
    p.drawEllipse(QRectF(4, 4, 120, 120));
    paintMascot(p, QPointF(64, 70), 0.82);
}

} // namespace

bool writeIcons(const QString &dir, QString *error)
{
    auto fail = [error](const QString &path) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    };
    for (int size : kPngSizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
        QDir().mkpath(folder);
        QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.scale(double(size) / kDesign, double(size) / kDesign);
        paintIcon(p);
        p.end();
        const QString path = folder + QStringLiteral("/flumo.png");
        if (!img.save(path, "PNG"))
            return fail(path);
    }
    const QString folder = dir + QStringLiteral("/hicolor/scalable/apps");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/flumo.svg");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kDesign, kDesign));
    svg.setViewBox(QRect(0, 0, kDesign, kDesign));
    svg.setTitle(QStringLiteral("Flumo"));
    QPainter p;
    if (!p.begin(&svg))
        return fail(path);
    paintIcon(p);
    p.end();
    return QFileInfo(path).size() > 0 || fail(path);
}

} // namespace mediagen
