#pragma once
// The "flumo.trace" logging category: one line per event, "event key=value ...".
// Off by default; QT_LOGGING_RULES="flumo.trace=true" turns it on. Tests install
// a message handler (TraceRecorder in tests/support) to read the lines back.
#include <QLoggingCategory>
#include <QString>
#include <initializer_list>
#include <utility>

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

namespace flumo {

using TraceField = std::pair<const char *, QString>;

// Writes "event k1=v1 k2=v2". Values containing spaces or quotes are written
// in double quotes with inner quotes and backslashes escaped.
void trace(const char *event, std::initializer_list<TraceField> fields = {});

// Quotes a value the way trace() does; exposed for tests.
QString traceValue(const QString &value);

} // namespace flumo
