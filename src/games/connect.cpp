#include "games/connect.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/inifile.h"
#include "platform/trace.h"
#include <QPainter>
#include <algorithm>

namespace flumo {

namespace {

constexpr int kAreaSide = 450;                  // the drawing area inside its 4-pixel margin
constexpr QPoint kLineOffset{11, 7};            // where a line meets a label
const QColor kAreaColour(234, 233, 249);
const QColor kChoiceColour(153, 158, 180);
const QColor kLineColour(0, 0, 255);
constexpr int kChoiceLeft = 573;
constexpr int kChoiceTops[] = {89, 245, 403};
constexpr QSize kChoiceSize{150, 140};

QString two(int n)
{
    return NumberToText(n, 2);
}

QString joined(std::initializer_list<int> values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return out.join(u',');
}

} // namespace

ConnectFigure readConnectFigure(const IniFile &ini)
{
    const QString section = QStringLiteral("Obr01");
    ConnectFigure f;
    f.closed = ini.readBool(section, QStringLiteral("Spojit"), false);
    const int count = std::clamp(ini.readInt(section, QStringLiteral("Pocet bodu"), 0), 0, kConnectMaxPoints);
    for (int k = 1; k <= count; ++k) {
        const int x = ini.readInt(section, QStringLiteral("x") + two(k), 100);
        const int y = ini.readInt(section, QStringLiteral("y") + two(k), 100);
        f.points.emplace_back(std::clamp(x, 0, kAreaSide), std::clamp(y, 0, kAreaSide));
    }
    return f;
}

std::vector<int> connectOrder(const std::vector<QPoint> &points)
{
    std::vector<int> order(points.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = static_cast<int>(k) + 1;
    std::stable_sort(order.begin(), order.end(), [&points](int a, int b) {
        const QPoint &pa = points[static_cast<std::size_t>(a - 1)];
        const QPoint &pb = points[static_cast<std::size_t>(b - 1)];
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return order;
}

int connectCursorStep(const std::vector<int> &order, int joined, int from, bool forward)
{
    const int n = static_cast<int>(order.size());
    if (n == 0)
        return 0;
    const auto it = std::find(order.begin(), order.end(), from);
    // A cursor outside the order starts just before its first (or after its last) entry.
    const int start = it != order.end() ? static_cast<int>(it - order.begin()) : (forward ? n - 1 : 0);
    for (int k = 1; k <= n; ++k) {
        const int at = ((start + (forward ? k : -k)) % n + n) % n;
        if (order[static_cast<std::size_t>(at)] > joined)
            return order[static_cast<std::size_t>(at)];
    }
    return 0;
}

std::unique_ptr<Generator> makeConnectGame()
{
    return std::make_unique<ConnectGame>();
}

void ConnectGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    Random &random = ctx.random;
    const int figures = ctx.state.currentLevel <= 1 ? 22 : 27;
    m_label = ctx.state.currentLevel <= 1 ? QSize(25, 18) : QSize(21, 14);
    m_figurePrefix = p.tilePicturePrefix;
    m_solved = false;

    // The last problem's labels, back boxes and finished picture (Tile 4).
    for (int i = 1; i <= std::max(m_shownTiles, 4); ++i) {
        host.hideTile(i);
        host.hideBox(GameBox::Back, i);
    }

    m_canvas = QImage(800, 600, QImage::Format_ARGB32_Premultiplied);
    m_canvas.fill(Qt::transparent);
    {
        QPainter painter(&m_canvas);
        painter.fillRect(QRect(p.gridLeft + 4, p.gridTop + 4, kAreaSide, kAreaSide), kAreaColour);
        for (int top : kChoiceTops)
            painter.fillRect(QRect(QPoint(kChoiceLeft, top), kChoiceSize), kChoiceColour);
    }

    // A figure without points (or without a readable file) has nothing to
    // connect: the next figure that has points takes its place. Only when
    // none has any is the problem the picture choice alone.
    const auto read = [&](int n) {
        return readConnectFigure(IniFile::fromBytes(host.readDataFile(m_figurePrefix + two(n) + QStringLiteral(".INI"))));
    };
    const int drawn = random.range(1, figures);
    m_figure = drawn;
    m_data = read(drawn);
    for (int step = 1; step < figures && m_data.points.empty(); ++step) {
        const int n = (drawn - 1 + step) % figures + 1;
        ConnectFigure f = read(n);
        if (!f.points.empty()) {
            m_figure = n;
            m_data = std::move(f);
        }
    }
    if (m_data.points.empty())
        m_figure = drawn;

    m_rightChoice = random.range(1, 3);
    m_choice[m_rightChoice] = m_figure;
    for (int slot = 1; slot <= 3; ++slot) {
        if (slot == m_rightChoice)
            continue;
        int other = 0;
        bool taken = true;
        while (taken) {
            other = random.range(1, figures);
            taken = other == m_figure;
            for (int earlier = 1; earlier < slot; ++earlier)
                taken = taken || other == m_choice[earlier];
        }
        m_choice[slot] = other;
    }
    for (int slot = 1; slot <= 3; ++slot)
        p.tileInfo[static_cast<std::size_t>(20 + slot)].name = m_figurePrefix + two(m_choice[slot]);

    const int count = static_cast<int>(m_data.points.size());
    p.tileCount = count;
    host.ensureTiles();
    p.answersNeeded = count + 1;
    p.setProblemValue(0);
    m_order = connectOrder(m_data.points);
    for (int i = 1; i <= count; ++i) {
        p.tileValue[static_cast<std::size_t>(i)] = i;
        p.tileInfo[static_cast<std::size_t>(i)].name = p.altPicturePrefix + two(i);
        const QPoint at = m_data.points[static_cast<std::size_t>(i - 1)];
        const QRect rect(p.gridLeft + at.x(), p.gridTop + at.y(), m_label.width(), m_label.height());
        host.placeBox(GameBox::Tile, i, rect);
        host.placeBox(GameBox::Back, i, rect);
        host.showTile(i);
    }
    m_shownTiles = count;
    trace("connect-figure", {{"figure", QString::number(m_figure)}, {"points", QString::number(count)},
                             {"closed", m_data.closed ? QStringLiteral("1") : QStringLiteral("0")},
                             {"choices", joined({m_choice[1], m_choice[2], m_choice[3]})},
                             {"right", QString::number(m_rightChoice)}});
    if (count == 0) {
        startChoice(ctx);
        return;
    }
    p.targetTile = 1;
    host.selectTile(m_order.front());
    p.selectedTile = m_order.front();
    host.drawBox(GameBox::Screen, 0);
}

QPoint ConnectGame::lineEnd(const Problem &problem, int number) const
{
    const QPoint at = m_data.points[static_cast<std::size_t>(number - 1)];
    return QPoint(problem.gridLeft, problem.gridTop) + at + kLineOffset;
}

void ConnectGame::drawLine(const Problem &problem, int from, int to)
{
    QPainter painter(&m_canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLineColour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(lineEnd(problem, from), lineEnd(problem, to));
}

bool ConnectGame::judgeStep(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    if (selected != p.targetTile)
        return false;
    const int count = static_cast<int>(m_data.points.size());
    const int g = p.answersGiven + 1;   // the frame counts this step after the verdict
    if (p.problemValue() != 0) {
        finish(ctx);
        return true;
    }
    trace("connect", {{"number", QString::number(g)}, {"of", QString::number(count)}});
    if (g >= 2)
        drawLine(p, g - 1, g);
    if (g < count) {
        p.targetTile = g + 1;
        trace("target", {{"tile", QString::number(p.targetTile)}});
        if (g >= 2)
            host.drawBox(GameBox::Tile, g - 1);
        host.drawBox(GameBox::Tile, g);
        host.drawBox(GameBox::Screen, 0);
        return true;
    }
    if (m_data.closed && count >= 3)
        drawLine(p, count, 1);
    host.drawBox(GameBox::Screen, 0);
    startChoice(ctx);
    return true;
}

void ConnectGame::startChoice(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    const int count = static_cast<int>(m_data.points.size());
    p.setProblemValue(1);
    p.targetTile = m_rightChoice;
    trace("target", {{"tile", QString::number(p.targetTile)}});
    // The labels stay visible, in their done look, under the lines.
    for (int i = 1; i <= count; ++i)
        host.hideTile(i);
    for (int i = 1; i <= count; ++i)
        host.drawBox(GameBox::Back, i);
    p.tileCount = 3;
    p.gridRows = 3;
    p.gridColumns = 1;
    for (int slot = 1; slot <= 3; ++slot) {
        host.placeBox(GameBox::Tile, slot, QRect(QPoint(kChoiceLeft, kChoiceTops[slot - 1]), kChoiceSize));
        host.showTile(slot);
    }
    host.selectTile(1);
    p.selectedTile = 1;
}

void ConnectGame::finish(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    m_solved = true;
    for (int slot = 1; slot <= 3; ++slot)
        host.hideTile(slot);
    for (int i = 1; i <= static_cast<int>(m_data.points.size()); ++i)
        host.hideBox(GameBox::Back, i);
    host.placeBox(GameBox::Tile, 4, QRect(p.gridLeft + 10, p.gridTop + 10, 440, 440));
    host.showTile(4);
    trace("connect-picture", {{"figure", QString::number(m_figure)}});
}

int ConnectGame::cursorStep(const Problem &problem, int key, int from) const
{
    if (problem.problemValue() != 0)
        return -1;
    const bool forward = key == GameKey::Space || key == GameKey::Right || key == GameKey::Down;
    return connectCursorStep(m_order, problem.answersGiven, from, forward);
}

bool ConnectGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                           std::vector<PictureDraw> &out) const
{
    (void)size, (void)host;
    const int count = static_cast<int>(m_data.points.size());
    const bool choosing = problem.problemValue() != 0;
    switch (box) {
    case GameBox::Screen:
        out.push_back({QString(), QPoint(0, 0), false, m_canvas});
        return true;
    case GameBox::Back:
        if (n < 1 || n > count)
            return false;
        out.push_back({problem.stem(n) + QStringLiteral("d.jpg"), QPoint(0, 0)});
        return true;
    case GameBox::Tile:
        if (m_solved && n == 4) {
            out.push_back({m_figurePrefix + two(m_figure) + QStringLiteral(".Jpg"), QPoint(0, 0)});
            return true;
        }
        if (choosing && n >= 1 && n <= 3) {
            out.push_back({problem.stem(20 + n) + look + QStringLiteral(".jpg"), QPoint(0, 0)});
            return true;
        }
        if (!choosing && n >= 1 && n <= count) {
            const QString tail = n <= problem.answersGiven ? QStringLiteral("d.jpg") : QString(look) + QStringLiteral(".Jpg");
            out.push_back({problem.stem(n) + tail, QPoint(0, 0)});
            return true;
        }
        return false;
    default:
        return false;
    }
}

QStringList ConnectGame::mediaNames(const Problem &problem) const
{
    QStringList names;
    for (int i = 1; i <= static_cast<int>(m_data.points.size()); ++i)
        for (const char *tail : {"n.Jpg", "k.Jpg", "d.jpg"})
            names << problem.stem(i) + QLatin1String(tail);
    for (int slot = 1; slot <= 3; ++slot)
        for (const char *tail : {"n.jpg", "k.jpg"})
            names << m_figurePrefix + two(m_choice[slot]) + QLatin1String(tail);
    names << m_figurePrefix + two(m_figure) + QStringLiteral(".Jpg");
    return names;
}

} // namespace flumo
