#include "games/maze.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/inifile.h"
#include "platform/trace.h"
#include <QPainter>
#include <algorithm>
#include <deque>

namespace flumo {

namespace {

PictureDraw at(const QString &name, QPoint where)
{
    PictureDraw d;
    d.name = name;
    d.at = where;
    return d;
}

constexpr int kCell = 30;
constexpr int kNumberStep = 47;     // collected numbers: cell height + 17
constexpr int kBlinkMs = 150;
const QString kStepSound = QStringLiteral("zvuky\\blud.wav");

std::uint8_t cellOf(QChar ch)
{
    if (ch == u'x' || ch == u'/')
        return kMazeOpen;
    if (ch == u'0')
        return 10;
    if (ch >= u'1' && ch <= u'9')
        return static_cast<std::uint8_t>(ch.unicode() - u'0');
    return kMazeWall;   // '-' and anything unknown
}

QString rowText(const MazeGrid &g, int row)
{
    QString s;
    for (int c = 1; c <= kMazeColumns; ++c) {
        const std::uint8_t v = g.at(row, c);
        if (row == g.startRow && c == g.startColumn)
            s += u'/';
        else if (v == kMazeWall)
            s += u'-';
        else if (v >= 1 && v <= kMazeNumbers)
            s += QChar(u'0' + v % 10);
        else
            s += u'x';
    }
    return s;
}

// The key of one step towards a neighbouring cell, 0 when it is none.
int keyTowards(int fromRow, int fromColumn, int row, int column)
{
    if (column == fromColumn && row == fromRow + 1)
        return GameKey::Down;
    if (column == fromColumn && row == fromRow - 1)
        return GameKey::Up;
    if (row == fromRow && column == fromColumn + 1)
        return GameKey::Right;
    if (row == fromRow && column == fromColumn - 1)
        return GameKey::Left;
    return 0;
}

} // namespace

QString mazeFileName()
{
    return QStringLiteral("obr\\412\\Blud1.INI");
}

MazeGrid readMaze(const IniFile &ini, int m)
{
    MazeGrid g;
    g.cells.fill(kMazeWall);
    const QString section = QStringLiteral("Blud") + NumberToText(m, 3);
    const int rows = std::min(ini.readInt(section, QStringLiteral("Pocet"), 0), kMazeRows);
    for (int r = 1; r <= rows; ++r) {
        const QString row = ini.readString(section, QStringLiteral("Radek") + NumberToText(r, 2), QStringLiteral("abc"));
        for (int c = 1; c <= std::min(kMazeColumns, static_cast<int>(row.size())); ++c) {
            g.at(r, c) = cellOf(row.at(c - 1));
            if (row.at(c - 1) == u'/') {
                g.startRow = r;
                g.startColumn = c;
            }
        }
    }
    return g;
}

bool mazeCanEnter(std::uint8_t value, int given)
{
    return value == kMazeOpen || value == given + 1;
}

bool mazeSolvable(const MazeGrid &maze)
{
    if (maze.startRow < 1 || maze.startColumn < 1)
        return false;
    for (int k = 1; k <= kMazeNumbers; ++k)
        if (std::count(maze.cells.begin(), maze.cells.end(), k) != 1)
            return false;
    MazeGrid g = maze;
    int row = maze.startRow, column = maze.startColumn;
    for (int k = 1; k <= kMazeNumbers; ++k) {
        std::array<bool, kMazeRows * kMazeColumns> seen{};
        std::deque<std::pair<int, int>> open{{row, column}};
        seen[static_cast<std::size_t>((row - 1) * kMazeColumns + column - 1)] = true;
        bool found = false;
        while (!open.empty() && !found) {
            const auto [r, c] = open.front();
            open.pop_front();
            const std::pair<int, int> next[] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
            for (const auto &[nr, nc] : next) {
                if (nr < 1 || nr > kMazeRows || nc < 1 || nc > kMazeColumns)
                    continue;
                const auto i = static_cast<std::size_t>((nr - 1) * kMazeColumns + nc - 1);
                if (seen[i] || !mazeCanEnter(g.cells[i], k - 1))
                    continue;
                seen[i] = true;
                if (g.cells[i] == k) {
                    g.cells[i] = kMazeOpen;   // eaten
                    row = nr, column = nc;
                    found = true;
                    break;
                }
                open.emplace_back(nr, nc);
            }
        }
        if (!found)
            return false;
    }
    return true;
}

MazeGrid builtInMaze()
{
    // An open field with the numbers in a row, the walker left of them.
    MazeGrid g;
    g.cells.fill(kMazeOpen);
    for (int k = 1; k <= kMazeNumbers; ++k)
        g.at(8, 2 * k) = static_cast<std::uint8_t>(k);
    g.startRow = 8;
    g.startColumn = 1;
    return g;
}

std::unique_ptr<Generator> makeMazeGame()
{
    return std::make_unique<MazeGame>();
}

QString MazeGame::folder() const
{
    return QStringLiteral("Obr\\412\\") + NumberToText(m_set, 2) + u'\\';
}

QString MazeGame::cellPicture(std::uint8_t value) const
{
    if (value == kMazeWall)
        return folder() + QStringLiteral("01.bmp");
    if (value >= 1 && value <= kMazeNumbers)
        return numberPicture(value, 2);
    return folder() + QStringLiteral("02.bmp");
}

QString MazeGame::walkerPicture(int look) const
{
    return QStringLiteral("obr\\412\\") + NumberToText(m_set, 2) + u'\\' + m_heading + QString::number(look)
        + QStringLiteral(".bmp");
}

QString MazeGame::numberPicture(int k, int look) const
{
    return folder() + QStringLiteral("Cis") + NumberToText(k, 2) + u'_' + QString::number(look) + QStringLiteral(".bmp");
}

void MazeGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    p.selectedTile = 1;
    p.targetTile = 1;
    // A maze that cannot be played is passed over.
    if (!m_fileRead) {
        const IniFile ini = IniFile::fromBytes(host.readDataFile(mazeFileName()));
        for (int m = 1; m <= kMazeCount; ++m)
            if (MazeGrid g = readMaze(ini, m); mazeSolvable(g))
                m_playable.emplace_back(m, g);
        m_fileRead = true;
    }
    const int drawn = ctx.random.range(1, kMazeCount);
    // The drawn maze, or the next playable one after it (from the first again).
    m_maze = 0;
    auto chosen = std::find_if(m_playable.begin(), m_playable.end(), [drawn](const auto &e) { return e.first >= drawn; });
    if (chosen == m_playable.end())
        chosen = m_playable.begin();
    if (chosen != m_playable.end()) {
        m_maze = chosen->first;
        m_grid = chosen->second;
    } else {
        trace("maze-missing", {{"file", mazeFileName()}});
        m_grid = builtInMaze();
    }
    m_row = m_grid.startRow;
    m_column = m_grid.startColumn;
    m_grid.at(m_row, m_column) += kMazeWalker;
    // The walker starts facing right, in one of the four picture sets.
    m_heading = u'p';
    m_set = ctx.random.range(1, 4);
    p.setProblemValue(m_set);
    m_blink = 0;
    m_given = 0;
    m_walkerShown = true;
    m_reached = false;

    m_canvas = QImage(kMazeColumns * kCell, kMazeRows * kCell, QImage::Format_RGB32);
    m_canvas.fill(Qt::white);
    for (int r = 1; r <= kMazeRows; ++r)
        for (int c = 1; c <= kMazeColumns; ++c)
            drawCell(host, r, c);
    host.placeBox(GameBox::Price, 0,
                  QRect(p.gridLeft, p.gridTop, kMazeColumns * p.cellWidth, kMazeRows * p.cellHeight));
    host.drawBox(GameBox::Price, 0);
    m_collected = host.pictureSize(numberPicture(1, 1));
    if (!m_collected.isValid())
        m_collected = QSize(kCell, kCell);
    host.placeBox(GameBox::Total, 0,
                  QRect(700, p.gridTop, m_collected.width(), kNumberStep * (kMazeNumbers - 1) + m_collected.height()));
    host.drawBox(GameBox::Total, 0);
    host.setGameTimer(kBlinkMs);

    QStringList rows;
    for (int r = 1; r <= kMazeRows; ++r)
        rows << rowText(m_grid, r);
    trace("maze", {{"maze", QString::number(m_maze)}, {"set", QString::number(m_set)},
                   {"row", QString::number(m_row)}, {"column", QString::number(m_column)},
                   {"cells", rows.join(u',')}});
}

void MazeGame::drawCell(ProblemHost &host, int row, int column)
{
    const QImage img = host.pictureImage(cellPicture(m_grid.at(row, column)));
    if (img.isNull())
        return;
    QPainter painter(&m_canvas);
    painter.drawImage((column - 1) * kCell, (row - 1) * kCell, img);
}

bool MazeGame::takeKey(ProblemContext &ctx, int &key, InputFrom from, int tile)
{
    (void)from, (void)tile;
    Problem &p = ctx.problem;
    if (!m_walkerShown)
        return true;
    // Space walks on in the heading.
    if (key == GameKey::Space)
        key = m_heading == u'l' ? GameKey::Left : m_heading == u'n' ? GameKey::Up
            : m_heading == u'd' ? GameKey::Down : GameKey::Right;
    // An arrow turns the walker its way and steps when it may; Enter turns it clockwise.
    int row = m_row, column = m_column;
    switch (key) {
    case GameKey::Enter:
        m_heading = m_heading == u'd' ? u'l' : m_heading == u'l' ? u'n' : m_heading == u'n' ? u'p' : u'd';
        break;
    case GameKey::Left: m_heading = u'l'; --column; break;
    case GameKey::Right: m_heading = u'p'; ++column; break;
    case GameKey::Up: m_heading = u'n'; --row; break;
    case GameKey::Down: m_heading = u'd'; ++row; break;
    default: return true;
    }
    const bool inside = row >= 1 && row <= kMazeRows && column >= 1 && column <= kMazeColumns;
    const bool moved = key != GameKey::Enter && inside && mazeCanEnter(m_grid.at(row, column), p.answersGiven);
    if (moved) {
        m_grid.at(m_row, m_column) -= kMazeWalker;
        m_grid.at(row, column) += kMazeWalker;
        drawCell(ctx.host, m_row, m_column);
        m_row = row;
        m_column = column;
    }
    trace("maze-step", {{"key", QString::number(key)}, {"heading", QString(m_heading)},
                        {"moved", moved ? QStringLiteral("1") : QStringLiteral("0")},
                        {"row", QString::number(m_row)}, {"column", QString::number(m_column)}});
    ctx.host.drawBox(GameBox::Price, 0);
    if (moved && m_grid.at(m_row, m_column) == p.answersGiven + 1 + kMazeWalker) {
        if (p.targetTile != p.selectedTile) {
            p.targetTile = p.selectedTile;
            trace("target", {{"tile", QString::number(p.targetTile)}});
        }
        // The frame judges the step onto the next number.
        m_reached = true;
        key = GameKey::Enter;
        return false;
    }
    return true;
}

bool MazeGame::click(ProblemContext &ctx, GameBox box, int n, QPoint at)
{
    (void)n;
    if (box != GameBox::Price)
        return false;
    const int column = at.x() > 0 ? at.x() / kCell + 1 : 0;
    const int row = at.y() > 0 ? at.y() / kCell + 1 : 0;
    if (const int key = keyTowards(m_row, m_column, row, column); key != 0)
        ctx.host.handKey(key, InputFrom::Keyboard);
    return true;
}

void MazeGame::tick(ProblemContext &ctx)
{
    if (!m_walkerShown)
        return;
    m_blink = 1 - m_blink;
    ctx.host.drawBox(GameBox::Price, 0);
}

bool MazeGame::judgeStep(ProblemContext &ctx, int selected)
{
    (void)selected;
    Problem &p = ctx.problem;
    const int k = p.answersGiven + 1;
    const bool right = m_reached && m_grid.at(m_row, m_column) == k + kMazeWalker;
    m_reached = false;
    if (!right)
        return false;
    // The number is eaten: the walker stands on an open path.
    m_grid.at(m_row, m_column) = kMazeWalker;
    drawCell(ctx.host, m_row, m_column);
    m_given = k;
    trace("maze-collect", {{"number", QString::number(k)}});
    if (k == kMazeNumbers) {
        ctx.host.setGameTimer(0);
        m_walkerShown = false;
    }
    ctx.host.drawBox(GameBox::Total, 0);
    ctx.host.drawBox(GameBox::Price, 0);
    ctx.host.playDirect(kStepSound, k == kMazeNumbers);
    return true;
}

bool MazeGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                        std::vector<PictureDraw> &out) const
{
    (void)problem, (void)n, (void)look, (void)size, (void)host;
    if (box == GameBox::Price) {
        PictureDraw maze;
        maze.image = m_canvas;
        out.push_back(maze);
        if (m_walkerShown)
            out.push_back(at(walkerPicture(m_blink == 1 ? 2 : 1), QPoint((m_column - 1) * kCell, (m_row - 1) * kCell)));
        return true;
    }
    if (box == GameBox::Total) {
        for (int k = 1; k <= m_given; ++k)
            out.push_back(at(numberPicture(k, 1), QPoint(0, kNumberStep * (k - 1))));
        return true;
    }
    return false;
}

QStringList MazeGame::mediaNames(const Problem &problem) const
{
    (void)problem;
    QStringList out{mazeFileName(), kStepSound, cellPicture(kMazeWall), cellPicture(kMazeOpen)};
    for (int k = 1; k <= kMazeNumbers; ++k)
        out << numberPicture(k, 1) << numberPicture(k, 2);
    const QString set = QStringLiteral("obr\\412\\") + NumberToText(m_set, 2) + u'\\';
    for (const char *h : {"l", "p", "n", "d"})
        for (const char *look : {"1", "2"})
            out << set + QLatin1String(h) + QLatin1String(look) + QStringLiteral(".bmp");
    return out;
}

} // namespace flumo
