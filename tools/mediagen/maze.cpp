// Media of the maths maze (412): twenty mazes in "Blud1.INI", each checked
// with the game's own reader to be solvable (every number reachable in
// order from the start), and four picture sets: wall, path, the numbers in
// the maze and collected, the walker in four headings and two blink looks.
// Also the background with the frame of the maze and the number column.
#include "draw.h"
#include "engine/random.h"
#include "games.h"
#include "games/maze.h"
#include "platform/inifile.h"
#include <QTransform>

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

constexpr int kCell = 30;
constexpr int kCollected = 40;
const QColor kShelf(255, 246, 214);

struct Theme {
    QColor wall, wallEdge, path, pathSpeck, walker;
};

Theme theme(int set)
{
    switch (set) {
    case 1: return {QColor(60, 150, 70), QColor(30, 100, 40), QColor(240, 226, 180), QColor(220, 200, 150), QColor(220, 40, 40)};
    case 2: return {QColor(196, 98, 60), QColor(140, 60, 36), QColor(226, 226, 230), QColor(200, 200, 208), QColor(40, 110, 220)};
    case 3: return {QColor(110, 120, 150), QColor(70, 78, 104), QColor(200, 236, 170), QColor(170, 214, 140), QColor(245, 140, 20)};
    default: return {QColor(150, 80, 190), QColor(104, 50, 140), QColor(255, 222, 236), QColor(246, 196, 220), QColor(30, 160, 90)};
    }
}

// ---------------------------------------------------------------- mazes

// One maze: rooms at even rows 2..14 and columns 2..18 joined by a depth-
// first walk, some extra openings for loops, a start and the ten numbers.
flumo::MazeGrid carve(flumo::Random &rng)
{
    flumo::MazeGrid g;
    g.cells.fill(flumo::kMazeWall);
    std::vector<std::pair<int, int>> stack{{2 * rng.range(1, 7), 2 * rng.range(1, 9)}};
    g.at(stack.back().first, stack.back().second) = flumo::kMazeOpen;
    while (!stack.empty()) {
        const auto [r, c] = stack.back();
        std::vector<std::pair<int, int>> next;
        for (const auto &[dr, dc] : {std::pair{-2, 0}, std::pair{2, 0}, std::pair{0, -2}, std::pair{0, 2}}) {
            const int nr = r + dr, nc = c + dc;
            if (nr >= 2 && nr <= 14 && nc >= 2 && nc <= 18 && g.at(nr, nc) == flumo::kMazeWall)
                next.emplace_back(nr, nc);
        }
        if (next.empty()) {
            stack.pop_back();
            continue;
        }
        const auto [nr, nc] = next[std::size_t(rng.range(0, int(next.size()) - 1))];
        g.at((r + nr) / 2, (c + nc) / 2) = flumo::kMazeOpen;
        g.at(nr, nc) = flumo::kMazeOpen;
        stack.emplace_back(nr, nc);
    }
    // Loops: a small child gets lost less often in a maze with shortcuts.
    for (int r = 2; r <= 14; ++r)
        for (int c = 2; c <= 18; ++c) {
            const bool between = (r % 2 == 0) != (c % 2 == 0);
            if (between && g.at(r, c) == flumo::kMazeWall && rng.range(1, 100) <= 14)
                g.at(r, c) = flumo::kMazeOpen;
        }
    return g;
}

// Maze m (1..20), checked by the game's own rule.
flumo::MazeGrid makeMaze(int m)
{
    flumo::Random rng(std::uint64_t(4120 + m));
    for (;;) {
        flumo::MazeGrid g = carve(rng);
        for (int attempt = 0; attempt < 50; ++attempt) {
            flumo::MazeGrid t = g;
            std::vector<std::pair<int, int>> rooms;
            for (int r = 2; r <= 14; r += 2)
                for (int c = 2; c <= 18; c += 2)
                    rooms.emplace_back(r, c);
            for (std::size_t i = rooms.size() - 1; i > 0; --i)
                std::swap(rooms[i], rooms[std::size_t(rng.range(0, int(i)))]);
            t.startRow = rooms[0].first;
            t.startColumn = rooms[0].second;
            for (int k = 1; k <= flumo::kMazeNumbers; ++k)
                t.at(rooms[std::size_t(k)].first, rooms[std::size_t(k)].second) = std::uint8_t(k);
            if (flumo::mazeSolvable(t))
                return t;
        }
    }
}

QString mazeRow(const flumo::MazeGrid &g, int r)
{
    QString s;
    for (int c = 1; c <= flumo::kMazeColumns; ++c) {
        const int v = g.at(r, c);
        if (r == g.startRow && c == g.startColumn)
            s += u'/';
        else if (v == flumo::kMazeWall)
            s += u'-';
        else if (v >= 1 && v <= 10)
            s += QChar(u'0' + v % 10);
        else
            s += u'x';
    }
    return s;
}

QString mazeIni()
{
    QString text;
    for (int m = 1; m <= flumo::kMazeCount; ++m) {
        const flumo::MazeGrid g = makeMaze(m);
        text += u"[Blud"_s + QString::number(m).rightJustified(3, u'0') + u"]\nPocet=16\n"_s;
        for (int r = 1; r <= flumo::kMazeRows; ++r)
            text += u"Radek"_s + QString::number(r).rightJustified(2, u'0') + u'=' + mazeRow(g, r) + u'\n';
        text += u'\n';
    }
    // What the program reads back must be what was checked.
    const flumo::IniFile ini = flumo::IniFile::fromBytes(draw::iniText(text));
    for (int m = 1; m <= flumo::kMazeCount; ++m)
        if (!flumo::mazeSolvable(flumo::readMaze(ini, m)))
            qFatal("maze %d cannot be solved", m);
    return text;
}

// ---------------------------------------------------------------- pictures

QImage pathCell(const Theme &t)
{
    QImage img = draw::canvas(kCell, kCell, t.path);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(t.pathSpeck);
    for (const QPointF at : {QPointF(6, 8), QPointF(21, 5), QPointF(14, 19), QPointF(25, 24), QPointF(4, 24)})
        p.drawEllipse(at, 1.6, 1.6);
    return img;
}

QImage wallCell(const Theme &t, int set)
{
    QImage img = draw::canvas(kCell, kCell, t.wall);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (set == 2) {
        // Bricks.
        p.setPen(QPen(t.path, 2));
        for (int y : {1, 11, 21})
            p.drawLine(0, y, kCell, y);
        for (int row = 0; row < 3; ++row)
            for (int x : row % 2 == 0 ? std::vector<int>{8, 23} : std::vector<int>{0, 15})
                p.drawLine(x, row * 10 + 1, x, row * 10 + 11);
        return img;
    }
    // Leaves, stones or sweets: rounded lumps with a light top.
    p.setPen(QPen(t.wallEdge, 1.2));
    const QRectF lumps[] = {QRectF(1, 1, 15, 14), QRectF(14, 2, 15, 13), QRectF(2, 14, 13, 15), QRectF(15, 15, 14, 14)};
    for (const QRectF &r : lumps) {
        QRadialGradient g(r.center() - QPointF(3, 3), r.width() * 0.7);
        g.setColorAt(0, draw::mix(t.wall, Qt::white, 0.35));
        g.setColorAt(1, t.wall);
        p.setBrush(g);
        if (set == 3)
            p.drawRoundedRect(r, 3, 3);
        else
            p.drawEllipse(r);
    }
    return img;
}

// Number k in the maze: a white coin on the path.
QImage numberInMaze(const Theme &t, int k)
{
    QImage img = pathCell(t);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 80), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 1.5, kCell - 3, kCell - 3));
    draw::fitText(p, QRect(2, 2, kCell - 4, kCell - 4), QString::number(k), QColor(30, 30, 60), k == 10 ? 14 : 18, 10);
    return img;
}

// Number k collected: a golden coin on the number column's shelf.
QImage numberCollected(int k)
{
    QImage img = draw::canvas(kCollected, kCollected, kShelf);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(15, 13), 26);
    g.setColorAt(0, QColor(255, 240, 140));
    g.setColorAt(1, QColor(235, 170, 20));
    p.setPen(QPen(QColor(170, 110, 10), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, kCollected - 4, kCollected - 4));
    draw::fitText(p, QRect(3, 3, kCollected - 6, kCollected - 6), QString::number(k), QColor(110, 60, 0), k == 10 ? 18 : 22, 10);
    return img;
}

// The walker, a ladybird seen from above on the path, facing heading
// ('n' up, 'p' right, 'd' down, 'l' left). Look 2 adds a yellow glow, so
// that the walker blinks.
QImage walker(const Theme &t, char heading, int look)
{
    QImage bug = draw::transparentCanvas(kCell, kCell);
    {
        QPainter p(&bug);
        p.setRenderHint(QPainter::Antialiasing);
        if (look == 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 220, 40, 200));
            p.drawEllipse(QRectF(0, 0, kCell, kCell));
        }
        p.setPen(QPen(QColor(20, 20, 20), 1.5));
        p.setBrush(QColor(25, 25, 25));
        p.drawEllipse(QRectF(10, 3, 10, 9));   // head, at the top
        p.setBrush(t.walker);
        p.drawEllipse(QRectF(5, 8, 20, 19));    // body
        p.drawLine(QPointF(15, 9), QPointF(15, 27));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 20));
        for (const QPointF at : {QPointF(10, 15), QPointF(20, 15), QPointF(11, 22), QPointF(19, 22)})
            p.drawEllipse(at, 2.2, 2.2);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12.5, 6), 1.6, 1.6);
        p.drawEllipse(QPointF(17.5, 6), 1.6, 1.6);
    }
    const int angle = heading == 'p' ? 90 : heading == 'd' ? 180 : heading == 'l' ? 270 : 0;
    if (angle != 0)
        bug = bug.transformed(QTransform().rotate(angle));
    QImage img = pathCell(t);
    QPainter p(&img);
    p.drawImage(0, 0, bug);
    return img;
}

QImage background()
{
    QImage img = draw::canvas(800, 600, QColor(230, 242, 228));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(200, 230, 250), QColor(214, 238, 200));
    // The frame of the maze (cell (1, 1) at 61, 75; 20 x 16 cells).
    p.setPen(QPen(QColor(110, 80, 50), 3));
    p.setBrush(QColor(140, 100, 60));
    p.drawRoundedRect(QRectF(49, 63, 624, 504), 14, 14);
    // The number column.
    p.setBrush(kShelf);
    p.setPen(QPen(QColor(200, 160, 80), 2));
    p.drawRoundedRect(QRectF(690, 65, kCollected + 20, 47 * 9 + kCollected + 20), 12, 12);
    draw::emoji(p, QRectF(688, 540, 64, 52), u"🏁"_s);
    return img;
}

class MazeFamily final : public Family {
public:
    QString id() const override { return u"maze"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        out.push_back({u"Obr\\412\\bgr.jpg"_s, [] { return draw::jpeg(background()); }});
        out.push_back({u"obr\\412\\Blud1.INI"_s, [] { return draw::iniText(mazeIni()); }});
        for (int set = 1; set <= 4; ++set) {
            const QString folder = u"Obr\\412\\"_s + QString::number(set).rightJustified(2, u'0') + u'\\';
            const Theme t = theme(set);
            out.push_back({folder + u"01.bmp"_s, [t, set] { return draw::bmp(wallCell(t, set)); }});
            out.push_back({folder + u"02.bmp"_s, [t] { return draw::bmp(pathCell(t)); }});
            for (int k = 1; k <= 10; ++k) {
                const QString nn = QString::number(k).rightJustified(2, u'0');
                out.push_back({folder + u"Cis"_s + nn + u"_2.bmp"_s, [t, k] { return draw::bmp(numberInMaze(t, k)); }});
                out.push_back({folder + u"Cis"_s + nn + u"_1.bmp"_s, [k] { return draw::bmp(numberCollected(k)); }});
            }
            for (char h : {'l', 'p', 'n', 'd'})
                for (int look : {1, 2})
                    out.push_back({folder + QLatin1Char(h) + QString::number(look) + u".bmp"_s,
                                   [t, h, look] { return draw::bmp(walker(t, h, look)); }});
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeMazeFamily() { return std::make_unique<games::MazeFamily>(); }
} // namespace mediagen
