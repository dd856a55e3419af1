#pragma once
// Small building blocks shared by the screens: coloured panels, timers with
// a tag, the display metrics a screen is laid out for, and the screen trace.
#include "screens/geometry.h"
#include <QColor>
#include <QSet>
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

// The keys whose press a screen saw, until their release. Screens act on
// releases; a release whose press went to another window (a message box, the
// help page, the screen that opened this one) is not this screen's key.
class PressedKeys {
public:
    // Call from the press handler; auto-repeats are not new presses.
    void press(int key, bool autoRepeat) { if (!autoRepeat) m_keys.insert(key); }
    // Call from the release handler: whether the screen should act on it.
    bool release(int key, bool autoRepeat) { return !autoRepeat && m_keys.remove(key); }
    void clear() { m_keys.clear(); }
private:
    QSet<int> m_keys;
};

// "screen name=<window name> shown|hidden".
void traceScreen(const char *windowName, bool shown);

} // namespace flumo
