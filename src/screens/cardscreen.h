#pragma once
// The card collection screen FKart1, always shown modally. In this form it
// shows its background and closes on Enter, Esc or a click.
#include "screens/context.h"
#include "screens/controls.h"
#include <QImage>
#include <QWidget>

class QEventLoop;

namespace flumo {

class CardScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 584;
    static constexpr int kClientHeight = 540;
    static constexpr int kCornerEllipse = 30;
    static constexpr int kViewMode = 1;
    static constexpr int kRewardMode = 0;

    // ctx outlives the screen.
    explicit CardScreen(AppContext &ctx, const DisplayMetrics &display = DisplayMetrics::current(),
                        QWidget *parent = nullptr);
    ~CardScreen() override;

    // The mode for the next showing (ViewMode 1, RewardMode 0).
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Shows the screen modally; returns when it has closed (0). A call while
    // it is already showing returns at once (-1).
    int showModal();
    bool isShowingModal() const { return m_loop != nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    AppContext &m_ctx;
    QEventLoop *m_loop = nullptr;   // the running modal loop, or null
    QImage m_background;            // "obr\karticky\bgr.jpg"; null when missing
    bool m_backgroundLoaded = false;
    int m_tag = kRewardMode;
};

} // namespace flumo
