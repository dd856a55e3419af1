#include "screens/introscreen.h"
#include "engine/catalog.h"
#include "engine/generator.h"
#include "platform/trace.h"
#include "screens/exercisescreen.h"
#include "screens/helpviewer.h"
#include "screens/paintbox.h"
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace flumo {

namespace {
const QColor kBackground(193, 195, 207);
const QColor kDeletePanel(172, 175, 190);
// The row panels take the colour of the list card of the background picture,
// so that the rows a group does not use leave no empty bars.
const QColor kRowPanel(240, 245, 252);
const QString kFolder = QStringLiteral("obr\\uvod\\");

// Rows per group; row r of group g is exercise g * 100 + r.
constexpr std::array<int, 5> kRowsPerGroup{0, 12, 8, 11, 12};

// Runtime places of PBox1..6 (exact pixels) and their size before the first
// picture is drawn.
constexpr std::array<QRect, IntroScreen::kButtons + 1> kButtonRects{
    QRect(),
    QRect(30, 73, 138, 131),  QRect(230, 73, 140, 136), QRect(130, 210, 128, 118),
    QRect(330, 210, 137, 136), QRect(570, 518, 49, 55), QRect(650, 518, 37, 46),
};

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
} // namespace

IntroScreen::IntroScreen(AppContext &ctx, const DisplayMetrics &display, QWidget *parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_ownPlayer(ctx.platform.files, ctx.platform.sound)
{
    setObjectName(QStringLiteral("FUvodObr1"));
    setWindowTitle(QStringLiteral("Flumo"));
    setupScreenWindow(this, QSize(kClientWidth, kClientHeight), kCornerEllipse);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);

    const int dpi = display.dpi;
    auto d = [dpi](int v) { return scaleDesign(v, dpi); };

    // Design controls: what the design gives is scaled, what is set at run
    // time is exact.
    m_description = makeBox(QStringLiteral("PBText1"), this, QRect(d(42), 364, d(450), d(140)));
    m_minButton = makeBox(QStringLiteral("PBmin"), this, QRect(720, d(28), d(23), d(23)));
    m_closeButton = makeBox(QStringLiteral("PBzavr"), this, QRect(750, d(28), d(23), d(23)));
    m_deletePanel = new Panel(QStringLiteral("PanelSmaz1"), kDeletePanel, this);
    m_deletePanel->setGeometry(d(476), 523, 27, 27);
    m_deleteButton = makeBox(QStringLiteral("PBsmaz1"), m_deletePanel, QRect(0, 0, 27, 27));

    for (int n = 1; n <= kButtons; ++n) {
        PaintBox *b = makeBox(QStringLiteral("PBox%1").arg(n), this, kButtonRects[static_cast<std::size_t>(n)]);
        m_buttons[static_cast<std::size_t>(n)] = b;
        connect(b, &PaintBox::pointerMoved, this, [this, n] { buttonPointerMoved(n); });
        connect(b, &PaintBox::clicked, this, [this, n] { clickButton(n); });
    }
    for (int n = 1; n <= kRowBoxes; ++n) {
        auto *panel = new Panel(QStringLiteral("Panel1men%1").arg(n), kRowPanel, this);
        panel->setGeometry(540, 92 + 32 * n, 205, 18);
        m_rowPanels[static_cast<std::size_t>(n)] = panel;
        PaintBox *row = makeBox(QStringLiteral("PmenBox%1").arg(n), panel, QRect(0, 0, 205, 18));
        m_rows[static_cast<std::size_t>(n)] = row;
        connect(row, &PaintBox::pointerMoved, this, [this, n] { rowPointerMoved(n); });
        connect(row, &PaintBox::clicked, this, [this, n] { startRow(n); });
    }
    for (int n = 1; n <= kCardSlots; ++n) {
        PaintBox *slot = makeBox(QStringLiteral("PK%1").arg(n), this, QRect(45 + 48 * (n - 1), 516, 40, 40));
        slot->hide();
        m_slots[static_cast<std::size_t>(n)] = slot;
        m_slotPicture[static_cast<std::size_t>(n)] = kFolder + QStringLiteral("karta0.Jpg");
        connect(slot, &PaintBox::clicked, this, [this] {
            if (m_ctx.settings.useCards() && m_cardsAction)
                m_cardsAction();
        });
    }

    connect(m_closeButton, &PaintBox::clicked, this, [this] { close(); });
    connect(m_minButton, &PaintBox::clicked, this, [this] {
        if (m_minimiseAction) {
            m_minimiseAction();
            return;
        }
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                w->showMinimized();
    });
    connect(m_deleteButton, &PaintBox::clicked, this, [this] { clickDelete(); });
    m_helpAction = [this] { showHelp(m_ctx.platform.files, 1, this); };

    for (int n = 1; n <= kButtons; ++n)
        drawButton(n);
}

PaintBox *IntroScreen::makeBox(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *box = new PaintBox(name, parent);
    box->setGeometry(geometry);
    box->setPainter([this](PaintBox &b, QPainter &p) {
        const QImage &img = picture(pictureOf(&b));
        if (!img.isNull())
            p.drawImage(0, 0, img);
        // An exercise that cannot be played yet is shown, dimmed.
        for (int n = 1; n <= kRowBoxes; ++n)
            if (&b == m_rows[static_cast<std::size_t>(n)] && !canStart(m_ctx.state.currentGroup * 100 + n))
                p.fillRect(b.rect(), QColor(255, 255, 255, 150));
    });
    return box;
}

QImage IntroScreen::picture(const QString &name)
{
    auto it = m_pictures.constFind(name);
    if (it != m_pictures.constEnd())
        return *it;
    return *m_pictures.insert(name, name.isEmpty() ? QImage() : m_ctx.pictures.loadPlain(name).image);
}

PaintBox *IntroScreen::button(int n) const
{
    return n >= 1 && n <= kButtons ? m_buttons[static_cast<std::size_t>(n)] : nullptr;
}

PaintBox *IntroScreen::rowBox(int n) const
{
    return n >= 1 && n <= kRowBoxes ? m_rows[static_cast<std::size_t>(n)] : nullptr;
}

Panel *IntroScreen::rowPanel(int n) const
{
    return n >= 1 && n <= kRowBoxes ? m_rowPanels[static_cast<std::size_t>(n)] : nullptr;
}

PaintBox *IntroScreen::cardSlot(int n) const
{
    return n >= 1 && n <= kCardSlots ? m_slots[static_cast<std::size_t>(n)] : nullptr;
}

int IntroScreen::rowsOfGroup(int group)
{
    return group >= 1 && group <= 4 ? kRowsPerGroup[static_cast<std::size_t>(group)] : 0;
}

QString IntroScreen::pictureOf(const PaintBox *box) const
{
    const int group = m_ctx.state.currentGroup;
    for (int n = 1; n <= kButtons; ++n)
        if (box == m_buttons[static_cast<std::size_t>(n)]) {
            return kFolder + QStringLiteral("tl") + two(n) + m_buttonLook[static_cast<std::size_t>(n)]
                + QStringLiteral(".Jpg");
        }
    for (int n = 1; n <= kRowBoxes; ++n)
        if (box == m_rows[static_cast<std::size_t>(n)])
            return kFolder + QStringLiteral("vyb") + two(group) + u'_' + two(n)
                + (n == m_selectedRow ? u'k' : u'n') + QStringLiteral(".Jpg");
    for (int n = 1; n <= kCardSlots; ++n)
        if (box == m_slots[static_cast<std::size_t>(n)])
            return m_slotPicture[static_cast<std::size_t>(n)];
    if (box == m_description)
        return group >= 1 && group <= 4 ? kFolder + QStringLiteral("text") + two(group) + QStringLiteral(".Jpg")
                                        : QString();
    if (box == m_deleteButton)
        return kFolder + (m_deletePressed ? QStringLiteral("smaz2.Jpg") : QStringLiteral("smaz1.Jpg"));
    if (box == m_minButton)
        return kFolder + QStringLiteral("min.Jpg");
    if (box == m_closeButton)
        return kFolder + QStringLiteral("zavr.Jpg");
    return {};
}

void IntroScreen::setPointers(const QCursor &pointer1, const QCursor &pointer2)
{
    setCursor(pointer1);
    for (PaintBox *b : findChildren<PaintBox *>())
        if (b != m_description)
            b->setCursor(pointer2);
}

// ---------------------------------------------------------------- drawing

void IntroScreen::drawButton(int n, QChar look)
{
    if (look.isNull())
        look = n == m_ctx.state.currentGroup ? u'v' : n == m_hoverGroup ? u'k' : u'n';
    m_buttonLook[static_cast<std::size_t>(n)] = look;
    PaintBox *b = button(n);
    const QImage &img = picture(pictureOf(b));
    if (!img.isNull())
        b->resize(img.size());
    b->update();
}

void IntroScreen::drawRow(int n)
{
    PaintBox *row = rowBox(n);
    const QImage &img = picture(pictureOf(row));
    if (!img.isNull())
        row->resize(img.size());
    row->update();
}

void IntroScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QImage &bg = picture(QStringLiteral("Obr\\uvod\\bgr.jpg"));
    if (!bg.isNull())
        p.drawImage(0, 0, bg);
    if (!m_painted) {
        // The end of start-up as a launch is timed: traced once the whole
        // first frame, buttons included, has been painted and flushed.
        m_painted = true;
        QTimer::singleShot(0, this, [] { trace("screen-painted", {{"name", QStringLiteral("FUvodObr1")}}); });
    }
}

// ---------------------------------------------------------------- hover marks

void IntroScreen::clearButtonMarks()
{
    for (int n = 1; n <= kButtons; ++n) {
        PaintBox *b = button(n);
        const bool wasMarked = b->tag() == n;
        b->setTag(0);
        if (wasMarked && b->isVisible())
            drawButton(n, n == m_ctx.state.currentGroup ? u'v' : u'n');
    }
}

void IntroScreen::buttonPointerMoved(int n)
{
    if (n == m_hoverGroup)
        return;
    clearButtonMarks();
    button(n)->setTag(n);
    drawButton(n, n == m_ctx.state.currentGroup ? u'v' : u'k');
    m_hoverGroup = n;
}

void IntroScreen::clearRowMarks()
{
    for (int n = 1; n <= kRowBoxes; ++n)
        rowBox(n)->setTag(0);
}

void IntroScreen::setRowMark(int n)
{
    const int old = m_selectedRow;
    clearRowMarks();
    m_selectedRow = n;
    if (PaintBox *row = rowBox(n))
        row->setTag(n);
    // A group with fewer rows is being shown: the old row lies beyond it,
    // has no picture in the new group and is about to be hidden.
    if (rowBox(old) && rowBox(old)->isVisible() && old <= rowsOfGroup(m_ctx.state.currentGroup))
        drawRow(old);
    if (rowBox(n) && rowBox(n)->isVisible())
        drawRow(n);
}

void IntroScreen::rowPointerMoved(int n)
{
    if (n == m_selectedRow)
        return;
    setRowMark(n);
    traceSelection();
}

void IntroScreen::markRow(int n)
{
    setRowMark(std::clamp(n, 1, std::max(1, rowsOfGroup(m_ctx.state.currentGroup))));
}

void IntroScreen::traceSelection() const
{
    trace("intro", {{"group", QString::number(m_ctx.state.currentGroup)}, {"row", QString::number(m_selectedRow)}});
}

// ---------------------------------------------------------------- clicks

void IntroScreen::PlayUiSound(const QString &file, bool wait)
{
    if (m_silent != 0)
        return;
    SoundPlayer &player = m_exercise ? m_exercise->soundPlayer() : m_ownPlayer;
    player.setFileName(file);
    player.playNow(file, wait);
}

void IntroScreen::clickButton(int n)
{
    if (!button(n))
        return;
    PlayUiSound(QStringLiteral("zvuky\\klik1.wav"), false);
    if (n <= 4) {
        const int old = m_ctx.state.currentGroup;
        m_ctx.state.currentGroup = n;
        // A mouse change to a group with fewer rows would leave SelectedRow
        // outside the list (no highlight, Up/Down/Enter out of range): the
        // highlight moves to the new group's last row instead.
        if (m_selectedRow > rowsOfGroup(n) || m_selectedRow < 1)
            markRow(m_selectedRow);
        if (button(old))
            drawButton(old);
        drawButton(n);
        for (int r = 1; r <= kRowBoxes; ++r) {
            if (r <= rowsOfGroup(n)) {
                drawRow(r);
                rowBox(r)->show();
            } else {
                rowBox(r)->hide();
            }
        }
        m_description->update();
        traceSelection();
    } else if (n == 5) {
        if (m_settingsAction)
            m_settingsAction();
        QCoreApplication::processEvents();
        m_hoverGroup = 0;
        drawCardStrip();
        drawButton(5, u'k');
    } else if (m_helpAction) {
        m_helpAction();
    }
}

bool IntroScreen::canStart(int task) const
{
    return m_exercise ? m_exercise->canBuild(task) : isPlayable(task);
}

bool IntroScreen::startRow(int n)
{
    EngineState &s = m_ctx.state;
    const int task = s.currentGroup * 100 + n;
    if (!m_exercise || n < 1 || n > rowsOfGroup(s.currentGroup) || !canStart(task)) {
        trace("intro-refused", {{"task", QString::number(task)}});
        m_ctx.platform.dialogs.beep(BeepKind::Default);
        return false;
    }
    const bool alreadyShown = m_exercise->isVisible();
    m_exercise->show();
    m_exercise->raise();
    m_exercise->activateWindow();
    // This screen stays behind the exercise screen, hidden from view; no
    // show or hide event reports either change.
    if (alreadyShown)
        traceScreen("FUkolu1", true);
    if (isVisible())
        traceScreen("FUvodObr1", false);
    s.currentTask = task;
    if (m_exerciseMenuAction)
        m_exerciseMenuAction();
    s.exerciseChosen = true;
    s.currentSubtask = 1;
    trace("exercise chosen", {{"task", QString::number(task)}});
    // This screen's pending paints run now, so that its pictures are let go
    // before the build decodes the exercise's; again after the build, for
    // any paint that came up meanwhile.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    m_pictures.clear();
    m_exercise->ZamichUkl1Click();
    m_pictures.clear();
    return true;
}

void IntroScreen::clickDelete()
{
    PlayUiSound(QStringLiteral("zvuky\\klik2.wav"), false);
    Scores &scores = m_ctx.scores;
    if (!m_ctx.settings.useCards() || scores.cardsEarned <= 0)
        return;
    m_ctx.platform.dialogs.beep(BeepKind::Ding);
    m_deletePressed = true;
    m_deleteButton->repaint();
    const bool yes = m_ctx.platform.dialogs.questionYesNo(
        QStringLiteral("Flumo"), QStringLiteral("Opravdu chcete smazat všechny dosud získané kartičky ?"));
    if (yes) {
        m_ctx.platform.clock.sleep(150);
        scores.cardsEarned = 0;
        for (int n = 1; n <= std::min(scores.cardsPerSet, kCardSlots); ++n)
            cardSlot(n)->hide();
    }
    m_deletePressed = false;
    m_deleteButton->update();
}

// ---------------------------------------------------------------- card strip

void IntroScreen::RefreshCardStrip()
{
    if (m_exercise)
        m_exercise->timer2()->setEnabled(false);
    m_hoverGroup = 0;
    drawCardStrip();
}

void IntroScreen::drawCardStrip()
{
    const bool inUse = m_ctx.settings.useCards();
    const int perSet = m_ctx.scores.cardsPerSet;
    const int earned = m_ctx.scores.cardsEarned;
    for (int n = 1; n <= kCardSlots; ++n) {
        const bool own = inUse && !(perSet == 4 && n >= 5);
        m_slotPicture[static_cast<std::size_t>(n)] =
            kFolder + (own ? QStringLiteral("karta%1.Jpg").arg(n) : QStringLiteral("karta0.Jpg"));
        const bool shown = !inUse || n <= earned || (perSet == 4 && n >= 5);
        cardSlot(n)->setVisible(shown);
        cardSlot(n)->update();
    }
}

// ---------------------------------------------------------------- keyboard

void IntroScreen::stepRow(int delta)
{
    const int rows = rowsOfGroup(m_ctx.state.currentGroup);
    int row = m_selectedRow + delta;
    if (row > rows)
        row = 1;
    else if (row < 1)
        row = rows;
    setRowMark(row);
    traceSelection();
}

void IntroScreen::changeGroupByKey(int group)
{
    setRowMark(1);
    clickButton(group);
}

void IntroScreen::keyPressEvent(QKeyEvent *event)
{
    // Remember a letter pressed with Alt: the chord counts on the letter's
    // release even when Alt was let go first.
    if (!event->isAutoRepeat())
        m_altChordKey = (event->modifiers() & Qt::AltModifier) ? event->key() : 0;
    m_pressedKeys.press(event->key(), event->isAutoRepeat());
    QWidget::keyPressEvent(event);
}

void IntroScreen::keyReleaseEvent(QKeyEvent *event)
{
    const int key = event->key();
    // The Enter that closed the help page or answered the delete question
    // was pressed there: its release must not start the highlighted row.
    if (!m_pressedKeys.release(key, event->isAutoRepeat())) {
        if (!event->isAutoRepeat())
            trace("key-ignored", {{"screen", QStringLiteral("FUvodObr1")}, {"key", QString::number(key)}});
        QWidget::keyReleaseEvent(event);
        return;
    }
    const bool alt = (event->modifiers() & Qt::AltModifier) || key == m_altChordKey;
    if (key == m_altChordKey)
        m_altChordKey = 0;
    const int group = m_ctx.state.currentGroup;
    if (alt) {
        if (key == Qt::Key_P && m_settingsAction)
            m_settingsAction();
        else if (key == Qt::Key_H && m_ctx.settings.useCards() && m_cardsAction)
            m_cardsAction();
        return;
    }
    switch (key) {
    case Qt::Key_F1:
        if (m_helpAction)
            m_helpAction();
        break;
    case Qt::Key_Down:
        stepRow(+1);
        break;
    case Qt::Key_Up:
        stepRow(-1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        startRow(m_selectedRow);
        break;
    case Qt::Key_Left:
        changeGroupByKey(group <= 1 ? 4 : group - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Space:
        changeGroupByKey(group >= 4 ? 1 : group + 1);
        break;
    default:
        QWidget::keyReleaseEvent(event);
        break;
    }
}

// ---------------------------------------------------------------- show, hide, close

void IntroScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        RefreshCardStrip();
        markRow(m_ctx.state.currentTask % 100);
        m_silent = 1;
        clickButton(m_ctx.state.currentGroup);
        m_silent = 0;
    }
    traceScreen("FUvodObr1", true);
}

void IntroScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_pressedKeys.clear();
    traceScreen("FUvodObr1", false);
}

void IntroScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

} // namespace flumo
