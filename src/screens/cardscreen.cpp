#include "screens/cardscreen.h"
#include "engine/scoring.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include "screens/helpviewer.h"
#include "screens/paintbox.h"
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>

namespace flumo {

namespace {

const QString kFolder = QStringLiteral("obr\\karticky\\");
const QString kEmptyCard = QStringLiteral("obr\\karticky\\karta0.Jpg");
const QColor kFallbackBackground(220, 218, 193);
const QColor kShadow(215, 215, 215);
constexpr int kShadowOffset = 2;     // pixels to the right and below
constexpr int kBoxSize = 125;        // PK<n>
constexpr int kBoxPitch = 135;
constexpr int kPreviewSize = 64;     // POb<n>
constexpr int kPreviewPitch = 70;

// Label3: black text with a light grey shadow on a transparent background.
class ShadowLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return QLabel::sizeHint() + QSize(kShadowOffset, kShadowOffset); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(font());
        const QRect r = contentsRect().adjusted(0, 0, -kShadowOffset, -kShadowOffset);
        const int flags = Qt::AlignLeft | Qt::AlignTop;
        p.setPen(kShadow);
        p.drawText(r.translated(kShadowOffset, kShadowOffset), flags, text());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, flags, text());
    }
};

} // namespace

QString cardCountPhrase(int earned)
{
    if (earned == 0)
        return QStringLiteral("Zatím nemáš žádnou kartičku");
    const QString noun = earned < 2 ? QStringLiteral(" kartičku")
                       : earned < 5 ? QStringLiteral(" kartičky")
                                    : QStringLiteral(" kartiček");
    return QStringLiteral("Zatím máš ") + QString::number(earned) + noun;
}

QString cardViewMessage(int earned, int perSet)
{
    return cardCountPhrase(earned) + QStringLiteral(", chybí ti ještě ") + QString::number(perSet - earned)
        + QLatin1Char('.');
}

QString cardRewardMessage()
{
    return QStringLiteral("Výborně, získals další kartičku.\n\nUž máš všechny kartičky.");
}

QString cardBoxPictureName(int box, int cardSet, int perSet)
{
    int card = box;
    QString suffix = QStringLiteral("_1");
    if (perSet == 4) {
        suffix = QStringLiteral("_2");
        if (box == 4 || box == 5)
            card = box - 1;
        else if (box != 1 && box != 2)
            return kEmptyCard;
    }
    return kFolder + NumberToText(cardSet, 2) + QStringLiteral("\\karta") + NumberToText(card, 2) + suffix
        + QStringLiteral(".Jpg");
}

CardScreen::CardScreen(AppContext &ctx, const DisplayMetrics &display, QWidget *parent)
    : QWidget(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("FKart1"));
    setWindowTitle(QStringLiteral("Flumo"));
    setupScreenWindow(this, QSize(kClientWidth, kClientHeight), kCornerEllipse);
    setWindowModality(Qt::ApplicationModal);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFallbackBackground);
    setPalette(pal);

    const int dpi = display.dpi;
    m_label = new ShadowLabel(this);
    m_label->setObjectName(QStringLiteral("Label3"));
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(scaleDesign(17, dpi));
    m_label->setFont(font);
    QPalette labelPal = m_label->palette();
    labelPal.setColor(QPalette::WindowText, Qt::black);
    m_label->setPalette(labelPal);
    m_label->move(scaleDesign(24, dpi), scaleDesign(16, dpi));

    const auto makeBox = [this](const QString &name, const QRect &geometry, std::function<QString()> pictureName) {
        auto *box = new PaintBox(name, this);
        box->setGeometry(geometry);
        box->setPainter([this, pictureName = std::move(pictureName)](PaintBox &, QPainter &p) {
            drawPicture(p, pictureName());
        });
        return box;
    };

    for (int n = 1; n <= 2; ++n) {
        PaintBox *button = makeBox(QStringLiteral("PaintBox%1").arg(n),
                                   scaleDesign(QRect(472, n == 1 ? 412 : 468, 81, 51), dpi),
                                   [this, n] { return gameButtonPictureName(n); });
        button->setTag(n);
        button->setEnabled(false);
        connect(button, &PaintBox::clicked, this, [this, n] { gameClicked(n); });
        m_gameButtons[n - 1] = button;
    }
    m_closeButton = makeBox(QStringLiteral("PaintBox3"), scaleDesign(QRect(536, 12, 28, 28), dpi),
                            [] { return kFolder + QStringLiteral("zavr.Jpg"); });
    m_closeButton->setTag(3);
    connect(m_closeButton, &PaintBox::clicked, this, [this] { close(); });

    // The boxes made at run time sit at exact pixels on every display.
    for (int n = 1; n <= kGridBoxes; ++n) {
        const QRect r(25 + kBoxPitch * ((n - 1) % 3), 116 + kBoxPitch * ((n - 1) / 3), kBoxSize, kBoxSize);
        PaintBox *box = makeBox(QStringLiteral("PK%1").arg(n), r, [this, n] {
            return cardBoxPictureName(n, m_ctx.scores.cardSet, m_ctx.scores.cardsPerSet);
        });
        box->hide();
        m_cardBoxes[n - 1] = box;
    }
    for (int n = 1; n <= kPictureSets; ++n) {
        const QRect r(441 + kPreviewPitch * ((n - 1) % 2), 54 + kPreviewPitch * ((n - 1) / 2), kPreviewSize,
                      kPreviewSize);
        PaintBox *preview = makeBox(QStringLiteral("POb%1").arg(n), r, [n] {
            return kFolder + QStringLiteral("nahled") + NumberToText(n, 2) + QStringLiteral(".Jpg");
        });
        preview->setTag(n);
        connect(preview, &PaintBox::clicked, this, [this, preview] { chooseSet(preview->tag()); });
        m_previews[n - 1] = preview;
    }
}

CardScreen::~CardScreen()
{
    if (m_loop)
        m_loop->quit();
}

void CardScreen::setGameHooks(std::function<bool(int)> gameAvailable, std::function<void(int)> startGame)
{
    m_gameAvailable = std::move(gameAvailable);
    m_startGame = std::move(startGame);
}

void CardScreen::setPointers(const QCursor &pointer1, const QCursor &pointer2)
{
    setCursor(pointer1);
    for (PaintBox *b : m_gameButtons)
        b->setCursor(pointer2);
    m_closeButton->setCursor(pointer2);
    for (PaintBox *b : m_previews)
        b->setCursor(pointer2);
}

PaintBox *CardScreen::cardBox(int n) const
{
    return n >= 1 && n <= kGridBoxes ? m_cardBoxes[n - 1] : nullptr;
}

PaintBox *CardScreen::previewBox(int n) const
{
    return n >= 1 && n <= kPictureSets ? m_previews[n - 1] : nullptr;
}

PaintBox *CardScreen::gameButton(int n) const
{
    return n == 1 || n == 2 ? m_gameButtons[n - 1] : nullptr;
}

QString CardScreen::gameButtonPictureName(int n) const
{
    const Scores &s = m_ctx.scores;
    return kFolder + QStringLiteral("tlacitko") + QString::number(n)
        + (s.cardsEarned == s.cardsPerSet ? QString() : QStringLiteral("s")) + QStringLiteral(".Jpg");
}

int CardScreen::showModal(int mode)
{
    if (m_loop)
        return -1;
    m_tag = mode;
    return showModal();
}

int CardScreen::showModal()
{
    if (m_loop)
        return -1;
    prepareShowing();
    QPointer<CardScreen> self(this);
    QEventLoop loop;
    m_loop = &loop;
    show();
    raise();
    activateWindow();
    setFocus();
    loop.exec(QEventLoop::DialogExec);
    if (!self)   // destroyed while showing (program end)
        return 0;
    m_loop = nullptr;
    if (m_showing)
        finishShowing();
    const int game = m_chosenGame;
    m_chosenGame = 0;
    if (game == 0 || !m_startGame)
        return 0;
    m_startGame(game);
    return game;
}

void CardScreen::prepareShowing()
{
    Scores &s = m_ctx.scores;
    s.cardsPerSet = m_ctx.settings.cardCountIndex() == 0 ? 4 : 9;
    const bool reward = m_tag != kViewMode;
    m_chosenGame = 0;
    QString text;
    if (!reward)
        text = cardViewMessage(s.cardsEarned, s.cardsPerSet);
    cardScreenOpened(s, reward);
    if (reward) {
        text = cardRewardMessage();
        for (PaintBox *b : m_gameButtons)
            b->setEnabled(true);
        traceCard(CardOutcome::CardWon, s);
    }
    m_label->setText(text);
    m_label->adjustSize();

    for (int n = 1; n <= kGridBoxes; ++n)
        m_cardBoxes[n - 1]->setVisible(n <= s.cardsEarned);
    if (s.cardsPerSet == 4) {
        m_cardBoxes[2]->show();
        m_cardBoxes[3]->setVisible(s.cardsEarned > 2);
        m_cardBoxes[4]->setVisible(s.cardsEarned > 3);
        for (int n = 6; n <= kGridBoxes; ++n)
            m_cardBoxes[n - 1]->show();
    }
    for (PaintBox *b : m_cardBoxes)
        b->update();
    for (PaintBox *b : m_gameButtons)
        b->update();
    m_showing = true;
    trace("cards", {{"mode", reward ? QStringLiteral("reward") : QStringLiteral("view")},
                    {"won", QString::number(s.cardsEarned)},
                    {"of", QString::number(s.cardsPerSet)}});
}

void CardScreen::finishShowing()
{
    m_showing = false;
    m_tag = kRewardMode;
    cardScreenClosed(m_ctx.scores);
    for (PaintBox *b : m_gameButtons) {
        b->setEnabled(false);
        b->update();
    }
}

void CardScreen::chooseSet(int set)
{
    if (set < 1 || set > kPictureSets)
        return;
    m_ctx.scores.cardSet = set;
    trace("cards-set", {{"set", QString::number(set)}});
    // The won cards' boxes draw from CardSet; the empty places do not change.
    for (PaintBox *b : m_cardBoxes)
        b->update();
}

void CardScreen::gameClicked(int n)
{
    const int task = n == 1 ? kGame1 : kGame2;
    // Until the exercise screen can build the game, the button answers with
    // the default beep instead of closing onto a screen without the game.
    if (!m_gameAvailable || !m_startGame || !m_gameAvailable(task)) {
        m_ctx.platform.dialogs.beep(BeepKind::Default);
        return;
    }
    m_chosenGame = task;
    close();
}

QImage CardScreen::picture(const QString &name)
{
    auto it = m_pictures.constFind(name);
    if (it != m_pictures.constEnd())
        return *it;
    return *m_pictures.insert(name, m_ctx.pictures.load(name).image);
}

void CardScreen::drawPicture(QPainter &p, const QString &name)
{
    const QImage &img = picture(name);
    if (!img.isNull())
        p.drawImage(0, 0, img);
}

void CardScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawPicture(p, kFolder + QStringLiteral("bgr.jpg"));
}

void CardScreen::keyPressEvent(QKeyEvent *event)
{
    m_pressedKeys.press(event->key(), event->isAutoRepeat());
    QWidget::keyPressEvent(event);
}

void CardScreen::keyReleaseEvent(QKeyEvent *event)
{
    // The Enter that chose this screen elsewhere (a menu, the intro) or
    // closed a box over it was pressed there: its release is not ours.
    if (!m_pressedKeys.release(event->key(), event->isAutoRepeat())) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_F1:
        if (m_helpAction)
            m_helpAction();
        else
            showHelp(m_ctx.platform.files, 1, this);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyReleaseEvent(event);
    }
}

void CardScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    traceScreen("FKart1", true);
}

void CardScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_pressedKeys.clear();
    traceScreen("FKart1", false);
    if (m_showing)
        finishShowing();
    if (m_loop)
        m_loop->quit();
}

} // namespace flumo
