#include "screens/cardscreen.h"
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace flumo {

CardScreen::CardScreen(AppContext &ctx, const DisplayMetrics &, QWidget *parent)
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
    pal.setColor(QPalette::Window, QColor(220, 218, 193));
    setPalette(pal);
}

CardScreen::~CardScreen()
{
    if (m_loop)
        m_loop->quit();
}

int CardScreen::showModal()
{
    if (m_loop)
        return -1;
    if (!m_backgroundLoaded) {
        m_background = m_ctx.pictures.load(QStringLiteral("obr\\karticky\\bgr.jpg")).image;
        m_backgroundLoaded = true;
    }
    QEventLoop loop;
    m_loop = &loop;
    show();
    raise();
    activateWindow();
    setFocus();
    loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
    return 0;
}

void CardScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_background.isNull()) {
        p.drawImage(0, 0, m_background);
        return;
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(40);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(68, 76, 151));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Kartičky"));
}

void CardScreen::keyReleaseEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyReleaseEvent(event);
    }
}

void CardScreen::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        close();
}

void CardScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    traceScreen("FKart1", true);
}

void CardScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    traceScreen("FKart1", false);
    if (m_loop)
        m_loop->quit();
}

} // namespace flumo
