#pragma once
// The exercise screen FUkolu1: the 800 x 600 screen on which problems are
// shown. It owns the tile pools, the shared pictures, the pointers, the
// sound player, the random generator, the three timers and the toolbar.
#include "engine/random.h"
#include "media/soundplayer.h"
#include "screens/context.h"
#include "screens/controls.h"
#include <QCursor>
#include <QHash>
#include <QImage>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace flumo {

class GifView;
class PaintBox;

// The picture objects every exercise shares; null images until filled.
struct SharedPictures {
    QImage pictureBuffer;      // filled by LoadPicture
    QImage pictureBuffer2;     // toolbar pictures
    QImage scratchBitmap;      // per-exercise drawing
    QImage colouringBitmap;
    QImage mazeCursorBitmap1;
    QImage mazeCursorBitmap2;
};

class ExerciseScreen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTilePool = 12;
    static constexpr int kDisplayPool = 7;
    static constexpr int kBackPool = 16;
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 600;
    static constexpr int kCornerEllipse = 68;

    // ctx outlives the screen. display: the metrics the layout is made for.
    explicit ExerciseScreen(AppContext &ctx, const DisplayMetrics &display = DisplayMetrics::current(),
                            QWidget *parent = nullptr);
    ~ExerciseScreen() override;

    // Pool boxes by number (1-based); nullptr outside the pool.
    PaintBox *tile(int n) const;
    PaintBox *displayBox(int n) const;
    PaintBox *backBox(int n) const;

    Panel *toolbar() const { return m_toolbar; }          // PanelTlac1
    Panel *upperPanel() const { return m_panel1puv; }     // Panel1puv
    Panel *patternPanel() const { return m_panel1; }      // Panel1
    Panel *tilePanel() const { return m_panelVyb1; }      // PanelVyb1

    TagTimer *timer1() const { return m_timer1; }         // praise pause
    TagTimer *timer2() const { return m_timer2; }         // automatic pointer movement
    TagTimer *timer3() const { return m_timer3; }         // delayed sound start, maze blink

    Random &random() { return m_random; }
    SoundPlayer &soundPlayer() { return m_soundPlayer; }
    SharedPictures &sharedPictures() { return m_shared; }
    const ScreenColours &colours() const { return m_colours; }
    const QString &startFolder() const { return m_startFolder; }
    const QCursor &pointer1() const { return m_pointer1; }
    const QCursor &pointer2() const { return m_pointer2; }
    const DisplayMetrics &display() const { return m_display; }

    // ZmenaPozTlacitek: the strip at top 10 and Panel1puv at top 47, or for
    // exercises below 401 with ToolbarOnTop off the strip at top 198 (between
    // the pattern area and the tiles) and Panel1puv at top 27.
    void ZmenaPozTlacitek();

    // The plain background picture of the window for the current exercise
    // ("" when none applies).
    QString backgroundName() const;

    // The picture a toolbar box shows now ("" for none).
    QString toolbarPictureName(const PaintBox &box) const;

signals:
    // Emitted from the close event, after Timer2 stopped.
    void closed();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createDesignControls();
    void createToolbar();
    void loadPointers();
    void createPools();
    void restoreStartFolder();
    void onTimer3();
    // Toolbar and background pictures, read once per name from the working
    // folder; a missing or broken file gives a null image (nothing drawn).
    const QImage &plainPicture(const QString &name);

    // A design rectangle at this screen's dpi.
    QRect design(int left, int top, int width, int height) const;
    int design(int value) const;

    AppContext &m_ctx;
    DisplayMetrics m_display;
    Random m_random;
    SoundPlayer m_soundPlayer;          // MediaPlayer1
    SharedPictures m_shared;
    ScreenColours m_colours;
    QString m_startFolder;
    QCursor m_pointer1;
    QCursor m_pointer2;
    QHash<QString, QImage> m_plainPictures;

    // Children, owned by their Qt parents.
    Panel *m_panel1puv = nullptr;
    Panel *m_panel1 = nullptr;
    PaintBox *m_pbvz1 = nullptr;
    PaintBox *m_pbrov1 = nullptr;
    PaintBox *m_pbvyb1 = nullptr;
    GifView *m_rxGifAnim2 = nullptr;
    Panel *m_panelVyb1 = nullptr;
    Panel *m_panelGifu1 = nullptr;
    GifView *m_rxGifAnimator1 = nullptr;
    GifView *m_gifAnimZac1 = nullptr;
    Panel *m_panelSamana1 = nullptr;
    GifView *m_rxGifAnimator1n = nullptr;
    PaintBox *m_pb0 = nullptr;
    PaintBox *m_pb0celk = nullptr;
    PaintBox *m_pb1pom = nullptr;
    PaintBox *m_paintBox2 = nullptr;
    QLabel *m_label2 = nullptr;
    PaintBox *m_paintBox1 = nullptr;
    Panel *m_panelMenu1 = nullptr;
    QPushButton *m_zamichUkl1 = nullptr;
    Panel *m_toolbar = nullptr;
    std::vector<PaintBox *> m_toolbarBoxes;
    TagTimer *m_timer1 = nullptr;
    TagTimer *m_timer2 = nullptr;
    TagTimer *m_timer3 = nullptr;
    std::array<PaintBox *, kTilePool> m_tiles{};
    std::array<PaintBox *, kDisplayPool> m_displayBoxes{};
    std::array<PaintBox *, kBackPool> m_backBoxes{};
};

} // namespace flumo
