#include "screens/exercisescreen.h"
#include "engine/catalog.h"
#include "media/animation.h"
#include "media/cursors.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include "screens/paintbox.h"
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace flumo {

namespace {

const QColor kPanel1puvColour(250, 235, 175);
const QColor kSamanaColour(255, 215, 0);
const QColor kMenuPanelColour(240, 240, 240);
const QColor kToolbarColour(68, 76, 151);

// The toolbar strip's boxes: name, left and width in design pixels, tag.
struct ToolbarBox {
    const char *name;
    int left;
    int width;
    int tag;
};
constexpr ToolbarBox kToolbarBoxes[] = {
    {"PBtl1", 0, 23, 1},     {"PBtl2", 26, 23, 2},    {"PBtl3", 52, 23, 3},
    {"PBsip1", 82, 18, 1},   {"PBuk1", 100, 178, 1},  {"PBsip2", 278, 18, 2},
    {"PBsip3", 306, 18, 3},  {"PBvar1", 324, 152, 2}, {"PBsip4", 476, 18, 4},
    {"PBsip5", 504, 18, 5},  {"PBurov1", 522, 134, 3}, {"PBsip6", 656, 18, 6},
    {"PBtl4", 682, 23, 4},   {"PBtl5", 708, 23, 5},   {"PBtl6", 734, 23, 6},
};

constexpr int kTimer3SoundTag = 100;

} // namespace

ExerciseScreen::ExerciseScreen(AppContext &ctx, const DisplayMetrics &display, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_ctx(ctx)
    , m_display(display)
    , m_soundPlayer(ctx.platform.files, ctx.platform.sound)
{
    setObjectName(QStringLiteral("FUkolu1"));
    setWindowTitle(QStringLiteral("Flumo"));
    // The controls of the form design exist before its creation steps run.
    createDesignControls();

    // 1. The one generator of the program, seeded from the clock.
    m_random.seed(static_cast<std::uint64_t>(m_ctx.platform.clock.tickCount()));
    // 2.
    m_ctx.state.screenBusy = 1;
    // 3.
    m_startFolder = QDir::currentPath();
    // 4.
    loadPointers();
    // 5. The shared pictures are members (null images until an exercise fills them).
    // 6. Window colour, pixels-per-inch rule (the design places above were
    //    scaled), fixed client size, strip, centring.
    m_colours = coloursForDepth(32);
    setAutoFillBackground(true);
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, m_colours.background);
        setPalette(pal);
    }
    setFixedSize(kClientWidth, kClientHeight);
    ZmenaPozTlacitek();
    move(centredTopLeft(size()));
    // 7. Run-time sizes are exact pixels.
    m_panel1puv->setGeometry(26, m_panel1puv->y(), 744, 162);
    m_panel1->setGeometry(0, 0, m_panel1puv->width(), m_panel1puv->height());
    m_panelVyb1->setGeometry(m_panelVyb1->x(), 230, 744, 344);
    // 8.
    m_colours = coloursForDepth(m_display.colourDepth);
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, m_colours.background);
        setPalette(pal);
    }
    m_panelVyb1->setColour(m_colours.background);
    m_panelGifu1->setColour(m_colours.background);
    m_panel1->setColour(m_colours.panel1);
    // 9.
    for (int n = 1; n <= kTilePool; ++n)
        m_tiles[n - 1] = createTile(n, m_panelVyb1);
    setCursor(m_pointer1);
    for (QWidget *w : std::initializer_list<QWidget *>{m_panel1, m_panel1puv, m_panelVyb1, m_toolbar, m_pbvz1,
                                                       m_pbvyb1, m_pbrov1, m_gifAnimZac1, m_rxGifAnimator1,
                                                       m_rxGifAnimator1n, m_rxGifAnim2})
        w->setCursor(m_pointer1);
    for (PaintBox *box : m_toolbarBoxes)
        box->setCursor(m_pointer1);
    // 10.
    for (int n = 1; n <= kDisplayPool; ++n) {
        auto *box = new PaintBox(QStringLiteral("PBoxDisp%1").arg(n), m_panel1);
        box->setHint(QString::number(n));
        box->setPainter([this](PaintBox &self, QPainter &p) { paintDisplayBox(self, p); });
        box->hide();
        m_displayBoxes[n - 1] = box;
    }
    for (int n = 1; n <= kBackPool; ++n)
        m_backBoxes[n - 1] = createBackBox(n);
    for (PaintBox *box : {m_pbvz1, m_pbrov1, m_pbvyb1})
        box->setPainter([this](PaintBox &self, QPainter &p) { paintPatternBox(self, p); });
    connectGameBoxes();
    // 11.
    setMask(roundedRegion(size(), kCornerEllipse, kCornerEllipse));
    // 12.
    m_ctx.state.currentGroup = m_ctx.state.currentTask / 100;
    BuildExerciseMenu();
    // 13.
    if (m_ctx.state.currentLevel == 0)
        m_ctx.state.currentLevel = 1;
    m_ctx.state.lastTask = 0;
    m_ctx.state.lastTileCount = 0;
    m_ctx.state.extraPanelCount = 0;
    m_ctx.state.currentSubtask = 1;
    m_ctx.scores.pointCount = 0;
    m_ctx.scores.errorCount = 0;
    m_ctx.scores.cardsEarned = 0;

    trace("exercise-screen", {{"group", QString::number(m_ctx.state.currentGroup)},
                              {"dpi", QString::number(m_display.dpi)},
                              {"depth", QString::number(m_display.colourDepth)}});
}

ExerciseScreen::~ExerciseScreen() = default;

int ExerciseScreen::design(int value) const
{
    return scaleDesign(value, m_display.dpi);
}

QRect ExerciseScreen::design(int left, int top, int width, int height) const
{
    return scaleDesign(QRect(left, top, width, height), m_display.dpi);
}

void ExerciseScreen::createDesignControls()
{
    const QFont sansSerif(QStringLiteral("MS Sans Serif"));

    m_panel1puv = new Panel(QStringLiteral("Panel1puv"), kPanel1puvColour, this);
    m_panel1puv->setGeometry(design(26, 48, 751, 162));

    m_panel1 = new Panel(QStringLiteral("Panel1"), kPanel1puvColour, m_panel1puv);
    m_panel1->setGeometry(QRect(QPoint(0, 0), m_panel1puv->size()));
    m_panel1->hide();

    m_pbvz1 = new PaintBox(QStringLiteral("PBvz1"), m_panel1);
    m_pbvz1->setGeometry(design(0, 1, 217, 160));
    m_pbrov1 = new PaintBox(QStringLiteral("PBrov1"), m_panel1);
    m_pbrov1->setGeometry(design(224, 1, 55, 160));
    m_pbvyb1 = new PaintBox(QStringLiteral("PBvyb1"), m_panel1);
    m_pbvyb1->setGeometry(design(287, 1, 216, 160));

    m_rxGifAnim2 = new GifView(m_panel1);
    m_rxGifAnim2->setObjectName(QStringLiteral("RxGIFAnim2"));
    m_rxGifAnim2->setGeometry(design(1, 0, 130, 160));
    m_rxGifAnim2->setLoop(false);

    m_panelVyb1 = new Panel(QStringLiteral("PanelVyb1"), coloursForDepth(32).background, this);
    m_panelVyb1->setGeometry(design(26, 392, 553, 162));
    m_panelVyb1->hide();

    m_panelGifu1 = new Panel(QStringLiteral("PanelGifu1"), coloursForDepth(32).background, this);
    m_panelGifu1->setGeometry(design(200, 255, 177, 162));
    m_rxGifAnimator1 = new GifView(m_panelGifu1);
    m_rxGifAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    m_rxGifAnimator1->setGeometry(design(0, 0, 55, 100));

    m_gifAnimZac1 = new GifView(this);
    m_gifAnimZac1->setObjectName(QStringLiteral("GIFAnimZac1"));
    m_gifAnimZac1->setGeometry(design(344, 280, 120, 150));
    m_gifAnimZac1->hide();

    m_panelSamana1 = new Panel(QStringLiteral("PanelSamana1"), kSamanaColour, this);
    m_panelSamana1->setGeometry(design(337, 193, 107, 90));
    m_rxGifAnimator1n = new GifView(m_panelSamana1);
    m_rxGifAnimator1n->setObjectName(QStringLiteral("RxGIFAnimator1n"));
    m_rxGifAnimator1n->setGeometry(design(0, 0, 107, 90));
    m_rxGifAnimator1n->setAutoFillBackground(true);   // not transparent

    m_pb0 = new PaintBox(QStringLiteral("PB0"), this);
    m_pb0->setGeometry(design(0, 217, 417, 160));
    m_pb0->hide();
    m_pb0celk = new PaintBox(QStringLiteral("PB0celk"), this);
    m_pb0celk->setGeometry(design(432, 352, 169, 46));
    m_pb0celk->setTag(1);
    m_pb0celk->hide();
    m_pb1pom = new PaintBox(QStringLiteral("PB1pom"), this);
    m_pb1pom->setGeometry(design(472, 216, 129, 97));
    m_pb1pom->setTag(1);
    m_pb1pom->hide();

    m_paintBox2 = new PaintBox(QStringLiteral("PaintBox2"), this);
    m_paintBox2->setGeometry(design(8, 24, 185, 80));
    m_paintBox2->setFont(sansSerif);
    {
        QPalette pal = m_paintBox2->palette();
        pal.setColor(QPalette::WindowText, Qt::green);
        m_paintBox2->setPalette(pal);
    }

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(design(8, 120, 73, 29));
    {
        QFont f = sansSerif;
        f.setPixelSize(design(23));
        m_label2->setFont(f);
        QPalette pal = m_label2->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        m_label2->setPalette(pal);
    }
    m_label2->hide();

    m_paintBox1 = new PaintBox(QStringLiteral("PaintBox1"), this);
    m_paintBox1->setGeometry(design(1, 87, 144, 82));
    m_paintBox1->setTag(1);
    m_paintBox1->hide();

    m_panelMenu1 = new Panel(QStringLiteral("PanelMenu1"), kMenuPanelColour, this);
    m_panelMenu1->setGeometry(design(8, 184, 129, 25));
    m_panelMenu1->hide();

    m_zamichUkl1 = new QPushButton(this);
    m_zamichUkl1->setObjectName(QStringLiteral("ZamichUkl1"));
    m_zamichUkl1->setGeometry(design(160, 72, 57, 25));
    m_zamichUkl1->hide();

    m_timer1 = new TagTimer(QStringLiteral("Timer1"), 2800, false, this);
    m_timer2 = new TagTimer(QStringLiteral("Timer2"), 100, false, this);
    m_timer3 = new TagTimer(QStringLiteral("Timer3"), 150, true, this);
    connect(m_timer3, &QTimer::timeout, this, &ExerciseScreen::onTimer3);
    connect(m_timer1, &QTimer::timeout, this, &ExerciseScreen::Timer1Timer);
    connect(m_timer2, &QTimer::timeout, this, &ExerciseScreen::Timer2Timer);

    createToolbar();
}

void ExerciseScreen::createToolbar()
{
    m_toolbar = new Panel(QStringLiteral("PanelTlac1"), kToolbarColour, this);
    m_toolbar->setGeometry(design(20), design(10), design(760), design(20));
    for (const ToolbarBox &b : kToolbarBoxes) {
        auto *box = new PaintBox(QString::fromLatin1(b.name), m_toolbar);
        box->setGeometry(design(b.left), 0, design(b.width), design(20));
        box->setTag(b.tag);
        const bool label = QLatin1String(b.name) == QLatin1String("PBuk1") || QLatin1String(b.name) == QLatin1String("PBvar1")
            || QLatin1String(b.name) == QLatin1String("PBurov1");
        box->setPainter([this, label](PaintBox &self, QPainter &p) {
            // The labels lower a level above the exercise's highest before
            // they draw, so the level label never names a missing level.
            EngineState &s = m_ctx.state;
            if (label && s.currentTask < 500) {
                const int highest = maxLevelOf(s.currentTask);
                if (highest >= 1 && s.currentLevel > highest)
                    s.currentLevel = highest;
            }
            const QString name = toolbarPictureName(self);
            if (name.isEmpty())
                return;
            const QImage &img = plainPicture(name);
            if (!img.isNull())
                p.drawImage(0, 0, img);
        });
        m_toolbarBoxes.push_back(box);
    }
    // Only the cards button shows its hint (the score, set with the scoring).
    findChild<PaintBox *>(QStringLiteral("PBtl2"))->setShowHint(true);
    connectToolbar();
    createMenus();
}

QString ExerciseScreen::toolbarPictureName(const PaintBox &box) const
{
    static const QString folder = QStringLiteral("obr\\tlacitka\\");
    const QString name = box.objectName();
    const int tag = box.tag();
    if (name.startsWith(QLatin1String("PBtl"))) {
        switch (tag) {
        case 1: return folder + QStringLiteral("menu.Jpg");
        case 2: return folder + (m_ctx.settings.useCards() ? QStringLiteral("hodnoc.Jpg") : QStringLiteral("hodnoc2.Jpg"));
        case 3: return folder + QStringLiteral("param.Jpg");
        case 4: return folder + QStringLiteral("znovu.Jpg");
        case 5: return folder + QStringLiteral("help.Jpg");
        case 6: return folder + QStringLiteral("repro.Jpg");
        default: return {};
        }
    }
    if (name.startsWith(QLatin1String("PBsip")))
        return folder + (tag % 2 == 1 ? QStringLiteral("sipka1") : QStringLiteral("sipka2"))
            + (arrowPressed(tag) ? QStringLiteral("k.Jpg") : QStringLiteral("n.Jpg"));
    // The three labels: nothing for the reward games; one picture for all
    // exercises with a single subtask or a single level.
    const EngineState &s = m_ctx.state;
    if (s.currentTask >= 500)
        return {};
    const QString task = NumberToText(s.currentTask, 3);
    switch (tag) {
    case 1: return folder + QStringLiteral("ukol") + task + QStringLiteral(".Jpg");
    case 2:
        if (subtaskCountOf(s.currentTask) == 1)
            return folder + QStringLiteral("var000.Jpg");
        return folder + QStringLiteral("var") + task + QLatin1Char('_') + NumberToText(s.currentSubtask, 1) + QStringLiteral(".Jpg");
    case 3:
        if (maxLevelOf(s.currentTask) == 1)
            return folder + QStringLiteral("urov000.Jpg");
        return folder + QStringLiteral("urov") + task + QLatin1Char('_') + NumberToText(s.currentLevel, 1) + QStringLiteral(".Jpg");
    default: return {};
    }
}

void ExerciseScreen::loadPointers()
{
    const auto load = [this](const char *name) {
        const QString path = m_ctx.platform.files.resolve(QString::fromLatin1(name));
        const std::optional<QCursor> c = path.isEmpty() ? std::nullopt : loadCursor(path);
        return c ? *c : QCursor(Qt::ArrowCursor);
    };
    m_pointer1 = load("obr-pom\\kurz.cur");
    m_pointer2 = load("obr-pom\\kurz2.cur");
}

PaintBox *ExerciseScreen::tile(int n) const
{
    return n >= 1 && n <= kMaxTiles ? m_tiles[n - 1] : nullptr;
}

PaintBox *ExerciseScreen::displayBox(int n) const
{
    return n >= 1 && n <= kDisplayPool ? m_displayBoxes[n - 1] : nullptr;
}

PaintBox *ExerciseScreen::backBox(int n) const
{
    return n >= 1 && n <= kMaxTiles ? m_backBoxes[n - 1] : nullptr;
}

void ExerciseScreen::ZmenaPozTlacitek()
{
    const bool stripBetween = !m_ctx.settings.toolbarOnTop() && m_ctx.state.currentTask < 401;
    m_panel1puv->move(m_panel1puv->x(), stripBetween ? 27 : 47);
    m_toolbar->move(m_toolbar->x(), stripBetween ? 198 : 10);
}

QString ExerciseScreen::backgroundName() const
{
    const int task = m_ctx.state.currentTask;
    if (task < 400)
        return m_ctx.settings.toolbarOnTop() ? QStringLiteral("Obr-pom\\bgr.jpg") : QStringLiteral("Obr-pom\\bgr0.jpg");
    switch (task) {
    case 401: return QStringLiteral("Obr\\401\\bgr.jpg");
    case 402: return QStringLiteral("Obr\\402\\bgr.jpg");
    case 403: return QStringLiteral("Obr\\403\\bgr.jpg");
    case 404: return QStringLiteral("Obr\\404\\bgr.jpg");
    case 405: return QStringLiteral("Obr\\405\\bgr.jpg");
    case 406: return QStringLiteral("Obr\\406\\tecka-bgr.jpg");
    case 407: return QStringLiteral("Obr\\407\\domino.jpg");
    case 408:
    case 409: return QStringLiteral("Obr\\408\\bgr.jpg");
    case 410: return QStringLiteral("Obr\\410\\bgr.jpg");
    case 411: return QStringLiteral("Obr\\411\\bgr.jpg");
    case 412: return QStringLiteral("Obr\\412\\bgr.jpg");
    case 501: return QStringLiteral("Obr\\410\\obr\\bgr.jpg");
    case 502: return QStringLiteral("Obr\\411\\vybarv\\bgr.jpg");
    default: return {};
    }
}

QImage ExerciseScreen::plainPicture(const QString &name)
{
    auto it = m_plainPictures.find(name);
    if (it == m_plainPictures.end()) {
        Picture pic = m_ctx.pictures.loadPlain(name);
        it = m_plainPictures.insert(name, pic.image);
    }
    return *it;
}

void ExerciseScreen::restoreStartFolder()
{
    if (QDir::currentPath() != m_startFolder)
        QDir::setCurrent(m_startFolder);
}

void ExerciseScreen::onTimer3()
{
    // Tag 100: the delayed start of a prepared sound. Other tags belong to
    // the maze walker's blinking.
    if (m_timer3->tag() == kTimer3SoundTag) {
        m_timer3->setEnabled(false);
        m_timer3->setTag(0);
        m_soundPlayer.startPrepared();
        continueAfterSound();
    }
}

void ExerciseScreen::continueAfterSound()
{
    // A family that speaks in parts goes on once the first part ended.
    if (m_generator && m_generator->soundPlayed(*this) && m_ctx.settings.autoAdvance()) {
        m_lastCursorMove = m_ctx.platform.clock.tickCount();
        m_timer2->setEnabled(true);
    }
}

bool ExerciseScreen::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        restoreStartFolder();
    return QWidget::event(event);
}

void ExerciseScreen::paintEvent(QPaintEvent *)
{
    // During a build only the maze (drawn by its game) would show.
    if (suppressBackground())
        return;
    const QString name = backgroundName();
    if (name.isEmpty())
        return;
    const QImage &img = plainPicture(name);
    QPainter p(this);
    if (!img.isNull())
        p.drawImage(0, 0, img);
    // A game's drawing on the screen itself (lines between the numbers).
    std::vector<PictureDraw> draws;
    if (Generator *g = game(); g && g->paintBox(m_problem, GameBox::Screen, 0, u'n', size(), *this, draws))
        for (const PictureDraw &d : draws)
            if (!d.image.isNull())
                p.drawImage(d.at, d.image);
}

void ExerciseScreen::showEvent(QShowEvent *event)
{
    // Showing brings the screen to the front, which activates it; where the
    // platform reports no activation the folder is restored here as well.
    restoreStartFolder();
    QWidget::showEvent(event);
    traceScreen("FUkolu1", true);
}

void ExerciseScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    traceScreen("FUkolu1", false);
}

void ExerciseScreen::closeEvent(QCloseEvent *event)
{
    m_timer2->stop();
    event->accept();
    emit closed();
}

} // namespace flumo
