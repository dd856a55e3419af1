#include "screens/introscreen.h"
#include "screens/paintbox.h"
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace flumo {

namespace {
const QColor kBackground(193, 195, 207);
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
    QWidget::keyReleaseEvent(event);
}

void IntroScreen::showEvent(QShowEvent *event)
{
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
