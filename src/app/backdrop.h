#pragma once
// The backdrop FCernaObr1: the program's main window. It never takes input.
// With BlackBackdrop on it is a black window over the whole screen behind the
// other screens; with it off a 1 x 1 window at the screen centre (in effect
// invisible). Its first activation shows the intro screen.
#include <QColor>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace flumo {

class Settings;

class BackdropScreen : public QWidget {
    Q_OBJECT
public:
    // settings outlives the screen; the backdrop follows its BlackBackdrop.
    explicit BackdropScreen(Settings &settings, QWidget *parent = nullptr);

    // The screen its first activation shows (created after the backdrop).
    void setIntroScreen(QWidget *intro) { m_intro = intro; }

    // Re-applies the backdrop rule whenever screen hides (a modal screen
    // closing hands the activation back to the screens below).
    void watchModalScreen(QWidget *screen);

    // Activation: applies the backdrop rule; the first one (tag 0) also shows
    // the intro screen and sets the tag to 1.
    void activate();
    // The backdrop rule alone: black full screen at (0, 0), or 1 x 1 centred
    // in red 0, green 128, blue 128.
    void applyBackdropRule();

    // Minimises the program as one: every other visible screen is hidden
    // and the backdrop, the main window, is minimised. When the backdrop is
    // restored the hidden screens come back, front last on top.
    void minimiseProgram(QWidget *front);
    int tag() const { return m_tag; }
    QColor colour() const { return m_colour; }

signals:
    // The main window closed: the program's message loop ends.
    void closed();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QPaintEngine *paintEngine() const override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // On X11 the window's own background colour is set and the server
    // fills it: a backing store of the whole screen only to hold one
    // colour would cost a few megabytes. Elsewhere the colour is painted.
    bool fillByServer();
    bool m_serverFill = false;

    Settings &m_settings;
    QPointer<QWidget> m_intro;
    QColor m_colour = Qt::black;
    int m_tag = 0;
    bool m_activationQueued = false;
    std::vector<QPointer<QWidget>> m_hiddenByMinimise;   // shown again on restore, in order
};

} // namespace flumo
