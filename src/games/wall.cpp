#include "games/wall.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"

namespace flumo {

namespace {

const QString kPrefix = QStringLiteral("obr\\402\\zed");
const QString kBuiltStem = QStringLiteral("obr\\402\\zed10");
const QString kBrickSound = QStringLiteral("zvuky\\cihly.wav");
constexpr int kColumn = 50;

QString gapStem(int gap)
{
    return kPrefix + NumberToText(gap, 2);
}

} // namespace

std::unique_ptr<Generator> makeWallGame()
{
    return std::make_unique<WallGame>();
}

void WallGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    ProblemHost &host = ctx.host;
    p.answersNeeded = kBricks;

    std::array<bool, 11> used{};
    for (int k = 1; k <= kBricks; ++k) {
        int g;
        do
            g = random.range(1, 10);
        while (used[static_cast<std::size_t>(g)]);
        used[static_cast<std::size_t>(g)] = true;
        m_gap[static_cast<std::size_t>(k)] = g;
    }
    p.samplePicture = gapStem(m_gap[1]);

    std::array<bool, kBricks + 1> taken{};
    QStringList bricks;
    for (int i = 1; i <= kBricks; ++i) {
        int k;
        do
            k = random.range(1, kBricks);
        while (taken[static_cast<std::size_t>(k)]);
        taken[static_cast<std::size_t>(k)] = true;
        const int brick = 10 - m_gap[static_cast<std::size_t>(k)];
        p.tileValue[static_cast<std::size_t>(i)] = brick;
        p.tileInfo[static_cast<std::size_t>(i)].name = kPrefix + NumberToText(brick, p.numberWidth);
        bricks << QString::number(brick);
    }

    p.targetTile = 0;
    host.layOutTiles();
    // The wall box stands above the bricks; an aligned grid draws nothing at random.
    const std::vector<TilePlacement> placed =
        LayOutTiles(p, ctx.state.currentTask, TileParent::Screen, 744,
                    [&host](int, const QString &name) { return host.pictureSize(name); }, random);
    const QPoint first = placed.empty() ? QPoint(p.gridLeft + 40, p.gridTop + 230) : placed.front().rect.topLeft();
    m_wall = QRect(first.x() - 9, first.y() - 272, kColumn * p.gridColumns + 20, 253);
    host.placeBox(GameBox::Back, 1, m_wall);

    host.selectTile(1);
    p.selectedTile = 1;
    for (int i = 1; i <= kBricks; ++i)
        host.showTile(i);
    host.drawBox(GameBox::Back, 1);

    QStringList gaps;
    for (int k = 1; k <= kBricks; ++k)
        gaps << QString::number(m_gap[static_cast<std::size_t>(k)]);
    trace("wall", {{"gaps", gaps.join(u',')}, {"bricks", bricks.join(u',')}, {"gap", QString::number(m_gap[1])}});
}

bool WallGame::judgeStep(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    const int given = p.answersGiven;
    if (given >= kBricks || selected < 1 || selected > kBricks)
        return false;
    const int gap = m_gap[static_cast<std::size_t>(given + 1)];
    const int brick = p.tileValue[static_cast<std::size_t>(selected)];
    if (gap + brick != 10)
        return false;

    p.targetTile = selected;
    trace("target", {{"tile", QString::number(selected)}});
    const int busy = ctx.state.screenBusy;
    ctx.state.screenBusy = 1;
    p.tileInfo[static_cast<std::size_t>(selected)].name = kBuiltStem;
    host.drawBox(GameBox::Tile, selected);
    const bool last = given + 1 == kBricks;
    trace("wall-brick", {{"tile", QString::number(selected)}, {"brick", QString::number(brick)},
                         {"gap", QString::number(gap)}, {"laid", QString::number(given + 1)}});
    host.playDirect(kBrickSound, last);
    if (!last) {
        const int next = m_gap[static_cast<std::size_t>(given + 2)];
        p.samplePicture = gapStem(next);
        host.selectTile(1);
        p.selectedTile = 1;
        host.drawBox(GameBox::Back, 1);
        trace("wall", {{"gap", QString::number(next)}});
    } else {
        host.hideBox(GameBox::Back, 1);
    }
    ctx.state.screenBusy = busy;
    return true;
}

void WallGame::cursorMoved(ProblemContext &ctx, int from)
{
    (void)from;
    if (ctx.problem.answersGiven < kBricks)
        ctx.host.drawBox(GameBox::Back, 1);
}

bool WallGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                        std::vector<PictureDraw> &out) const
{
    (void)look, (void)size, (void)host;
    if (box != GameBox::Back || n != 1)
        return false;
    // The gap stands over the selected brick; every other column shows the
    // plain look the gap leaves behind. The gap is drawn last: it may reach
    // into the next column.
    const int selected = problem.selectedTile;
    for (int c = 1; c <= problem.gridColumns; ++c)
        if (c != selected)
            out.push_back({problem.samplePicture + QStringLiteral("d1.JPG"), QPoint(kColumn * (c - 1), 0)});
    if (selected >= 1 && selected <= problem.gridColumns)
        out.push_back({problem.samplePicture + QStringLiteral("d.JPG"), QPoint(kColumn * (selected - 1), 0)});
    return true;
}

QStringList WallGame::mediaNames(const Problem &problem) const
{
    QStringList names{kBrickSound, kBuiltStem + QStringLiteral("n.Jpg"), kBuiltStem + QStringLiteral("k.Jpg")};
    for (int i = 1; i <= kBricks; ++i) {
        const QString brick = kPrefix + NumberToText(problem.tileValue[static_cast<std::size_t>(i)], problem.numberWidth);
        names << brick + QStringLiteral("n.Jpg") << brick + QStringLiteral("k.Jpg");
        const QString gap = gapStem(m_gap[static_cast<std::size_t>(i)]);
        names << gap + QStringLiteral("d.JPG") << gap + QStringLiteral("d1.JPG");
    }
    return names;
}

} // namespace flumo
