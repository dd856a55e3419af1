#include "platform/devices.h"
#include <QCursor>
#include <QFile>

namespace flumo {

QPoint SystemPointer::pos() const
{
    return QCursor::pos();
}

void SystemPointer::setPos(const QPoint &p)
{
    QCursor::setPos(p);
}

namespace {

// Undoes the octal escapes ("\040" space, "\011" tab, "\012" newline, "\134"
// backslash) the kernel writes into mount table fields.
QByteArray unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool octal = digits.size() == 3;
            for (char c : digits)
                octal = octal && c >= '0' && c <= '7';
            if (octal) {
                out.append(char(digits.toInt(nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return out;
}

} // namespace

QStringList SystemOpticalDrives::parseMounts(const QByteArray &table)
{
    QStringList points;
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QByteArray &type = fields[2];
        if (type != "iso9660" && type != "udf")
            continue;
        QString point = QFile::decodeName(unescapeMountField(fields[1]));
        if (!point.startsWith(QLatin1Char('/')))
            continue;
        if (!point.endsWith(QLatin1Char('/')))
            point += QLatin1Char('/');
        // One drive per mount point, even when it is mounted twice.
        if (!points.contains(point))
            points.append(point);
    }
    return points;
}

QStringList SystemOpticalDrives::mountPoints() const
{
    // /proc files report size 0; read until the end instead of by size.
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray table;
    char buffer[4096];
    qint64 n;
    while ((n = file.read(buffer, sizeof buffer)) > 0)
        table.append(buffer, n);
    return parseMounts(table);
}

} // namespace flumo
