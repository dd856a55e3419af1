// The exercise screen as the host of the games: the boxes a game places,
// paints and hears clicks on, its timer, and the hand-over of its keys. The
// game decides; the screen only moves widgets and draws pictures.
#include "platform/trace.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace flumo {

Generator *ExerciseScreen::game() const
{
    // A refused build leaves the previous exercise's generator behind.
    if (!m_generator || m_generatorTask != m_ctx.state.currentTask || !m_problem.problemReady)
        return nullptr;
    return m_generator.get();
}

PaintBox *ExerciseScreen::gameBox(GameBox box, int n) const
{
    switch (box) {
    case GameBox::Tile: return tile(n);
    case GameBox::Back: return backBox(n);
    case GameBox::Price: return m_pb0;
    case GameBox::Total: return m_pb0celk;
    case GameBox::Picture: return m_pb1pom;
    case GameBox::Task: return m_paintBox2;
    case GameBox::Screen: return nullptr;
    }
    return nullptr;
}

void ExerciseScreen::connectGameBoxes()
{
    m_gameTimer = new QTimer(this);
    m_gameTimer->setObjectName(QStringLiteral("GameTimer"));
    connect(m_gameTimer, &QTimer::timeout, this, [this] {
        Generator *g = game();
        if (!g || m_timer1->isActive())
            return;
        ProblemContext ctx = gameContext();
        g->tick(ctx);
    });
    const std::pair<GameBox, PaintBox *> single[] = {
        {GameBox::Price, m_pb0}, {GameBox::Total, m_pb0celk}, {GameBox::Picture, m_pb1pom}, {GameBox::Task, m_paintBox2}};
    for (const auto &[kind, box] : single) {
        const GameBox k = kind;
        box->setPainter([this, k](PaintBox &self, QPainter &p) { paintGameBox(k, 0, self, p, u'n'); });
        connect(box, &PaintBox::released, this, [this, k](PaintBox *self, Qt::MouseButton button, QPoint at) {
            if (button == Qt::LeftButton && self->rect().contains(at))
                gameBoxClicked(k, 0, at);
        });
        connect(box, &PaintBox::pointerMoved, this, [this, k](PaintBox *, QPoint at, Qt::KeyboardModifiers) {
            Generator *g = game();
            if (!g || m_ctx.state.screenBusy == 1)
                return;
            ProblemContext ctx = gameContext();
            g->pointerMoved(ctx, k, 0, at);
        });
    }
}

ProblemContext ExerciseScreen::gameContext()
{
    return ProblemContext{m_problem, m_ctx.state, m_genSettings, m_random, *this};
}

bool ExerciseScreen::paintGameBox(GameBox kind, int n, PaintBox &box, QPainter &p, QChar look)
{
    Generator *g = game();
    if (!g)
        return false;
    std::vector<PictureDraw> draws;
    if (!g->paintBox(m_problem, kind, n, look, box.size(), *this, draws))
        return false;
    for (const PictureDraw &d : draws) {
        const QImage &img = !d.image.isNull() ? d.image : d.transparent ? transparentPicture(d.name) : picture(d.name);
        if (!img.isNull())
            p.drawImage(d.at, img);
    }
    return true;
}

const QImage &ExerciseScreen::transparentPicture(const QString &name)
{
    auto it = m_transparentPictures.constFind(name);
    if (it != m_transparentPictures.constEnd())
        return *it;
    QImage img = picture(name);
    if (!img.isNull()) {
        img = img.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = img.pixel(0, img.height() - 1);
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (line[x] == key)
                    line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return *m_transparentPictures.insert(name, img);
}

void ExerciseScreen::gameBoxClicked(GameBox kind, int n, QPoint at)
{
    Generator *g = game();
    if (!g || m_timer1->isActive() || m_ctx.state.screenBusy == 1)
        return;
    ProblemContext ctx = gameContext();
    g->click(ctx, kind, n, at);
}

int ExerciseScreen::gameCursorStep(int key, int from) const
{
    const Generator *g = game();
    return g ? g->cursorStep(m_problem, key, from) : -1;
}

void ExerciseScreen::gameCursorMoved(int from)
{
    Generator *g = game();
    if (!g || from == m_problem.selectedTile)
        return;
    ProblemContext ctx = gameContext();
    g->cursorMoved(ctx, from);
}

bool ExerciseScreen::gameTimerActive() const
{
    return m_gameTimer && m_gameTimer->isActive();
}

// ---------------------------------------------------------------- ProblemHost

void ExerciseScreen::placeBox(GameBox box, int n, const QRect &rect)
{
    if (PaintBox *b = gameBox(box, n))
        b->setGeometry(rect);
}

void ExerciseScreen::drawBox(GameBox box, int n)
{
    if (!m_problem.problemReady)
        return;
    if (box == GameBox::Screen) {
        update();
        return;
    }
    // Raised: a game box may lie over another (404's price over the goods).
    if (PaintBox *b = gameBox(box, n)) {
        b->raise();
        b->show();
        b->update();
    }
}

void ExerciseScreen::hideBox(GameBox box, int n)
{
    if (PaintBox *b = gameBox(box, n))
        b->hide();
}

void ExerciseScreen::selectTile(int n)
{
    const int old = m_problem.selectedTile;
    m_problem.selectedTile = n;
    if (old >= 1 && old != n)
        if (PaintBox *b = tile(old))
            b->setTag(0);
    moveCursorLook(old);
    trace("cursor", {{"tile", QString::number(n)}, {"by", QStringLiteral("game")}});
}

void ExerciseScreen::setGameTimer(int intervalMs)
{
    if (!m_gameTimer)
        return;
    if (intervalMs <= 0) {
        m_gameTimer->stop();
        return;
    }
    m_gameTimer->start(intervalMs);
}

QImage ExerciseScreen::pictureImage(const QString &name)
{
    return picture(name);
}

void ExerciseScreen::pause(int ms)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_ctx.platform.clock.sleep(ms);
}

void ExerciseScreen::beep()
{
    m_ctx.platform.dialogs.beep(BeepKind::Ding);
}

QByteArray ExerciseScreen::readDataFile(const QString &name)
{
    const QString path = m_ctx.platform.files.resolve(name);
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void ExerciseScreen::ensureTiles()
{
    EngineState &s = m_ctx.state;
    applyTilePlan(EnsureTiles(m_problem, s.currentTask, s.lastTask, s.lastTileCount));
}

void ExerciseScreen::handKey(int key, InputFrom from)
{
    const InputSource source = from == InputFrom::Tile      ? InputSource::Tile
                               : from == InputFrom::Picture ? InputSource::Picture
                                                            : InputSource::Keyboard;
    FormKeyUp(key, Qt::NoModifier, source);
}

void ExerciseScreen::setOneKey(bool on)
{
    m_ctx.settings.setOneKey(on);
    m_genSettings.oneKey = on;
}

void ExerciseScreen::setTileEnabled(int i, bool on)
{
    if (PaintBox *b = tile(i)) {
        b->setEnabled(on);
        b->update();
    }
}

void ExerciseScreen::movePointer(GameBox box, int n, QPoint at)
{
    if (PaintBox *b = gameBox(box, n))
        m_ctx.platform.pointer.setPos(b->mapToGlobal(at));
}

} // namespace flumo
