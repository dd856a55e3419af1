#include "app/backdrop.h"
#include "engine/settings.h"
#include "platform/trace.h"
#include "screens/controls.h"
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

namespace flumo {

// "Activation" of a window that is disabled and takes no focus is not
// something X11 reliably reports: without a window manager nothing is ever
// activated, and with one a disabled, non-focusable window is skipped. So the
// backdrop counts as activated (a) once after it was first shown, queued so
// that its window is mapped before the intro screen's and stays below it,
// (b) whenever a watched modal screen hides, which is when the toolkit of the
// original design handed the activation back, and (c) on a real activation
// event where the platform sends one. Activating twice is harmless: the rule
// is idempotent and the intro screen is shown only while the tag is 0.
BackdropScreen::BackdropScreen(Settings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint
                          | Qt::WindowDoesNotAcceptFocus)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("FCernaObr1"));
    // A TrueColor root of 24 bits or more takes the colour as 0xRRGGBB.
    if (const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>(); x11 && x11->connection()) {
        const xcb_screen_t *root = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())).data;
        m_serverFill = root && root->root_depth >= 24;
    }
    if (m_serverFill)
        setAttribute(Qt::WA_PaintOnScreen);
    setWindowTitle(QStringLiteral("Flumo"));
    setEnabled(false);
    setMinimumSize(1, 1);
    connect(&m_settings, &Settings::blackBackdropChanged, this, [this] { applyBackdropRule(); });
    applyBackdropRule();
}

void BackdropScreen::watchModalScreen(QWidget *screen)
{
    if (screen)
        screen->installEventFilter(this);
}

void BackdropScreen::applyBackdropRule()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const QSize screen = s ? s->geometry().size() : QSize(1024, 768);
    QRect r;
    if (m_settings.blackBackdrop()) {
        m_colour = Qt::black;
        r = QRect(QPoint(0, 0), screen);
    } else {
        m_colour = QColor(0, 128, 128);
        r = QRect(QPoint((screen.width() - 1) / 2, (screen.height() - 1) / 2), QSize(1, 1));
    }
    setGeometry(r);
    update();
    trace("backdrop", {{"black", m_settings.blackBackdrop() ? QStringLiteral("1") : QStringLiteral("0")},
                       {"x", QString::number(r.x())}, {"y", QString::number(r.y())},
                       {"w", QString::number(r.width())}, {"h", QString::number(r.height())}});
}

void BackdropScreen::activate()
{
    m_activationQueued = false;
    applyBackdropRule();
    if (m_tag != 0)
        return;
    // The tag is set before the intro shows so that an activation arriving
    // while it shows cannot show it again.
    m_tag = 1;
    if (m_intro) {
        m_intro->show();
        m_intro->raise();
        m_intro->activateWindow();
    }
}

bool BackdropScreen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        activate();
    return QWidget::event(event);
}

void BackdropScreen::minimiseProgram(QWidget *front)
{
    m_hiddenByMinimise.clear();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != this && w != front && w->isVisible())
            m_hiddenByMinimise.emplace_back(w);
    if (front && front->isVisible())
        m_hiddenByMinimise.emplace_back(front);
    trace("minimise", {{"screens", QString::number(m_hiddenByMinimise.size())}});
    for (const QPointer<QWidget> &w : m_hiddenByMinimise)
        w->hide();
    // The window system has one icon for the program: the main window's.
    if (!isVisible())
        show();
    showMinimized();
}

void BackdropScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized() || m_hiddenByMinimise.empty())
        return;
    const std::vector<QPointer<QWidget>> screens = std::move(m_hiddenByMinimise);
    m_hiddenByMinimise.clear();
    trace("restore", {{"screens", QString::number(screens.size())}});
    for (const QPointer<QWidget> &w : screens) {
        if (!w)
            continue;
        w->show();
        w->raise();
    }
    if (!screens.empty() && screens.back())
        screens.back()->activateWindow();
}

bool BackdropScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && !m_activationQueued) {
        m_activationQueued = true;
        QTimer::singleShot(0, this, &BackdropScreen::activate);
    }
    return QWidget::eventFilter(watched, event);
}

QPaintEngine *BackdropScreen::paintEngine() const
{
    return m_serverFill ? nullptr : QWidget::paintEngine();
}

bool BackdropScreen::fillByServer()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const auto window = static_cast<xcb_window_t>(winId());
    const uint32_t pixel = m_colour.rgb() & 0xffffffu;
    xcb_change_window_attributes(connection, window, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, 0, window, 0, 0, 0, 0);
    xcb_flush(connection);
    return true;
}

void BackdropScreen::paintEvent(QPaintEvent *)
{
    if (m_serverFill && fillByServer())
        return;
    QPainter p(this);
    p.fillRect(rect(), m_colour);
}

void BackdropScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    traceScreen("FCernaObr1", true);
    if (m_tag == 0 && !m_activationQueued) {
        m_activationQueued = true;
        QTimer::singleShot(0, this, &BackdropScreen::activate);
    }
}

void BackdropScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    traceScreen("FCernaObr1", false);
}

void BackdropScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

} // namespace flumo
