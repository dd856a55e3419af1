#pragma once
// The card collection screen FKart1, always shown modally. It shows the
// cards won in the current set on a 3 x 3 grid, lets the child choose the
// picture set (CardSet), and after the last card of a set offers the two
// reward games 501 and 502. Opening it starts a new card attempt (points
// and errors 0); in RewardMode it also adds the last card of the set.
#include "screens/context.h"
#include "screens/controls.h"
#include <QCursor>
#include <QHash>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

class QEventLoop;
class QLabel;

namespace flumo {

class PaintBox;

// "Zatím nemáš žádnou kartičku", "Zatím máš 1 kartičku", "... 3 kartičky",
// "... 5 kartiček": the count of cards won (earned >= 0) with the Czech
// plural of the noun.
QString cardCountPhrase(int earned);
// The ViewMode text: the count phrase, then how many cards the set lacks.
QString cardViewMessage(int earned, int perSet);
// The RewardMode text (two lines, an empty line between them).
QString cardRewardMessage();
// The picture card box PK<box> (1..9) shows for picture set cardSet (1..10)
// in sets of perSet (4 or 9) cards: with nine, card <box>; with four, the
// cards fill the top-left 2 x 2 block (PK1, PK2, PK4, PK5) and the other
// places show the empty card "obr\karticky\karta0.Jpg".
QString cardBoxPictureName(int box, int cardSet, int perSet);

class CardScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 584;
    static constexpr int kClientHeight = 540;
    static constexpr int kCornerEllipse = 30;
    static constexpr int kViewMode = 1;
    static constexpr int kRewardMode = 0;     // the resting value of the tag
    static constexpr int kGridBoxes = 9;      // PK1..PK9
    static constexpr int kPictureSets = 10;   // POb1..POb10, CardSet 1..10
    static constexpr int kGame1 = 501;        // PaintBox1
    static constexpr int kGame2 = 502;        // PaintBox2

    // ctx outlives the screen. display: the dpi the designed controls are
    // scaled for (the grid and the previews keep their exact pixels).
    explicit CardScreen(AppContext &ctx, const DisplayMetrics &display = DisplayMetrics::current(),
                        QWidget *parent = nullptr);
    ~CardScreen() override;

    // The mode of the next showing: ViewMode (1); any other value is
    // RewardMode. Every close sets it back to RewardMode (0).
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Shows the screen modally in the mode of tag() (or of `mode`) and
    // returns when it has closed: 0, or the exercise a game button started
    // (501, 502) after the startGame hook ran. A call while the screen is
    // already showing returns -1 at once and changes nothing.
    int showModal();
    int showModal(int mode);
    bool isShowingModal() const { return m_loop != nullptr; }

    // The reward games. gameAvailable(task) tells whether the exercise
    // screen can build it now; startGame(task) sets CurrentTask and builds
    // the first problem, and runs after the screen has closed. While either
    // hook is missing or a game is not available, its button only gives the
    // default beep and the screen stays open, so a child never lands on an
    // exercise screen that cannot show the game.
    void setGameHooks(std::function<bool(int task)> gameAvailable, std::function<void(int task)> startGame);

    // Pointer shape 1 for the window, 2 for the buttons and previews.
    void setPointers(const QCursor &pointer1, const QCursor &pointer2);
    // F1; unset shows the help page modally at topic 1.
    void setHelpAction(std::function<void()> action) { m_helpAction = std::move(action); }

    // Controls, for the application and the tests.
    PaintBox *cardBox(int n) const;       // PK1..PK9, else nullptr
    PaintBox *previewBox(int n) const;    // POb1..POb10, else nullptr
    PaintBox *gameButton(int n) const;    // PaintBox1 (501), PaintBox2 (502), else nullptr
    PaintBox *closeButton() const { return m_closeButton; }   // PaintBox3
    QLabel *messageLabel() const { return m_label; }          // Label3, "\n" for line breaks

    // The picture a button shows now: "obr\karticky\tlacitko<n>" + "s"
    // unless the set is complete + ".Jpg".
    QString gameButtonPictureName(int n) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void prepareShowing();
    void finishShowing();
    void chooseSet(int set);
    void gameClicked(int n);
    // The decoded picture (containers first), cached per name: the media
    // does not change while the program runs. Null when it cannot be read.
    QImage picture(const QString &name);
    void drawPicture(QPainter &p, const QString &name);

    AppContext &m_ctx;
    QEventLoop *m_loop = nullptr;   // the running modal loop, or null
    bool m_showing = false;         // between prepareShowing and finishShowing
    int m_tag = kRewardMode;
    PressedKeys m_pressedKeys;      // a release acts only when its press came here
    int m_chosenGame = 0;           // the game picked during this showing, or 0
    std::function<bool(int)> m_gameAvailable;
    std::function<void(int)> m_startGame;
    std::function<void()> m_helpAction;
    QHash<QString, QImage> m_pictures;

    QLabel *m_label = nullptr;
    PaintBox *m_cardBoxes[kGridBoxes] = {};
    PaintBox *m_previews[kPictureSets] = {};
    PaintBox *m_gameButtons[2] = {};
    PaintBox *m_closeButton = nullptr;
};

} // namespace flumo
