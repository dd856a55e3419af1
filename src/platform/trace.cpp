#include "platform/trace.h"

Q_LOGGING_CATEGORY(lcTrace, "flumo.trace", QtWarningMsg)

namespace flumo {

QString traceValue(const QString &value)
{
    const bool needsQuotes = value.isEmpty() || value.contains(QLatin1Char(' '))
        || value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n'))
        || value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('='));
    if (!needsQuotes)
        return value;
    QString out;
    out.reserve(value.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('\n')) { out += QLatin1String("\\n"); continue; }
        if (c == QLatin1Char('\r')) { out += QLatin1String("\\r"); continue; }
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

void trace(const char *event, std::initializer_list<TraceField> fields)
{
    if (!lcTrace().isInfoEnabled())
        return;
    QString line = QString::fromLatin1(event);
    for (const auto &[key, value] : fields) {
        line += QLatin1Char(' ');
        line += QLatin1String(key);
        line += QLatin1Char('=');
        line += traceValue(value);
    }
    qCInfo(lcTrace).noquote() << line;
}

} // namespace flumo
