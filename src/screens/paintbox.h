#pragma once
// A paint box: a rectangular drawing area without a background of its own,
// drawn by a callback, with pointer and click signals. Tiles, display boxes,
// back boxes, the pattern row and the toolbar buttons are paint boxes.
#include <QString>
#include <QWidget>
#include <functional>

class QPainter;

namespace flumo {

class PaintBox : public QWidget {
    Q_OBJECT
public:
    // Draws the whole box; the painter is clipped to the box.
    using Painter = std::function<void(PaintBox &box, QPainter &painter)>;

    // name: the object name ("PBox1", "PBtl3"...); the parent owns the box.
    explicit PaintBox(const QString &name, QWidget *parent = nullptr);

    // Integer tag: flags and indexes kept on the control.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // The hint text is a value of its own (tiles keep their number there);
    // it is shown as a tooltip only while showHint is on.
    const QString &hint() const { return m_hint; }
    void setHint(const QString &hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool on);

    void setPainter(Painter painter);
    bool hasPainter() const { return static_cast<bool>(m_painter); }

signals:
    // Pointer moves over the box, with or without a button held.
    void pointerMoved(flumo::PaintBox *box, QPoint pos, Qt::KeyboardModifiers modifiers);
    void pressed(flumo::PaintBox *box, Qt::MouseButton button, QPoint pos);
    void released(flumo::PaintBox *box, Qt::MouseButton button, QPoint pos);
    // A left-button press on the box followed by its release inside the box.
    void clicked(flumo::PaintBox *box);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double-click is no new press: a double-click is
    // one click (on a tile it would otherwise judge the answer twice).
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateToolTip();

    Painter m_painter;
    QString m_hint;
    int m_tag = 0;
    bool m_showHint = false;
    bool m_leftDown = false;    // a left press started on this box
};

} // namespace flumo
