#include "screens/paintbox.h"
#include <QMouseEvent>
#include <QPainter>

namespace flumo {

PaintBox::PaintBox(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
}

void PaintBox::setHint(const QString &hint)
{
    m_hint = hint;
    updateToolTip();
}

void PaintBox::setShowHint(bool on)
{
    m_showHint = on;
    updateToolTip();
}

void PaintBox::updateToolTip()
{
    // Hints break their lines with a carriage return, which a tooltip does
    // not; it shows them with line feeds instead.
    QString shown = m_showHint ? m_hint : QString();
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setToolTip(shown);
}

void PaintBox::setPainter(Painter painter)
{
    m_painter = std::move(painter);
    update();
}

void PaintBox::paintEvent(QPaintEvent *)
{
    if (!m_painter)
        return;
    QPainter p(this);
    p.setClipRect(rect());
    m_painter(*this, p);
}

void PaintBox::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(this, event->position().toPoint(), event->modifiers());
}

void PaintBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    emit pressed(this, event->button(), event->position().toPoint());
}

void PaintBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void PaintBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && m_leftDown && rect().contains(pos);
    if (event->button() == Qt::LeftButton)
        m_leftDown = false;
    // A handler may delete or hide the box: keep the order release, click.
    emit released(this, event->button(), pos);
    if (click)
        emit clicked(this);
}

} // namespace flumo
