#include "games/puzzle.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"

namespace flumo {

namespace {

constexpr int kPuzzleTask = 410;

constexpr std::array<std::array<int, 4>, 3> kFour = {{{3, 1, 0, 2}, {2, 3, 1, 0}, {3, 0, 2, 1}}};
constexpr std::array<std::array<int, 9>, 3> kNine = {{
    {4, 5, 6, 7, 1, 8, 0, 2, 3},
    {2, 1, 6, 5, 7, 4, 8, 3, 0},
    {3, 5, 8, 1, 4, 7, 0, 6, 2},
}};
constexpr std::array<std::array<int, 16>, 3> kSixteen = {{
    {13, 2, 11, 0, 12, 8, 15, 5, 14, 6, 9, 4, 1, 3, 10, 7},
    {11, 7, 4, 14, 9, 1, 13, 0, 2, 8, 5, 10, 6, 3, 15, 12},
    {15, 0, 7, 8, 12, 10, 13, 4, 6, 5, 3, 14, 1, 9, 2, 11},
}};

std::span<const int> cellsOf(const Problem &p)
{
    return std::span<const int>(p.tileValue.data() + 1, static_cast<std::size_t>(p.tileCount));
}

QString cellValues(const Problem &p)
{
    QStringList v;
    for (int c = 1; c <= p.tileCount; ++c)
        v << QString::number(p.tileValue[static_cast<std::size_t>(c)]);
    return v.join(u',');
}

} // namespace

std::span<const int> puzzleArrangement(int n, int which)
{
    if (which < 1 || which > 3)
        return {};
    const auto i = static_cast<std::size_t>(which - 1);
    switch (n) {
    case 4: return kFour[i];
    case 9: return kNine[i];
    case 16: return kSixteen[i];
    default: return {};
    }
}

int puzzleMoveTarget(std::span<const int> cells, int side, int s)
{
    const int n = static_cast<int>(cells.size());
    if (s < 1 || s > n || side < 1)
        return 0;
    const auto empty = [&](int c) { return cells[static_cast<std::size_t>(c - 1)] == 0; };
    if ((s - 1) % side != 0 && empty(s - 1))
        return s - 1;
    if (s + 1 <= n && empty(s + 1))
        return s + 1;
    if (s - side >= 1 && empty(s - side))
        return s - side;
    if (s + side <= n && empty(s + side))
        return s + side;
    return 0;
}

int puzzlePiecesInPlace(std::span<const int> cells)
{
    int count = 0;
    for (std::size_t c = 1; c < cells.size(); ++c)
        count += cells[c - 1] == static_cast<int>(c) ? 1 : 0;
    return count;
}

std::unique_ptr<Generator> makePuzzleGame()
{
    return std::make_unique<PuzzleGame>();
}

void PuzzleGame::setCell(Problem &p, int cell, int piece) const
{
    p.tileValue[static_cast<std::size_t>(cell)] = piece;
    if (cell < kTileInfoCount)
        p.tileInfo[static_cast<std::size_t>(cell)].name = m_prefix + NumberToText(piece, 2);
}

void PuzzleGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    const int task = ctx.state.currentTask;
    const int n = p.tileCount;
    m_preview.clear();
    if (task == kPuzzleTask) {
        if (n == 9) {
            m_picture = ctx.random.range(1, 9);
            m_prefix = QStringLiteral("obr\\410\\") + NumberToText(m_picture, 2) + QStringLiteral("\\pex");
        } else {
            m_picture = ctx.random.range(1, 2);
            m_prefix = QStringLiteral("obr\\410\\patn\\") + QString::number(m_picture) + QStringLiteral("\\pex");
        }
    } else {
        m_picture = ctx.settings.cardSet;
        const QString folder = QStringLiteral("obr\\410\\obr\\") + NumberToText(m_picture, 2);
        m_prefix = folder + (n == 4 ? QStringLiteral("\\pexx") : QStringLiteral("\\pex"));
        m_preview = folder + QStringLiteral("\\Nahled.jpg");
        ctx.host.placeBox(GameBox::Picture, 0, QRect(50, 127, 160, 160));
        ctx.host.drawBox(GameBox::Picture, 0);
    }
    p.tilePicturePrefix = m_prefix;
    p.altPicturePrefix = m_prefix;
    p.answersNeeded = n - 1;
    p.targetTile = 0;   // no tile is the answer: every piece beside the gap moves

    m_arrangement = ctx.random.range(1, 3);
    const std::span<const int> start = puzzleArrangement(n, m_arrangement);
    for (int c = 1; c <= n && c <= static_cast<int>(start.size()); ++c)
        p.tileValue[static_cast<std::size_t>(c)] = start[static_cast<std::size_t>(c - 1)];
    trace("puzzle", {{"arrangement", QString::number(m_arrangement)}, {"picture", QString::number(m_picture)},
                     {"cells", cellValues(p)}});

    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= n; ++i)
        ctx.host.showTile(i);

    if (task == kPuzzleTask) {
        const int level = ctx.state.currentLevel;
        const int take = level <= 1 ? (m_picture == 1 ? 1 : m_picture <= 6 ? 2 : 3) : m_picture;
        ctx.host.playSound(QStringLiteral("Zvuky\\410\\uv410_") + QString::number(level) + u'-'
                               + QString::number(take) + QStringLiteral(".wav"),
                           true);
    }
}

bool PuzzleGame::judgeStep(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    const int n = p.tileCount;
    const int to = puzzleMoveTarget(cellsOf(p), p.gridColumns, selected);
    if (to == 0) {
        trace("puzzle-move", {{"tile", QString::number(selected)}, {"to", QStringLiteral("0")}});
        return false;
    }
    setCell(p, to, p.tileValue[static_cast<std::size_t>(selected)]);
    setCell(p, selected, 0);
    ctx.host.drawBox(GameBox::Tile, selected);
    ctx.host.drawBox(GameBox::Tile, to);
    const int inPlace = puzzlePiecesInPlace(cellsOf(p));
    trace("puzzle-move", {{"tile", QString::number(selected)}, {"to", QString::number(to)},
                          {"cells", cellValues(p)}, {"inplace", QString::number(inPlace)}});
    if (inPlace == n - 1) {
        // The empty last cell shows the missing piece; the cursor leaves the grid.
        setCell(p, n, n);
        ctx.host.drawBox(GameBox::Tile, n);
        ctx.host.selectTile(n + 1);
        p.selectedTile = n + 1;
    }
    // The frame counts this step: the pieces in place are the steps given.
    p.answersGiven = inPlace - 1;
    return true;
}

bool PuzzleGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                          std::vector<PictureDraw> &out) const
{
    (void)problem, (void)n, (void)look, (void)size, (void)host;
    if (box != GameBox::Picture)
        return false;
    if (!m_preview.isEmpty())
        out.push_back({m_preview, {0, 0}});
    return true;
}

QStringList PuzzleGame::mediaNames(const Problem &problem) const
{
    QStringList names;
    for (int piece = 0; piece <= problem.tileCount; ++piece)
        for (const char *look : {"n.Jpg", "k.Jpg"})
            names << m_prefix + NumberToText(piece, 2) + QLatin1String(look);
    if (!m_preview.isEmpty())
        names << m_preview;
    return names;
}

} // namespace flumo
