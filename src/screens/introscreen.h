#pragma once
// The intro screen FUvodObr1: the screen the program opens on. In this form
// it shows its background and offers the settings (Alt+P), the card
// collection (Alt+H, while cards are in use) and its close button.
#include "screens/context.h"
#include "screens/controls.h"
#include <QCursor>
#include <QImage>
#include <QWidget>
#include <functional>

namespace flumo {

class PaintBox;

class IntroScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 600;
    static constexpr int kCornerEllipse = 68;

    // ctx outlives the screen.
    explicit IntroScreen(AppContext &ctx, const DisplayMetrics &display = DisplayMetrics::current(),
                         QWidget *parent = nullptr);

    // What Alt+P and Alt+H open; each returns when its modal screen closed.
    void setSettingsAction(std::function<void()> action) { m_settingsAction = std::move(action); }
    void setCardsAction(std::function<void()> action) { m_cardsAction = std::move(action); }
    // Pointer shape 1 for the window, 2 for the clickable boxes.
    void setPointers(const QCursor &pointer1, const QCursor &pointer2);

    PaintBox *closeButton() const { return m_closeButton; }   // PBzavr

signals:
    // Emitted from the close event: the exercise screen closes next.
    void closed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_ctx;
    std::function<void()> m_settingsAction;
    std::function<void()> m_cardsAction;
    PaintBox *m_closeButton = nullptr;
    int m_altChordKey = 0;      // a key pressed together with Alt, until released
    QImage m_background;        // "obr\uvod\bgr.jpg"; null when missing
    QImage m_closePicture;      // "obr\uvod\zavr.Jpg"; null when missing
};

} // namespace flumo
