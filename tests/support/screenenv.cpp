#include "support/screenenv.h"
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdlib>

namespace flumo::test {

void useOffscreenScreen(int width, int height, int dpi)
{
    const QString path = QDir::temp().filePath(QStringLiteral("flumo-screen-%1-%2x%3-%4.json")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(width).arg(height).arg(dpi));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(QStringLiteral(R"({"screens":[{"name":"test","x":0,"y":0,"width":%1,"height":%2,)"
                               R"("logicalDpi":%3,"logicalBaseDpi":%3,"dpr":1}]})")
                    .arg(width).arg(height).arg(dpi).toUtf8());
        f.close();
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit());
}

QByteArray makeCursorFile(int w, int h, int hotX, int hotY, QRgb argb)
{
    QByteArray out;
    auto u16 = [&out](quint16 v) { char b[2]; qToLittleEndian<quint16>(v, b); out.append(b, 2); };
    auto u32 = [&out](quint32 v) { char b[4]; qToLittleEndian<quint32>(v, b); out.append(b, 4); };
    u16(0); u16(2); u16(1);                              // reserved, type 2 (pointer), one entry
    out.append(char(w)).append(char(h)).append(2, '\0');
    u16(quint16(hotX)); u16(quint16(hotY));
    const int maskRow = ((w + 31) / 32) * 4;
    u32(quint32(40 + w * h * 4 + maskRow * h));
    u32(22);                                             // the bitmap follows the directory
    u32(40); u32(quint32(w)); u32(quint32(2 * h));       // colour rows plus mask rows
    u16(1); u16(32);
    out.append(24, '\0');
    for (int i = 0; i < w * h; ++i)
        u32(argb);
    out.append(maskRow * h, '\0');
    return out;
}

bool nearColour(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace flumo::test
