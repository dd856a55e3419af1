#pragma once
// The intro screen FUvodObr1: the screen the program opens on. In this form
// it shows its background and offers the settings (Alt+P), the card
// collection (Alt+H, while cards are in use), its close button, and the
// start of an exercise: Enter starts the row SelectedRow of CurrentGroup.
// Until the group buttons and the row list exist, the keys 1..9 pick the
// row and A..D the group.
#include "screens/context.h"
#include "screens/controls.h"
#include <QCursor>
#include <QImage>
#include <QWidget>
#include <functional>

namespace flumo {

class ExerciseScreen;
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

    // The screen a row click brings to the front (not owned; outlives this).
    void setExerciseScreen(ExerciseScreen *screen) { m_exercise = screen; }
    int selectedRow() const { return m_selectedRow; }
    // The click on row n of CurrentGroup: shows the exercise screen, sets
    // CurrentTask, ExerciseChosen and subtask 1 and builds a Problem. Only
    // an exercise the exercise screen can build starts; for any other row
    // nothing changes ("intro-refused task=<t>"). Returns whether it started.
    bool startRow(int n);

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
    ExerciseScreen *m_exercise = nullptr;
    int m_selectedRow = 1;      // SelectedRow, 1..rows of CurrentGroup
    std::function<void()> m_settingsAction;
    std::function<void()> m_cardsAction;
    PaintBox *m_closeButton = nullptr;
    int m_altChordKey = 0;      // a key pressed together with Alt, until released
    QImage m_background;        // "obr\uvod\bgr.jpg"; null when missing
    QImage m_closePicture;      // "obr\uvod\zavr.Jpg"; null when missing
};

} // namespace flumo
