#include "media/numbertext.h"

namespace flumo {

QString NumberToText(long long value, int width)
{
    // Widths above 10 are a caller error; clamping keeps the result bounded.
    if (width > 10)
        width = 10;
    QString text = QString::number(value);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), QLatin1Char('0')));
    return text;
}

} // namespace flumo
