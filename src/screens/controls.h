#pragma once
// Small building blocks shared by the screens: coloured panels, timers with
// a tag, the display metrics a screen is laid out for, and the screen trace.
#include "screens/geometry.h"
#include <QColor>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace flumo {

// What a screen needs to know about the display at creation. Tests pass
// their own values; the program reads the primary screen.
struct DisplayMetrics {
    int dpi = kDesignPixelsPerInch;   // logical pixels per inch
    int colourDepth = 32;             // bits per pixel
    static DisplayMetrics current() { return {screenPixelsPerInch(), screenColourDepth()}; }
};

// A borderless panel filled with one colour. The parent owns it.
class Panel : public QWidget {
    Q_OBJECT
public:
    Panel(const QString &name, QColor colour, QWidget *parent = nullptr);
    QColor colour() const { return m_colour; }
    void setColour(QColor colour);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
private:
    QColor m_colour;
    int m_tag = 0;
};

// A timer with an integer tag that selects what its handler does.
class TagTimer : public QTimer {
    Q_OBJECT
public:
    TagTimer(const QString &name, int intervalMs, bool enabled, QObject *parent = nullptr);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    // Starts or stops the timer (the interval stays).
    void setEnabled(bool on);
private:
    int m_tag = 0;
};

// "screen name=<window name> shown|hidden".
void traceScreen(const char *windowName, bool shown);

} // namespace flumo
