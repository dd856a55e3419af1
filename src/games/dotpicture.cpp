#include "games/dotpicture.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/inifile.h"
#include "platform/trace.h"
#include <QImage>
#include <QPainter>
#include <algorithm>

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
constexpr int kGap = 12;
const QString kFolder = QStringLiteral("obr\\401\\");

QString patternRows(const std::vector<int> &cells, int side)
{
    QString out;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        if (i > 0 && i % side == 0)
            out += u'/';
        out += cells[static_cast<std::size_t>(i)] != 0 ? u'x' : u'.';
    }
    return out;
}

QString dotName(const char *stem)
{
    return kFolder + QLatin1String(stem) + QStringLiteral(".bmp");
}

} // namespace

int dotGridSide(int level)
{
    return level <= 1 ? 4 : level == 2 ? 6 : 8;
}

QString dotPictureFile(int level)
{
    return QStringLiteral("Obr\\401\\Punt") + QString::number(std::clamp(level, 1, 3)) + QStringLiteral(".INI");
}

int dotPictureCount(int level)
{
    return level <= 1 ? 30 : 40;
}

std::vector<int> readDotPicture(const IniFile &ini, int n, int side)
{
    std::vector<int> cells(static_cast<std::size_t>(side * side), 0);
    const QString section = QStringLiteral("Obr") + NumberToText(n, 2);
    const int rows = std::min(ini.readInt(section, QStringLiteral("Pocet"), 0), side);
    for (int r = 1; r <= rows; ++r) {
        const QString row = ini.readString(section, QStringLiteral("Radek") + QString::number(r), QStringLiteral("abc"));
        for (int c = 1; c <= std::min(side, static_cast<int>(row.size())); ++c)
            if (row.at(c - 1) == u'x')
                cells[static_cast<std::size_t>((r - 1) * side + c - 1)] = 1;
    }
    return cells;
}

std::vector<int> dotTargets(const std::vector<int> &pattern, int side, int subtask)
{
    std::vector<int> out(pattern.size(), kDotNone);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c) {
            const int p = (r - 1) * side + c;
            int t = p;
            if (subtask == 2)
                t = (r - 1) * side + (side - c + 1);
            else if (subtask == 3)
                t = (side - r) * side + c;
            if (pattern[static_cast<std::size_t>(p - 1)] != 0)
                out[static_cast<std::size_t>(t - 1)] = kDotToMark;
        }
    return out;
}

std::unique_ptr<Generator> makeDotPictureGame()
{
    return std::make_unique<DotPictureGame>();
}

QRect DotPictureGame::patternCell(int i) const
{
    return QRect(m_grid.x() + kCell * ((i - 1) % m_side), m_grid.y() + kCell * ((i - 1) / m_side), kCell, kCell);
}

QRect DotPictureGame::answerCell(int i) const
{
    const int w = kCell * m_side;
    const QPoint shift = m_subtask == 3 ? QPoint(0, w + kGap) : QPoint(w + kGap, 0);
    return patternCell(i).translated(shift);
}

void DotPictureGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    m_side = dotGridSide(ctx.state.currentLevel);
    m_subtask = std::clamp(ctx.state.currentSubtask, 1, 3);
    m_grid = QPoint(p.gridLeft, p.gridTop);
    const int cells = m_side * m_side;

    p.selectedTile = 1;
    p.answersGiven = 0;
    p.answersNeeded = 0;
    // The sample of what the subtask asks.
    host.placeBox(GameBox::Picture, 0, QRect(40, 70, 94, 92));
    host.drawBox(GameBox::Picture, 0);

    // The picture; one without dots is passed over.
    const int level = std::clamp(ctx.state.currentLevel, 1, 3);
    const int count = dotPictureCount(level);
    m_file = dotPictureFile(level);
    if (m_readFile != m_file) {
        m_ini = IniFile::fromBytes(host.readDataFile(m_file));
        m_readFile = m_file;
    }
    const IniFile &ini = m_ini;
    const int drawn = ctx.random.range(1, count);
    m_pattern.clear();
    for (int k = 0; k < count; ++k) {
        const int n = (drawn - 1 + k) % count + 1;
        std::vector<int> cellsOf = readDotPicture(ini, n, m_side);
        if (std::find(cellsOf.begin(), cellsOf.end(), 1) != cellsOf.end()) {
            m_picture = n;
            m_pattern = std::move(cellsOf);
            break;
        }
    }
    if (m_pattern.empty()) {
        // The file holds no picture: the two diagonals stand in.
        trace("dotpicture-missing", {{"file", m_file}});
        m_picture = 0;
        m_pattern.assign(static_cast<std::size_t>(cells), 0);
        for (int r = 0; r < m_side; ++r) {
            m_pattern[static_cast<std::size_t>(r * m_side + r)] = 1;
            m_pattern[static_cast<std::size_t>(r * m_side + m_side - 1 - r)] = 1;
        }
    }
    p.answersNeeded = static_cast<int>(std::count(m_pattern.begin(), m_pattern.end(), 1));

    // The dots to mark.
    const std::vector<int> targets = dotTargets(m_pattern, m_side, m_subtask);
    for (int i = 1; i <= cells; ++i)
        p.tileValue[static_cast<std::size_t>(i)] = targets[static_cast<std::size_t>(i - 1)];
    updateTarget(p);

    // The frame lies behind the cells: drawn first, the cells are raised over it.
    const QRect last = answerCell(cells);
    m_frame = QRect(QPoint(m_grid.x() - 12, m_grid.y() - 12), QPoint(last.right() + 14, last.bottom() + 14));
    host.placeBox(GameBox::Price, 0, m_frame);
    host.drawBox(GameBox::Price, 0);
    // The pattern on the back boxes, the answer grid on the Tiles.
    for (int i = 1; i <= cells; ++i) {
        host.placeBox(GameBox::Back, i, patternCell(i));
        host.drawBox(GameBox::Back, i);
        host.placeBox(GameBox::Tile, i, answerCell(i));
        host.drawBox(GameBox::Tile, i);
    }
    trace("dotpicture", {{"picture", QString::number(m_picture)}, {"file", m_file},
                         {"pattern", patternRows(m_pattern, m_side)},
                         {"targets", patternRows(targets, m_side)}});
}

void DotPictureGame::updateTarget(Problem &p) const
{
    // TargetTile follows the first dot still to mark (0 when all are done),
    // so that a script can answer from the trace.
    int t = 0;
    for (int i = 1; i <= m_side * m_side && t == 0; ++i)
        if (p.tileValue[static_cast<std::size_t>(i)] == kDotToMark)
            t = i;
    if (t != p.targetTile) {
        p.targetTile = t;
        trace("target", {{"tile", QString::number(t)}});
    }
}

bool DotPictureGame::judgeStep(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    const bool inGrid = selected >= 1 && selected <= m_side * m_side;
    const bool right = inGrid && p.tileValue[static_cast<std::size_t>(selected)] == kDotToMark;
    trace("dotpicture-dot", {{"tile", QString::number(selected)},
                             {"verdict", right ? QStringLiteral("right") : QStringLiteral("wrong")}});
    if (!right)
        return false;
    p.tileValue[static_cast<std::size_t>(selected)] = kDotMarked;
    // The frame counts this step after the verdict; the last dot clears the selection.
    if (p.answersGiven + 1 >= p.answersNeeded)
        p.selectedTile = 0;
    ctx.host.drawBox(GameBox::Tile, selected);
    updateTarget(p);
    return true;
}

bool DotPictureGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                              std::vector<PictureDraw> &out) const
{
    (void)host;
    switch (box) {
    case GameBox::Tile: {
        if (n < 1 || n > m_side * m_side)
            return false;
        const bool marked = problem.tileValue[static_cast<std::size_t>(n)] == kDotMarked;
        const bool pointed = look == u'k';
        out.push_back(at(pointed ? dotName(marked ? "p_zluty" : "p_cerveny")
                               : dotName(marked ? "p_modry2" : "p_prazdny30x30"),
                       QPoint(0, 0)));
        return true;
    }
    case GameBox::Back:
        if (n < 1 || n > static_cast<int>(m_pattern.size()))
            return false;
        out.push_back(at(dotName(m_pattern[static_cast<std::size_t>(n - 1)] != 0 ? "p_modry" : "p_prazdny2"),
                       QPoint(0, 0)));
        return true;
    case GameBox::Picture:
        out.push_back(at(kFolder + QStringLiteral("vzor") + QString::number(m_subtask) + QStringLiteral(".jpg"),
                       QPoint(0, 0)));
        return true;
    case GameBox::Price: {
        // Two rounded frames around both grids: a light one set off by two
        // pixels under a black one.
        PictureDraw d;
        d.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        d.image.fill(Qt::transparent);
        QPainter painter(&d.image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        const QRect inner(2, 2, size.width() - 6, size.height() - 6);
        painter.setPen(QPen(QColor(224, 224, 224), 2));
        painter.drawRoundedRect(inner.translated(2, 2), 17.5, 17.5);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRoundedRect(inner, 17.5, 17.5);
        out.push_back(d);
        return true;
    }
    default:
        return false;
    }
}

QStringList DotPictureGame::mediaNames(const Problem &problem) const
{
    (void)problem;
    QStringList out{m_file, kFolder + QStringLiteral("vzor") + QString::number(m_subtask) + QStringLiteral(".jpg")};
    for (const char *stem : {"p_modry", "p_prazdny2", "p_prazdny30x30", "p_modry2", "p_cerveny", "p_zluty"})
        out << dotName(stem);
    return out;
}

} // namespace flumo
