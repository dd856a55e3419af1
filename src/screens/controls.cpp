#include "screens/controls.h"
#include "platform/trace.h"

namespace flumo {

Panel::Panel(const QString &name, QColor colour, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    setColour(colour);
}

void Panel::setColour(QColor colour)
{
    m_colour = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

TagTimer::TagTimer(const QString &name, int intervalMs, bool enabled, QObject *parent)
    : QTimer(parent)
{
    setObjectName(name);
    setInterval(intervalMs);
    setEnabled(enabled);
}

void TagTimer::setEnabled(bool on)
{
    if (on)
        start();
    else
        stop();
}

void traceScreen(const char *windowName, bool shown)
{
    const QByteArray line = QByteArray("screen name=") + windowName + (shown ? " shown" : " hidden");
    trace(line.constData());
}

} // namespace flumo
