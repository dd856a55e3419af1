#pragma once
// The intro screen FUvodObr1: the child's start menu. Four group buttons,
// the exercise list of CurrentGroup (one picture per row), the group's
// description picture, the card strip, and small buttons for settings, help,
// deleting the cards, minimising and closing. A row click (or Enter) starts
// that exercise on the exercise screen.
//
// Every picture here is a plain JPEG of the working folder (never a
// container), drawn at the top-left corner of its box. A missing picture
// draws nothing; the box keeps its last size.
#include "screens/context.h"
#include "screens/controls.h"
#include "media/soundplayer.h"
#include <QCursor>
#include <QHash>
#include <QImage>
#include <QWidget>
#include <array>
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
    static constexpr int kButtons = 6;      // PBox1..4 groups, 5 settings, 6 help
    static constexpr int kRowBoxes = 12;    // PmenBox1..12
    static constexpr int kCardSlots = 9;    // PK1..9

    // ctx outlives the screen.
    explicit IntroScreen(AppContext &ctx, const DisplayMetrics &display = DisplayMetrics::current(),
                         QWidget *parent = nullptr);

    // What the settings (Alt+P, PBox5) and card (Alt+H, PK<n>) actions open;
    // each returns when its modal screen closed.
    void setSettingsAction(std::function<void()> action) { m_settingsAction = std::move(action); }
    void setCardsAction(std::function<void()> action) { m_cardsAction = std::move(action); }
    // Help (PBox6, F1); the default shows the help page modally at topic 1.
    void setHelpAction(std::function<void()> action) { m_helpAction = std::move(action); }
    // Makes the exercise screen's exercise menu belong to CurrentGroup with
    // item CurrentTask mod 100 checked (BuildExerciseMenu). Called at every
    // exercise start; unset means the menu is not touched.
    void setExerciseMenuAction(std::function<void()> action) { m_exerciseMenuAction = std::move(action); }
    // PBmin; the default minimises every visible top-level window.
    void setMinimiseAction(std::function<void()> action) { m_minimiseAction = std::move(action); }
    // Pointer shape 1 for the window, 2 for every clickable box.
    void setPointers(const QCursor &pointer1, const QCursor &pointer2);
    // The screen a row click brings to the front; its sound player plays the
    // click sounds and its Timer2 stops with the strip refresh (not owned;
    // outlives this). Without one, exercises cannot start.
    void setExerciseScreen(ExerciseScreen *screen) { m_exercise = screen; }

    PaintBox *closeButton() const { return m_closeButton; }          // PBzavr
    PaintBox *minimiseButton() const { return m_minButton; }          // PBmin
    PaintBox *deleteButton() const { return m_deleteButton; }         // PBsmaz1
    PaintBox *descriptionBox() const { return m_description; }        // PBText1
    PaintBox *button(int n) const;      // PBox1..6, nullptr outside
    PaintBox *rowBox(int n) const;      // PmenBox1..12, nullptr outside
    Panel *rowPanel(int n) const;       // Panel1men1..12, nullptr outside
    PaintBox *cardSlot(int n) const;    // PK1..9, nullptr outside
    // The picture a box of this screen shows now ("" for none).
    QString pictureOf(const PaintBox *box) const;

    int selectedRow() const { return m_selectedRow; }     // SelectedRow
    int hoverGroup() const { return m_hoverGroup; }       // HoverGroup, 0 = none
    // Rows of group 1..4 (12, 8, 11, 12); 0 for other numbers.
    static int rowsOfGroup(int group);

    // The click on row n of CurrentGroup (PmenBoxClick): shows the exercise
    // screen in front, sets CurrentTask, the exercise menu, ExerciseChosen
    // and subtask 1, and builds a Problem. A row outside the list or an
    // exercise without a generator changes nothing and gives the default
    // beep ("intro-refused task=<t>"). Returns whether it started.
    bool startRow(int n);
    // PBox<n>Click, n = 1..6: click sound (unless silent), then the group,
    // settings or help action.
    void clickButton(int n);
    // PBsmaz1Click: the delete-all-cards question.
    void clickDelete();

    // Stops the exercise screen's Timer2, HoverGroup := 0, redraws the strip.
    void RefreshCardStrip();
    // Marks row n (clamped to the rows of CurrentGroup) as pointed at and
    // makes it SelectedRow, as the exercise screen's way back does.
    void markRow(int n);
    // Plays a file of the working folder on the exercise screen's player
    // unless the silent flag is set. Missing files are skipped.
    void PlayUiSound(const QString &file, bool wait);

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
    PaintBox *makeBox(const QString &name, QWidget *parent, const QRect &geometry);
    QImage picture(const QString &name);
    // Draws a button in look 'v', 'k' or 'n' (null: the look its state
    // gives) or a row in its current look; either takes the picture's size.
    void drawButton(int n, QChar look = {});
    void drawRow(int n);
    void buttonPointerMoved(int n);
    void rowPointerMoved(int n);
    void clearButtonMarks();
    void clearRowMarks();
    void setRowMark(int n);
    void drawCardStrip();
    void stepRow(int delta);
    void changeGroupByKey(int group);
    bool canStart(int task) const;
    void traceSelection() const;

    AppContext &m_ctx;
    ExerciseScreen *m_exercise = nullptr;
    SoundPlayer m_ownPlayer;    // used only while no exercise screen is set
    std::function<void()> m_settingsAction;
    std::function<void()> m_cardsAction;
    std::function<void()> m_helpAction;
    std::function<void()> m_exerciseMenuAction;
    std::function<void()> m_minimiseAction;

    // Children, owned by their Qt parents.
    std::array<PaintBox *, kButtons + 1> m_buttons{};
    std::array<Panel *, kRowBoxes + 1> m_rowPanels{};
    std::array<PaintBox *, kRowBoxes + 1> m_rows{};
    std::array<PaintBox *, kCardSlots + 1> m_slots{};
    std::array<QString, kCardSlots + 1> m_slotPicture;
    std::array<QChar, kButtons + 1> m_buttonLook{};     // the look last drawn
    PaintBox *m_description = nullptr;
    PaintBox *m_minButton = nullptr;
    PaintBox *m_closeButton = nullptr;
    Panel *m_deletePanel = nullptr;
    PaintBox *m_deleteButton = nullptr;

    int m_selectedRow = 1;      // SelectedRow
    int m_hoverGroup = 0;       // HoverGroup
    int m_silent = 0;           // PaintBox1's tag: 1 = clicks make no sound
    PressedKeys m_pressedKeys;  // a release acts only when its press came here
    bool m_deletePressed = false;   // PBsmaz1 shows "smaz2" while the question is open
    bool m_painted = false;         // the first paint was traced
    int m_altChordKey = 0;      // a key pressed together with Alt, until released
    // Decoded per name while the screen is in view; null when missing. Let
    // go once an exercise screen covers it: what it showed stays in its
    // window, and a later paint decodes again what it needs.
    QHash<QString, QImage> m_pictures;
};

} // namespace flumo
