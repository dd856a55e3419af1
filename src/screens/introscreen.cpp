#include "screens/introscreen.h"
#include "engine/catalog.h"
#include "platform/trace.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace flumo {

namespace {
const QColor kBackground(193, 195, 207);

int rowsOfGroup(int group)
{
    return static_cast<int>(groupExercises(group).size());
}
} // namespace

IntroScreen::IntroScreen(AppContext &ctx, const DisplayMetrics &display, QWidget *parent)
    : QWidget(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("FUvodObr1"));
    setWindowTitle(QStringLiteral("Flumo"));
    setupScreenWindow(this, QSize(kClientWidth, kClientHeight), kCornerEllipse);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);

    m_background = m_ctx.pictures.loadPlain(QStringLiteral("obr\\uvod\\bgr.jpg")).image;
    m_closePicture = m_ctx.pictures.loadPlain(QStringLiteral("obr\\uvod\\zavr.Jpg")).image;

    // The close button's top and size come from the design (scaled), its
    // left is set at run time (exact).
    m_closeButton = new PaintBox(QStringLiteral("PBzavr"), this);
    m_closeButton->setGeometry(750, scaleDesign(28, display.dpi), scaleDesign(23, display.dpi),
                               scaleDesign(23, display.dpi));
    m_closeButton->setPainter([this](PaintBox &box, QPainter &p) {
        if (!m_closePicture.isNull()) {
            p.drawImage(0, 0, m_closePicture);
            return;
        }
        const QRect r = box.rect().adjusted(0, 0, -1, -1);
        p.fillRect(r, QColor(172, 175, 190));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(r.topLeft() + QPoint(5, 5), r.bottomRight() - QPoint(5, 5));
        p.drawLine(r.topRight() + QPoint(-5, 5), r.bottomLeft() + QPoint(5, -5));
    });
    connect(m_closeButton, &PaintBox::clicked, this, [this] { close(); });
}

void IntroScreen::setPointers(const QCursor &pointer1, const QCursor &pointer2)
{
    setCursor(pointer1);
    m_closeButton->setCursor(pointer2);
}

void IntroScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_background.isNull()) {
        p.drawImage(0, 0, m_background);
        return;
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(72);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(68, 76, 151));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Flumo"));
}

void IntroScreen::keyPressEvent(QKeyEvent *event)
{
    // Remember a letter pressed with Alt: the chord counts on the letter's
    // release even when Alt was let go first.
    if (!event->isAutoRepeat())
        m_altChordKey = (event->modifiers() & Qt::AltModifier) ? event->key() : 0;
    QWidget::keyPressEvent(event);
}

void IntroScreen::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    const int key = event->key();
    const bool alt = (event->modifiers() & Qt::AltModifier) || key == m_altChordKey;
    if (key == m_altChordKey)
        m_altChordKey = 0;
    if (alt && key == Qt::Key_P) {
        if (m_settingsAction)
            m_settingsAction();
        return;
    }
    if (alt && key == Qt::Key_H) {
        if (m_ctx.settings.useCards() && m_cardsAction)
            m_cardsAction();
        return;
    }
    if (!alt && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        startRow(m_selectedRow);
        return;
    }
    if (!alt && key >= Qt::Key_1 && key <= Qt::Key_9) {
        const int row = key - Qt::Key_0;
        if (row <= rowsOfGroup(m_ctx.state.currentGroup)) {
            m_selectedRow = row;
            trace("intro-row", {{"group", QString::number(m_ctx.state.currentGroup)}, {"row", QString::number(row)}});
        }
        return;
    }
    if (!alt && key >= Qt::Key_A && key <= Qt::Key_D) {
        m_ctx.state.currentGroup = key - Qt::Key_A + 1;
        m_selectedRow = 1;
        trace("intro-row", {{"group", QString::number(m_ctx.state.currentGroup)}, {"row", QStringLiteral("1")}});
        return;
    }
    QWidget::keyReleaseEvent(event);
}

bool IntroScreen::startRow(int n)
{
    EngineState &s = m_ctx.state;
    const int group = s.currentGroup;
    const int task = group * 100 + n;
    if (!m_exercise || n < 1 || n > rowsOfGroup(group) || !m_exercise->canBuild(task)) {
        trace("intro-refused", {{"task", QString::number(task)}});
        return false;
    }
    m_exercise->show();
    m_exercise->raise();
    m_exercise->activateWindow();
    s.currentTask = task;
    // The exercise menu of the group is rebuilt with the toolbar's menus.
    s.exerciseChosen = true;
    s.currentSubtask = 1;
    m_exercise->ZamichUkl1Click();
    return true;
}

void IntroScreen::showEvent(QShowEvent *event)
{
    m_selectedRow = m_ctx.state.currentTask % 100;
    QWidget::showEvent(event);
    traceScreen("FUvodObr1", true);
}

void IntroScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    traceScreen("FUvodObr1", false);
}

void IntroScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

} // namespace flumo
