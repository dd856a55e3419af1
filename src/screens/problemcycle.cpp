// The problem cycle of the exercise screen: building a Problem
// (ZamichUkl1Click), the Tile and back box pools, the extra panels, the
// Tile painter with its pointer feedback, and the pattern row and display
// boxes the generators draw through the ProblemHost.
#include "engine/catalog.h"
#include "engine/scoring.h"
#include "exercises/choice.h"
#include "exercises/examples.h"
#include "exercises/shapes.h"
#include "media/animation.h"
#include "media/numbertext.h"
#include "platform/inifile.h"
#include "platform/trace.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace flumo {

namespace {

constexpr int kTimer3SoundTag = 100;
const QString kFaceDownCard = QStringLiteral("obr\\405\\Karta-otocena.Jpg");
const QString kRiddleFigure = QStringLiteral("obr\\405\\mysli.GIF");

QString pad(long long value, int width)
{
    return NumberToText(value, width);
}

// One extra panel of the table of CreateGroupPanels.
struct GroupPanelSpec {
    int task;
    int first, last;          // panel numbers this row covers
    int left, top, width, height;
    int topStep;              // top grows by this per panel of the row
};

} // namespace

// ---------------------------------------------------------------- helpers

bool ExerciseScreen::suppressBackground() const
{
    return m_paintBox1->tag() == 1;
}

void ExerciseScreen::setSuppressBackground(bool on)
{
    m_paintBox1->setTag(on ? 1 : 0);
}

bool ExerciseScreen::canBuild(int task) const
{
    return m_generatorLookup && m_generatorLookup(task) != nullptr;
}

namespace {
// Bytes of decoded pictures the exercise screen keeps across problems. Most
// exercises draw from hundreds of pictures at random, so a larger cache
// would hold memory without saving many decodes; those with few pictures
// keep all of them.
constexpr qsizetype kPictureCacheBudget = 1536 * 1024;
} // namespace

QImage ExerciseScreen::picture(const QString &name)
{
    auto it = m_pictures.find(name);
    if (it == m_pictures.end()) {
        // A failed load is remembered as a null image too: the media folder
        // does not change while the program runs, and a hover over a Tile
        // whose picture is missing must not read the disk again and again.
        it = m_pictures.insert(name, {name.isEmpty() ? QImage() : m_ctx.pictures.load(name).image, 0});
    }
    it->usedInBuild = m_buildSerial;
    return it->image;
}

void ExerciseScreen::trimPictureCache()
{
    qsizetype cachedBytes = 0;
    for (const CachedPicture &c : std::as_const(m_pictures))
        cachedBytes += c.image.sizeInBytes();
    if (cachedBytes <= kPictureCacheBudget)
        return;
    const qsizetype before = cachedBytes;
    const qsizetype count = m_pictures.size();
    std::vector<std::pair<quint64, QString>> byAge;
    byAge.reserve(std::size_t(count));
    for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it)
        byAge.emplace_back(it->usedInBuild, it.key());
    std::sort(byAge.begin(), byAge.end());
    for (const auto &[used, name] : byAge) {
        if (cachedBytes <= kPictureCacheBudget)
            break;
        const auto it = m_pictures.constFind(name);
        cachedBytes -= it->image.sizeInBytes();
        m_pictures.erase(it);
    }
    trace("picture-cache-trimmed", {{"pictures", QString::number(count)},
                                    {"bytes", QString::number(before)},
                                    {"kept", QString::number(cachedBytes)}});
}

QSize ExerciseScreen::pictureSize(const QString &name)
{
    const QImage &img = picture(name);
    return img.isNull() ? QSize() : img.size();
}

void ExerciseScreen::letUpdatesRun()
{
    // Pending paints and layout run; input waits until the build ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

const ChoiceGenerator *ExerciseScreen::choice() const
{
    return dynamic_cast<const ChoiceGenerator *>(m_generator.get());
}

QWidget *ExerciseScreen::tileHome() const
{
    const auto parent = tileParentFor(m_ctx.state.currentTask);
    if (parent && *parent == TileParent::ChoicePanel)
        return m_panelVyb1;
    return const_cast<ExerciseScreen *>(this);
}

// ---------------------------------------------------------------- pools

PaintBox *ExerciseScreen::createTile(int n, QWidget *parent)
{
    auto *box = new PaintBox(QStringLiteral("PBox%1").arg(n), parent);
    box->setHint(QString::number(n));
    box->setCursor(m_pointer2);
    box->hide();
    box->setPainter([this](PaintBox &self, QPainter &p) { paintTile(self, p); });
    connectTile(box);
    return box;
}

PaintBox *ExerciseScreen::createBackBox(int n)
{
    auto *box = new PaintBox(QStringLiteral("VBox%1").arg(n), this);
    box->setHint(QString::number(n + 1000));
    box->hide();
    box->setPainter([this](PaintBox &self, QPainter &p) { paintTile(self, p); });
    connect(box, &PaintBox::released, this, [this, n](PaintBox *self, Qt::MouseButton button, QPoint at) {
        if (button == Qt::LeftButton && self->rect().contains(at))
            gameBoxClicked(GameBox::Back, n, at);
    });
    return box;
}

void ExerciseScreen::connectTile(PaintBox *box)
{
    connect(box, &PaintBox::pointerMoved, this,
            [this](PaintBox *self, QPoint, Qt::KeyboardModifiers) { tilePointerMoved(self->hint().toInt()); });
    connect(box, &PaintBox::clicked, this, [this](PaintBox *self) { tileClicked(self->hint().toInt()); });
}

void ExerciseScreen::applyTilePlan(const TilePlan &plan)
{
    for (int n = plan.hideTiles.first; n <= plan.hideTiles.last; ++n)
        if (PaintBox *box = tile(n))
            box->hide();

    // Freed boxes are deleted once control is back in the event loop: a
    // build may run from inside an event of a box it frees.
    const auto free = [](std::array<PaintBox *, kMaxTiles> &pool, BoxSpan span, int keep) {
        for (int n = std::max(span.first, keep + 1); n <= std::min(span.last, kMaxTiles); ++n) {
            PaintBox *&box = pool[static_cast<std::size_t>(n - 1)];
            if (!box)
                continue;
            box->hide();
            box->setObjectName(QString());
            box->deleteLater();
            box = nullptr;
        }
    };
    free(m_tiles, plan.freeTiles, kTilePool);
    free(m_backBoxes, plan.freeBackBoxes, kBackPool);

    for (const BoxRect &b : plan.newBackBoxes) {
        if (b.box < 1 || b.box > kMaxTiles)
            continue;
        PaintBox *&box = m_backBoxes[static_cast<std::size_t>(b.box - 1)];
        if (!box)
            box = createBackBox(b.box);
        box->setEnabled(true);
        box->setGeometry(b.rect);
    }
    for (const BoxRect &b : plan.newTiles) {
        if (b.box < 1 || b.box > kMaxTiles)
            continue;
        PaintBox *&box = m_tiles[static_cast<std::size_t>(b.box - 1)];
        if (!box)
            box = createTile(b.box, m_tiles[0]->parentWidget());
        box->setEnabled(true);
        box->setGeometry(b.rect);
    }
    if (!plan.firstTileStem.isEmpty())
        m_problem.tileInfo[1].name = plan.firstTileStem;

    if (plan.reparent) {
        QWidget *parent = plan.parent == TileParent::ChoicePanel ? static_cast<QWidget *>(m_panelVyb1) : this;
        for (int i = 1; i <= m_problem.tileCount; ++i) {
            PaintBox *box = tile(i);
            if (box && box->parentWidget() != parent)
                box->setParent(parent);   // hidden until its generator shows it
        }
    }
}

Panel *ExerciseScreen::groupPanel(int n) const
{
    return n >= 1 && n <= kMaxGroupPanels ? m_groupPanels[static_cast<std::size_t>(n - 1)] : nullptr;
}

void ExerciseScreen::CreateGroupPanels()
{
    FreeGroupPanels();
    const int task = m_ctx.state.currentTask;
    const QColor price(250, 235, 176);
    const QColor slate(143, 145, 168);
    struct Row {
        int panel;
        QRect rect;
        QColor colour;
        std::vector<QWidget *> controls;
    };
    std::vector<Row> rows;
    const auto tiles = [this](int first, int last) {
        std::vector<QWidget *> out;
        for (int i = first; i <= last; ++i)
            if (PaintBox *b = tile(i))
                out.push_back(b);
        return out;
    };
    switch (task) {
    case 403:
        for (int k = 1; k <= 3; ++k)
            rows.push_back({k, QRect(50, 68 + 149 * (k - 1), 470, 130), m_colours.panel2, tiles(3 * (k - 1) + 1, 3 * k)});
        for (int k = 4; k <= 8; ++k) {
            std::vector<QWidget *> back;
            if (PaintBox *b = backBox(k - 3))
                back.push_back(b);
            rows.push_back({k, QRect(560, 100 + 60 * (k - 4), 190, 57), Qt::white, back});
        }
        rows.push_back({9, QRect(682, 68, 45, 20), price, {m_pb0}});
        rows.push_back({10, QRect(682, 417, 60, 20), Qt::white, {m_pb0celk}});
        break;
    case 404: {
        std::vector<QWidget *> back;
        for (int n = 1; n <= 4; ++n)
            if (PaintBox *b = backBox(n))
                back.push_back(b);
        rows.push_back({1, QRect(365, 220, 390, 340), QColor(223, 220, 167), back});
        rows.push_back({2, QRect(665, 184, 45, 20), price, {m_pb0celk}});
        break;
    }
    case 407:
        rows.push_back({1, QRect(372, 394, 50, 20), price, {m_pb0}});
        break;
    case 411:
        rows.push_back({1, QRect(556, 176, 188, 366), m_colours.panel3, tiles(1, 8)});
        rows.push_back({2, QRect(175, 67, 216, 80), m_colours.panel1, {m_paintBox2}});
        rows.push_back({3, QRect(53, 170, 465, 380), slate, {m_pb0}});
        break;
    case 502:
        rows.push_back({1, QRect(52, 74, 480, 480), slate, {m_pb0}});
        rows.push_back({2, QRect(570, 100, 180, 460), QColor(193, 195, 207), tiles(1, 10)});
        break;
    default:
        break;
    }
    for (const Row &r : rows) {
        auto *panel = new Panel(QStringLiteral("Pan%1").arg(r.panel), r.colour, this);
        panel->setGeometry(r.rect);
        panel->setCursor(m_pointer1);
        panel->hide();
        for (QWidget *w : r.controls) {
            const bool shown = w->isVisibleTo(w->parentWidget());
            w->setParent(panel);
            if (shown)
                w->show();
        }
        m_groupPanels[static_cast<std::size_t>(r.panel - 1)] = panel;
    }
    m_ctx.state.extraPanelCount = static_cast<int>(rows.size());
}

void ExerciseScreen::FreeGroupPanels()
{
    // Every control is given back by what the panel really holds, to the
    // parent the current exercise needs: Tiles leaving 411's colour panel
    // for an exercise below 400 go to PanelVyb1, not to the screen.
    QWidget *home = tileHome();
    for (Panel *&panel : m_groupPanels) {
        if (!panel)
            continue;
        const auto children = panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *w : children) {
            const bool isTile = std::find(m_tiles.begin(), m_tiles.end(), w) != m_tiles.end();
            QWidget *to = isTile ? home : this;
            const bool shown = w->isVisibleTo(panel);
            w->setParent(to);
            if (shown)
                w->show();
        }
        delete panel;
        panel = nullptr;
    }
    m_ctx.state.extraPanelCount = 0;
}

// ---------------------------------------------------------------- the build

void ExerciseScreen::readCaptionMenus()
{
    EngineState &s = m_ctx.state;
    const auto load = [this](const char *file) {
        return m_captionFiles.load(m_ctx.platform.files.resolve(QString::fromLatin1(file)));
    };
    m_levelMenu = ReadLevelCaptions(*load(kLevelCaptionFile), s.currentTask, s.currentLevel);
    m_subtaskMenu = ReadSubtaskCaptions(*load(kSubtaskCaptionFile), s.currentTask, s.currentSubtask);
}

void ExerciseScreen::speakPrompt()
{
    const EngineState &s = m_ctx.state;
    const PromptPlan plan = planPrompt(s, m_random);
    if (!plan.speak)
        return;
    const QString gif = m_ctx.platform.files.resolve(plan.animationFile);
    if (!gif.isEmpty())
        m_gifAnimZac1->load(gif);
    // Opened with waiting; the animation starts before the sound.
    const bool opened = m_soundPlayer.openOnly(plan.soundFile);
    m_gifAnimZac1->stop();
    if (s.currentTask < 400) {
        m_gifAnimZac1->start();
        m_gifAnimZac1->raise();
        m_gifAnimZac1->show();
    }
    if (opened && s.currentTask != 405) {
        // The waiting play blocks the event loop; its tick keeps the
        // animation moving, frame by frame, without letting input in.
        m_gifAnimZac1->repaint();
        m_promptFrameAt = m_ctx.platform.clock.tickCount();
        m_promptFrameDelay = 100;
        m_soundPlayer.device().setWaitTick([this] { animatePromptTick(); });
        m_soundPlayer.playOpened(true);   // blocks through the platform clock
        m_soundPlayer.device().setWaitTick({});
    }
    m_gifAnimZac1->stop();
    m_gifAnimZac1->hide();
    m_soundPlayer.setLastSoundName(plan.soundFile);
    trace("prompt", {{"file", plan.soundFile}, {"animation", plan.animationFile},
                     {"played", opened && s.currentTask != 405 ? QStringLiteral("1") : QStringLiteral("0")}});
}

void ExerciseScreen::preparePraiseAnimation()
{
    if (PaintBox *cards = findChild<PaintBox *>(QStringLiteral("PBtl2")))
        cards->setHint(scoreHint(m_ctx.scores, m_ctx.settings));
    const PraiseAnimation anim = choosePraiseAnimation(m_random);
    const QString path = m_ctx.platform.files.resolve(anim.file);
    if (!path.isEmpty())
        m_rxGifAnimator1->load(path);
    const QSize size = m_rxGifAnimator1->size();
    m_rxGifAnimator1->move(0, 0);
    m_panelGifu1->resize(size);
    m_panelGifu1->move(placePraisePanel(size, m_random));
}

void ExerciseScreen::ZamichUkl1Click()
{
    EngineState &s = m_ctx.state;
    const int task = s.currentTask;
    if (!canBuild(task)) {
        trace("problem-refused", {{"task", QString::number(task)}});
        return;
    }
    const bool changed = task != s.lastTask;
    const bool rebuild = changed || s.exerciseChosen;

    // Decoded pictures of earlier problems are kept only up to a budget, so
    // that memory does not grow with every problem; the ones used longest
    // ago go first. Callers hold copies, never references into the cache,
    // so dropping entries is safe.
    trimPictureCache();
    ++m_buildSerial;

    // 1.
    m_problem.beginBuild();
    m_timer2->setEnabled(false);
    s.screenBusy = 1;
    setSuppressBackground(true);
    m_pbvyb1->setTag(0);
    m_drawnLook.fill(QChar());
    // 2.
    if (changed)
        m_soundPlayer.clearLastSoundName();
    // 3.
    m_toolbar->setEnabled(false);
    // 4.
    m_rxGifAnim2->hide();
    m_panelVyb1->hide();
    m_panel1puv->setVisible(task < 400);
    m_panel1->hide();
    m_panelGifu1->hide();
    if (task != 405) {
        m_rxGifAnimator1n->stop();
        m_panelSamana1->hide();
    }
    m_rxGifAnimator1->stop();
    m_rxGifAnimator1->hide();
    m_timer3->setEnabled(false);
    setGameTimer(0);
    // 5. The previous Problem's Tiles (or 405's cards turned face down).
    const int previousCount = std::min(m_problem.tileCount, kMaxTiles);
    const bool cardsStay = task == 405 && s.lastTask == 405;
    for (int i = 1; i <= previousCount; ++i) {
        PaintBox *box = tile(i);
        if (!box)
            continue;
        if (cardsStay) {
            // Face down until the new riddle has been told (showTile).
            m_drawnLook[static_cast<std::size_t>(i)] = u'c';
            box->repaint();
        } else {
            box->hide();
        }
    }
    // 6.
    for (PaintBox *box : m_displayBoxes)
        box->hide();
    if (changed || task == 403 || task == 404 || task == 406 || task == 407)
        for (int n = 1; n <= kBackPool; ++n)
            m_backBoxes[static_cast<std::size_t>(n - 1)]->hide();
    if (s.lastTask == 401)
        for (int n = kBackPool + 1; n <= std::min(s.lastTileCount, kMaxTiles); ++n)
            if (PaintBox *box = backBox(n))
                box->hide();
    if (s.lastTask == 411)
        for (int i = 1; i <= std::min(s.lastTileCount, kMaxTiles); ++i)
            if (PaintBox *box = tile(i))
                box->setEnabled(true);
    // 7. (ScratchBitmap is drawn opaque by the families that use it.)
    m_label2->hide();
    m_pb0->hide();
    m_pb0celk->hide();
    m_paintBox2->hide();
    m_pb1pom->hide();
    for (int i = 10; i <= 12; ++i)
        hideTile(i);
    // 8.
    if (rebuild)
        for (Panel *panel : m_groupPanels)
            if (panel)
                panel->hide();
    // 9.
    m_pb1pom->setCursor(task == 502 ? m_pointer2 : m_pointer1);
    letUpdatesRun();
    // 10. Full repaint when the screen changes between exercises and games.
    if ((changed || task == 407 || s.exerciseChosen) && (task > 400 || s.lastTask > 400 || s.exerciseChosen)) {
        ZmenaPozTlacitek();
        setSuppressBackground(false);
        repaint();
        setSuppressBackground(true);
        letUpdatesRun();
    }
    // 11. (205's number explorer closes with its own family.)
    // 12.
    const LevelChoice level = clampLevel(task, s.currentLevel, s.effectiveLevel);
    s.currentLevel = level.currentLevel;
    s.effectiveLevel = level.effectiveLevel;
    // 13.
    readCaptionMenus();
    LayoutInput layout;
    layout.task = task;
    layout.level = s.currentLevel;
    layout.subtask = s.currentSubtask;
    layout.noZero = m_ctx.settings.noZero();
    layout.cardsPerSet = m_ctx.scores.cardsPerSet;
    layout.cardSet = m_ctx.scores.cardSet;
    const BoxSpan hide = SetUpExerciseLayout(m_problem, layout);
    for (int i = hide.first; i <= hide.last; ++i)
        if (PaintBox *box = tile(i))
            box->hide();
    if (task != 406)
        applyTilePlan(EnsureTiles(m_problem, task, s.lastTask, s.lastTileCount));
    if (rebuild)
        CreateGroupPanels();
    // 14.
    s.currentSubtask = subtaskAfterChange(task, s.lastTask, s.currentSubtask);
    // 15.
    for (PaintBox *box : m_toolbarBoxes) {
        const QString name = box->objectName();
        if (name.startsWith(QLatin1String("PBsip")) || name == QLatin1String("PBtl2") || name == QLatin1String("PBtl3")
            || name == QLatin1String("PBuk1") || name == QLatin1String("PBvar1") || name == QLatin1String("PBurov1"))
            box->setVisible(task < 500);
    }
    letUpdatesRun();
    if (task < 500) {
        for (PaintBox *box : m_toolbarBoxes) {
            const QString name = box->objectName();
            if (name == QLatin1String("PBuk1") || name == QLatin1String("PBvar1") || name == QLatin1String("PBurov1"))
                box->repaint();
        }
        letUpdatesRun();
    }
    // 16.
    speakPrompt();
    // 17.
    preparePraiseAnimation();
    // 18.
    for (PaintBox *box : {m_pbvyb1, m_pbvz1, m_pbrov1})
        box->setVisible(!m_problem.noChoicePanel);
    // 19.
    m_problem.markReady();
    // 20. One generator instance lives while its exercise is on.
    if (!m_generator || m_generatorTask != task) {
        m_generator = m_generatorLookup(task)();
        m_generatorTask = task;
    }
    m_genSettings = GeneratorSettings{m_ctx.settings.noZero(), m_ctx.scores.cardsPerSet, m_ctx.scores.cardSet,
                                      m_ctx.settings.oneKey()};
    ProblemContext ctx{m_problem, s, m_genSettings, m_random, *this};
    m_generator->build(ctx);
    // 21.
    if (rebuild)
        for (Panel *panel : m_groupPanels)
            if (panel)
                panel->show();
    // 22.
    if (PaintBox *first = tile(1))
        first->setTag(1);
    // 23.
    if (task < 500)
        s.lastTask = task;
    s.lastSubtask = s.currentSubtask;
    s.lastTileCount = m_problem.tileCount;
    // 24.
    s.screenBusy = 0;
    setSuppressBackground(false);
    // 25.
    m_panel1->setVisible(task < 400);
    if (task < 400)
        m_panelVyb1->show();
    // 26.
    m_toolbar->setEnabled(true);
    s.exerciseChosen = false;
    // 27.
    if (task != 405 && m_ctx.settings.autoAdvance()) {
        m_lastCursorMove = m_ctx.platform.clock.tickCount();
        m_timer2->setEnabled(true);
    }
    update();
    traceProblem();
}

void ExerciseScreen::traceProblem()
{
    if (!lcTrace().isInfoEnabled())
        return;
    const EngineState &s = m_ctx.state;
    // One line with every Tile: the stem and the rectangle in the screen's
    // coordinates, so a run can be checked against the layout.
    QString line = QStringLiteral("problem task=%1 level=%2 subtask=%3 tiles=%4 target=%5")
                       .arg(s.currentTask).arg(s.currentLevel).arg(s.currentSubtask)
                       .arg(m_problem.tileCount).arg(m_problem.targetTile);
    for (int i = 1; i <= m_problem.tileCount; ++i) {
        const PaintBox *box = tile(i);
        if (!box)
            continue;
        const QPoint at = box->mapTo(this, QPoint(0, 0));
        line += QStringLiteral(" tile%1=").arg(i)
            + traceValue(QStringLiteral("%1@%2,%3,%4,%5").arg(m_problem.stem(i)).arg(at.x()).arg(at.y())
                             .arg(box->width()).arg(box->height()));
    }
    // The tile values, so a script can solve the problem from the trace.
    QStringList values;
    for (int i = 1; i <= m_problem.tileCount; ++i)
        values << QString::number(m_problem.tileValue[static_cast<std::size_t>(i)]);
    line += QStringLiteral(" values=") + values.join(QLatin1Char(','));
    qCInfo(lcTrace).noquote() << line;
}

// ---------------------------------------------------------------- ProblemHost

void ExerciseScreen::layOutTiles()
{
    const PaintBox *first = tile(1);
    const TileParent parent = first && first->parentWidget() == m_panelVyb1 ? TileParent::ChoicePanel : TileParent::Screen;
    const auto size = [this](int i, const QString &name) {
        const QSize s = pictureSize(name);
        if (s.isValid())
            return s;
        const PaintBox *box = tile(i);
        return box ? box->size() : QSize();
    };
    const std::vector<TilePlacement> placements =
        LayOutTiles(m_problem, m_ctx.state.currentTask, parent, m_panel1->width(), size, m_random);
    applyTileStems(m_problem, placements);
    for (const TilePlacement &t : placements) {
        PaintBox *box = tile(t.tile);
        if (!box)
            continue;
        box->setObjectName(QStringLiteral("PBox%1").arg(t.tile));
        if (t.groupPanel > 0)
            if (Panel *panel = groupPanel(t.groupPanel); panel && box->parentWidget() != panel)
                box->setParent(panel);
        box->setGeometry(t.rect);
    }
}

void ExerciseScreen::showTile(int i)
{
    if (!m_problem.problemReady)
        return;
    PaintBox *box = tile(i);
    if (!box)
        return;
    if (m_drawnLook[static_cast<std::size_t>(i)] == u'c')
        m_drawnLook[static_cast<std::size_t>(i)] = QChar();
    box->show();
    box->update();
}

void ExerciseScreen::playSound(const QString &name, bool wait)
{
    m_soundPlayer.setFileName(name);
    if (m_soundPlayer.prepare(wait)) {
        m_timer3->setTag(kTimer3SoundTag);
        m_timer3->setEnabled(true);
    } else {
        // Nothing to wait for: what follows the sound comes at once, once
        // the build is over.
        QTimer::singleShot(0, this, [this] { continueAfterSound(); });
    }
}

void ExerciseScreen::reprimand()
{
    if (m_ctx.settings.useDing())
        m_ctx.platform.dialogs.beep(BeepKind::Ding);
    else
        PlayVerdictSound(false);
}

void ExerciseScreen::animateRiddleFigure(bool thinking)
{
    if (!thinking) {
        m_rxGifAnimator1n->stop();
        m_soundPlayer.device().setWaitTick({});
        return;
    }
    if (m_rxGifAnimator1n->frameCount() == 0) {
        const QString path = m_ctx.platform.files.resolve(kRiddleFigure);
        if (!path.isEmpty())
            m_rxGifAnimator1n->load(path);
    }
    m_panelSamana1->raise();
    m_panelSamana1->show();
    m_rxGifAnimator1n->show();
    m_rxGifAnimator1n->start();
    // The riddle is spoken with waiting plays; the figure keeps thinking
    // through them, frame by frame, without letting input in.
    m_soundPlayer.device().setWaitTick([this] {
        if (!m_rxGifAnimator1n->isRunning())
            return;
        const qint64 now = m_ctx.platform.clock.tickCount();
        if (now - m_promptFrameAt < m_promptFrameDelay)
            return;
        m_promptFrameAt = now;
        m_promptFrameDelay = m_rxGifAnimator1n->stepFrame();
    });
}

void ExerciseScreen::coverTile(int i)
{
    PaintBox *box = tile(i);
    if (!box || i < 1 || i > kMaxTiles)
        return;
    // Stays face down until the next build clears the drawn looks.
    m_drawnLook[static_cast<std::size_t>(i)] = u'c';
    box->repaint();
}

// ---------------------------------------------------------------- Tiles

QString ExerciseScreen::tilePictureName(int id) const
{
    const Problem &p = m_problem;
    const QChar override = id >= 0 && id <= kMaxTiles ? m_drawnLook[static_cast<std::size_t>(id)] : QChar();
    // 405's cards are turned face down while the next Problem is built.
    if (override == u'c')
        return kFaceDownCard;
    if (!p.problemReady)
        return {};
    const int task = m_ctx.state.currentTask;
    if (id > 1000) {
        // Back box n shows the "d" picture of Tile n's stem. (The shopping,
        // wall and domino games draw their back boxes themselves.)
        return p.stem(id - 1000) + QStringLiteral("d.JPG");
    }
    const QChar letter = !override.isNull() ? override : (id == p.selectedTile ? u'k' : u'n');
    const PaintBox *box = tile(id);
    if (task == 411 && box && !box->isEnabled())
        return QStringLiteral("obr\\411\\Barva0.Jpg");
    if (task == 502 && box && !box->isEnabled())
        return QStringLiteral("obr\\411\\Vybarv\\Barva0.Jpg");
    if (task == 406) {
        if (id <= p.answersGiven && (p.problemValue() == 0 || id > 3))
            return p.stem(id) + QStringLiteral("d.jpg");
        if (p.problemValue() != 0 && id <= p.tileCount)
            return p.stem(id + 20) + letter + QStringLiteral(".jpg");
    }
    return p.stem(id) + letter + QStringLiteral(".Jpg");
}

void ExerciseScreen::paintTile(PaintBox &box, QPainter &painter)
{
    const int id = box.hint().toInt();
    if (id > 1000) {
        if (paintGameBox(GameBox::Back, id - 1000, box, painter, u'n'))
            return;
    } else if (id >= 1 && id <= kMaxTiles && m_drawnLook[static_cast<std::size_t>(id)] != u'c') {
        const QChar drawn = m_drawnLook[static_cast<std::size_t>(id)];
        const QChar look = !drawn.isNull() ? drawn : (id == m_problem.selectedTile ? u'k' : u'n');
        if (paintGameBox(GameBox::Tile, id, box, painter, look))
            return;
    }
    const QString name = tilePictureName(id);
    if (name.isEmpty())
        return;
    const QImage &img = picture(name);
    if (!img.isNull())
        painter.drawImage(0, 0, img);
    if (m_generator && id >= 1 && id <= kMaxTiles)
        for (const TileOverlay &o : m_generator->tileOverlays(m_problem, id)) {
            const QImage &over = picture(o.picture);
            if (!over.isNull())
                painter.drawImage(o.at, over);
        }
}

void ExerciseScreen::drawTileLook(int i, QChar letter)
{
    PaintBox *box = tile(i);
    if (!box)
        return;
    // Drawn now, in this look; a later repaint by the window system follows
    // the state letter again.
    m_drawnLook[static_cast<std::size_t>(i)] = letter;
    box->repaint();
    m_drawnLook[static_cast<std::size_t>(i)] = QChar();
}

void ExerciseScreen::RestoreNormalLooks()
{
    for (int i = 1; i <= std::min(m_problem.tileCount, kMaxTiles); ++i) {
        PaintBox *box = tile(i);
        if (!box || box->tag() != i)
            continue;
        if (box->isVisible())
            drawTileLook(i, u'n');
        box->setTag(0);
    }
}

void ExerciseScreen::tilePointerMoved(int id)
{
    const EngineState &s = m_ctx.state;
    if (s.screenBusy == 1)
        return;
    if (s.currentTask == 502 && !m_ctx.settings.oneKey())
        return;
    if (id != m_problem.selectedTile) {
        PaintBox *box = tile(id);
        if (!box)
            return;
        RestoreNormalLooks();
        box->setTag(id);
        drawTileLook(id, u'k');
        if (s.currentTask == 402)
            m_problem.firstCard = m_problem.selectedTile;
        const int from = m_problem.selectedTile;
        m_problem.selectedTile = id;
        trace("hover", {{"tile", QString::number(id)}});
        gameCursorMoved(from);
    }
    m_lastCursorMove = m_ctx.platform.clock.tickCount();
}

// ---------------------------------------------------------------- pattern row

QString ExerciseScreen::familyRowPicture(unsigned box) const
{
    return m_generator ? m_generator->patternRowPicture(box, m_problem, m_pbvyb1->tag() == 1) : QString();
}

QString ExerciseScreen::patternPictureName() const
{
    if (const QString own = familyRowPicture(PatternRow::Pattern); !own.isEmpty())
        return own;
    return m_problem.samplePicture;
}

QString ExerciseScreen::signPictureName() const
{
    const int task = m_ctx.state.currentTask;
    const int subtask = m_ctx.state.currentSubtask;
    if (const QString own = familyRowPicture(PatternRow::Sign); !own.isEmpty())
        return own;
    if (task == 301)
        return m_pbrov1->tag() != 0 ? QStringLiteral("obr\\201\\rovnase.jpg") : QString();
    if (task == 207 && subtask == 2)
        return QStringLiteral("obr\\206\\v") + pad(m_problem.problemValue(), m_problem.numberWidth) + QStringLiteral("d.jpg");
    if (task == 111 || task == 204) {
        const ChoiceGenerator *c = choice();
        return relationSignPicture(c ? c->state().relationMode : 0);
    }
    if (task <= 202 || task == 206 || task == 207 || task == 302 || task == 307)
        return QStringLiteral("obr\\rovnase.Jpg");
    return {};
}

QString ExerciseScreen::answerPictureName() const
{
    const Problem &p = m_problem;
    const int task = m_ctx.state.currentTask;
    const int subtask = m_ctx.state.currentSubtask;
    const bool solved = m_pbvyb1->tag() == 1;
    if (const QString own = familyRowPicture(PatternRow::Answer); !own.isEmpty())
        return own;
    if (const ChoiceGenerator *c = choice())
        return c->answerBox(p, solved).picture;
    if (solved) {
        if (task == 207 || task == 301)
            return m_dispPicture[2] + QStringLiteral("d.jpg");
        return p.stem(p.targetTile) + QStringLiteral("d.Jpg");
    }
    if ((task == 207 && subtask != 2) || (task == 205 && p.problemValue() != 0) || (task == 301 && subtask == 1))
        return m_dispPicture[1] + QStringLiteral("d.jpg");
    if (task == 203)
        return p.altPicturePrefix + pad(p.targetTile, p.altNumberWidth) + QStringLiteral("d.jpg");
    if (task == 308)
        if (const auto *w = dynamic_cast<const WrongExampleGenerator *>(m_generator.get()))
            return w->verdictSign();
    // 301's counted number comes with its family.
    if (task == 301 || task == 308)
        return {};
    return QStringLiteral("obr-pom\\prazdny_2.jpg");
}

void ExerciseScreen::drawPatternBox(PaintBox *box)
{
    const QString name = box == m_pbvz1 ? patternPictureName() : box == m_pbrov1 ? signPictureName() : answerPictureName();
    const QImage &img = picture(name);
    if (img.isNull())
        return;   // the box keeps what it showed
    const int task = m_ctx.state.currentTask;
    const int subtask = m_ctx.state.currentSubtask;
    if (box == m_pbvyb1) {
        const bool keepWidth = task == 202 && subtask == 2 && box->tag() == 1;
        box->resize(keepWidth ? box->width() : img.width(), img.height());
        if ((m_pbvz1->isHidden() && m_pbrov1->isHidden()) || (task == 202 && subtask == 4) || showsFoundInAnswerBox(task)
            || task == 308)
            box->move((m_panel1->width() - box->width()) / 2, box->y());
    } else {
        box->resize(img.size());
    }
    box->show();
    box->update();
}

void ExerciseScreen::paintPatternBox(PaintBox &box, QPainter &p)
{
    if (!m_problem.problemReady)
        return;
    const QString name = &box == m_pbvz1 ? patternPictureName() : &box == m_pbrov1 ? signPictureName() : answerPictureName();
    const QImage &img = picture(name);
    if (img.isNull())
        return;
    const int task = m_ctx.state.currentTask;
    const int subtask = m_ctx.state.currentSubtask;
    int y = 0;
    if (&box == m_pbvz1 && task == 302 && subtask >= 3)
        y = -18;
    if (&box == m_pbvyb1 && task == 302 && subtask <= 2 && box.tag() == 1)
        y = -18;
    p.drawImage(0, y, img);
    if (&box == m_pbvyb1 && box.tag() == 1) {
        if (const ChoiceGenerator *c = choice()) {
            const QString trailing = c->answerBox(m_problem, true).trailing;
            if (!trailing.isEmpty()) {
                const QImage &t = picture(trailing);
                if (!t.isNull())
                    p.drawImage(img.width(), y, t);
            }
        }
    }
}

void ExerciseScreen::drawPatternRow(unsigned boxes, bool hideOthers, bool arrange)
{
    const std::pair<unsigned, PaintBox *> row[] = {
        {PatternRow::Pattern, m_pbvz1}, {PatternRow::Sign, m_pbrov1}, {PatternRow::Answer, m_pbvyb1}};
    for (const auto &[bit, box] : row) {
        if (boxes & bit)
            drawPatternBox(box);
        else if (hideOthers)
            box->hide();
    }
    if (arrange)
        ArrangePatternRow();
    // A box left alone in the row is centred in Panel1.
    if (arrange && hideOthers && (boxes == PatternRow::Answer || boxes == PatternRow::Pattern)) {
        PaintBox *alone = boxes == PatternRow::Answer ? m_pbvyb1 : m_pbvz1;
        alone->move((m_panel1->width() - alone->width()) / 2, alone->y());
    }
}

void ExerciseScreen::ArrangePatternRow()
{
    if (m_ctx.state.currentTask == 304) {
        // Pattern and answer box only, the answer box as wide as an equation.
        m_pbvyb1->resize(216, m_pbvyb1->height());
        m_pbvz1->move((m_panel1->width() - m_pbvz1->width() - 216 - 16) / 2, m_pbvz1->y());
        m_pbvyb1->move(m_pbvz1->x() + m_pbvz1->width() + 8, m_pbvyb1->y());
        return;
    }
    // Only the boxes shown take part: a hidden sign box (101) or a lone
    // answer box (102) would otherwise push the row off centre.
    std::vector<PaintBox *> shown;
    for (PaintBox *box : {m_pbvz1, m_pbrov1, m_pbvyb1})
        if (!box->isHidden())
            shown.push_back(box);
    int width = 8 * (static_cast<int>(shown.size()) - 1);
    for (const PaintBox *box : shown)
        width += box->width();
    int left = (m_panel1->width() - width) / 2;
    for (PaintBox *box : shown) {
        box->move(left, box->y());
        left += box->width() + 8;
    }
}

// ---------------------------------------------------------------- display boxes

void ExerciseScreen::placeDisplayBox(int k, const QString &picture, int left, int width, bool draw)
{
    PaintBox *box = displayBox(k);
    if (!box)
        return;
    m_dispPicture[static_cast<std::size_t>(k)] = picture;
    box->setGeometry(left, box->y(), width, box->height());
    if (draw)
        drawDisplayBox(k);
}

void ExerciseScreen::setDisplayPicture(int k, const QString &picture)
{
    if (k >= 1 && k <= kDisplayPool)
        m_dispPicture[static_cast<std::size_t>(k)] = picture;
}

void ExerciseScreen::placeTile(int i, const QRect &rect, bool interactive)
{
    PaintBox *box = tile(i);
    if (!box)
        return;
    if (box->parentWidget() != m_panelVyb1)
        box->setParent(m_panelVyb1);
    box->setGeometry(rect);
    box->setEnabled(interactive);
    box->setCursor(interactive ? m_pointer2 : m_pointer1);
    box->show();
    box->repaint();
}

void ExerciseScreen::hideTile(int i)
{
    PaintBox *box = tile(i);
    if (!box)
        return;
    box->hide();
    box->setEnabled(true);
    box->setCursor(m_pointer2);
}

void ExerciseScreen::showAnimation(const QString &file)
{
    const QString path = m_ctx.platform.files.resolve(file);
    if (path.isEmpty() || !m_rxGifAnim2->load(path))
        return;
    m_rxGifAnim2->raise();
    m_rxGifAnim2->show();
    m_rxGifAnim2->start();
}

void ExerciseScreen::playDirect(const QString &name, bool wait)
{
    // What the family drew shows before a waiting sound blocks the screen.
    if (wait)
        letUpdatesRun();
    m_soundPlayer.playNow(name, wait);
}

void ExerciseScreen::drawDisplayBox(int k)
{
    PaintBox *box = displayBox(k);
    if (!box)
        return;
    const QImage &img = picture(m_dispPicture[static_cast<std::size_t>(k)]);
    if (img.isNull())
        return;
    DisplayBoxPaintInput in;
    in.task = m_ctx.state.currentTask;
    in.subtask = m_ctx.state.currentSubtask;
    in.box = k;
    in.current = box->geometry();
    in.picture = img.size();
    in.solved = m_pbvyb1->tag() == 1;
    if (const PaintBox *next = displayBox(k + 1))
        in.nextLeft = next->x();
    in.panel1Width = m_panel1->width();
    const DisplayBoxPaint out = displayBoxPaint(in);
    box->setGeometry(out.box);
    m_dispDx[static_cast<std::size_t>(k)] = out.dx;
    box->show();
    box->update();
}

void ExerciseScreen::paintDisplayBox(PaintBox &box, QPainter &p)
{
    const int k = box.hint().toInt();
    if (k < 1 || k > kDisplayPool)
        return;
    if (m_ctx.state.currentTask == 201 && k == 1) {
        const QImage &frame = picture(QStringLiteral("Obr\\Prazdny6.jpg"));
        if (!frame.isNull())
            p.drawImage(0, 0, frame);
    }
    const QImage &img = picture(m_dispPicture[static_cast<std::size_t>(k)]);
    if (!img.isNull())
        p.drawImage(m_dispDx[static_cast<std::size_t>(k)], 0, img);
}

} // namespace flumo
