#include "games/colouring.h"
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

constexpr int kColouringTask = 411;

bool inside(const QImage &img, QPoint at)
{
    return at.x() >= 0 && at.y() >= 0 && at.x() < img.width() && at.y() < img.height();
}

QRgb pixelAt(const QImage &img, QPoint at)
{
    return inside(img, at) ? (img.pixel(at) | 0xff000000) : kColouringBlack;
}

QString two(int v)
{
    return NumberToText(v, 2);
}

} // namespace

std::vector<int> regionPixels(const QImage &img, QPoint at)
{
    std::vector<int> out;
    if (pixelAt(img, at) == kColouringBlack)
        return out;
    const int w = img.width();
    const int h = img.height();
    std::vector<unsigned char> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    // Rows through one base pointer: a scan-line call per pixel visited was
    // most of a colouring problem's build.
    const uchar *bits = img.constBits();
    const qsizetype stride = img.bytesPerLine();
    const auto open = [&](int x, int y) {
        const auto *line = reinterpret_cast<const QRgb *>(bits + y * stride);
        return !seen[static_cast<std::size_t>(y * w + x)] && (line[x] | 0xff000000) != kColouringBlack;
    };
    // Scanline fill: each stack entry is a seed; its whole run is taken and
    // the rows above and below are searched for new runs.
    std::vector<QPoint> stack{at};
    while (!stack.empty()) {
        const QPoint s = stack.back();
        stack.pop_back();
        const int y = s.y();
        if (!open(s.x(), y))
            continue;
        int x0 = s.x();
        while (x0 > 0 && open(x0 - 1, y))
            --x0;
        int x1 = s.x();
        while (x1 + 1 < w && open(x1 + 1, y))
            ++x1;
        for (int x = x0; x <= x1; ++x) {
            seen[static_cast<std::size_t>(y * w + x)] = 1;
            out.push_back(y * w + x);
        }
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            bool inRun = false;
            for (int x = x0; x <= x1; ++x) {
                const bool o = open(x, ny);
                if (o && !inRun)
                    stack.push_back(QPoint(x, ny));
                inRun = o;
            }
        }
    }
    return out;
}

void fillPixels(QImage &img, const std::vector<int> &pixels, QRgb colour)
{
    if (pixels.empty())
        return;
    const int w = img.width();
    uchar *bits = img.bits();   // detaches once, not once per pixel
    const qsizetype stride = img.bytesPerLine();
    for (int i : pixels)
        reinterpret_cast<QRgb *>(bits + (i / w) * stride)[i % w] = colour;
}

void hatchPixels(QImage &img, const std::vector<int> &pixels, bool cross)
{
    const int w = img.width();
    constexpr int kSpacing = 8;
    for (int i : pixels) {
        const int x = i % w;
        const int y = i / w;
        if ((x + y) % kSpacing == 0 || (cross && ((x - y) % kSpacing + kSpacing) % kSpacing == 0))
            reinterpret_cast<QRgb *>(img.scanLine(y))[x] = kColouringHatch;
    }
}

ColouringData readColouringData(const IniFile &ini, int colours)
{
    ColouringData d;
    for (int i = 1; i <= std::min(colours, 9); ++i) {
        const QString n = QString::number(i);
        d.palette[static_cast<std::size_t>(i)] = qRgb(ini.readInt(QStringLiteral("barvy"), QStringLiteral("r") + n, 10),
                                                      ini.readInt(QStringLiteral("barvy"), QStringLiteral("g") + n, 10),
                                                      ini.readInt(QStringLiteral("barvy"), QStringLiteral("b") + n, 10));
    }
    const int count = std::clamp(ini.readInt(QStringLiteral("Plochy"), QStringLiteral("Pocet ploch"), 10), 0, 99);
    for (int r = 1; r <= count; ++r) {
        const QString s = QStringLiteral("Plocha") + two(r);
        ColourRegion region;
        region.mark = QPoint(ini.readInt(s, QStringLiteral("x"), 10), ini.readInt(s, QStringLiteral("y"), 10));
        region.colour = ini.readInt(s, QStringLiteral("b"), 1);
        d.regions.push_back(region);
    }
    const int places = std::clamp(ini.readInt(QStringLiteral("Barevne"), QStringLiteral("Pocet ploch"), 10), 0, 99);
    for (int m = 1; m <= places; ++m) {
        const QString s = QStringLiteral("Barevne") + two(m);
        d.precoloured.push_back(QPoint(ini.readInt(s, QStringLiteral("x"), 10), ini.readInt(s, QStringLiteral("y"), 10)));
    }
    return d;
}

std::array<QRgb, kColouringPaletteSize + 1> rewardPalette()
{
    return {0,
            qRgb(248, 240, 0),  qRgb(248, 136, 32), qRgb(224, 0, 40),  qRgb(64, 160, 232), qRgb(8, 200, 72),
            qRgb(144, 88, 56),  qRgb(232, 80, 168), qRgb(144, 40, 192), qRgb(48, 64, 152), qRgb(8, 120, 72)};
}

std::unique_ptr<Generator> makeColouringGame()
{
    return std::make_unique<ColouringGame>();
}

QString ColouringGame::dataFileName(const Problem &problem, int task, int subtask, int p)
{
    const QString suffix = task == kColouringReward ? QString() : (u'_' + QString::number(4 * subtask)).left(2);
    return problem.altPicturePrefix + two(p) + suffix + QStringLiteral(".INI");
}

QString ColouringGame::outlineName(const Problem &problem, int p)
{
    return problem.altPicturePrefix + two(p) + QStringLiteral(".bmp");
}

QRgb ColouringGame::tileColour(const Problem &problem, int i) const
{
    if (i < 1 || i > kColouringPaletteSize)
        return kColouringWhite;
    const int v = problem.tileValue[static_cast<std::size_t>(i)];
    return v >= 1 && v <= kColouringPaletteSize ? m_palette[static_cast<std::size_t>(v)] : kColouringWhite;
}

int ColouringGame::tileFor(const Problem &problem, int r) const
{
    if (r < 1 || r > static_cast<int>(m_regions.size()))
        return 0;
    const int colour = m_regions[static_cast<std::size_t>(r - 1)].colour;
    for (int i = 1; i <= std::min(problem.tileCount, kColouringPaletteSize); ++i)
        if (colour != 0 && problem.tileValue[static_cast<std::size_t>(i)] == colour)
            return i;
    return 0;
}

QString ColouringGame::taskPicture(int r) const
{
    if (m_task != kColouringTask || r < 1 || r > static_cast<int>(m_regions.size()))
        return {};
    const ColourRegion &g = m_regions[static_cast<std::size_t>(r - 1)];
    return (g.op == 1 ? QStringLiteral("obr\\soucty\\sou") : QStringLiteral("obr\\rozdil\\roz")) + two(g.a) + u'_'
        + two(g.b) + QStringLiteral("d.Jpg");
}

void ColouringGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    Random &random = ctx.random;
    m_task = ctx.state.currentTask;
    m_oneKey = ctx.settings.oneKey;
    m_picking = false;
    m_finishing = false;
    m_current = 0;
    const bool reward = m_task == kColouringReward;
    const int subtask = std::clamp(ctx.state.currentSubtask, 1, 2);

    // 1. The picture and its data file.
    if (reward)
        m_picture = std::clamp(ctx.settings.cardSet, 1, 10);
    else if (ctx.state.currentLevel <= 1)
        m_picture = random.range(1, 9);
    else
        m_picture = subtask == 1 ? random.range(1, 10) : random.range(1, 8);
    p.setProblemValue(m_picture);
    const QString dataName = dataFileName(p, m_task, subtask, m_picture);
    m_dataName = dataName;
    const QByteArray bytes = host.readDataFile(dataName);
    if (bytes.isEmpty())
        trace("colouring-missing", {{"file", dataName}});
    const ColouringData data = readColouringData(IniFile::fromBytes(bytes), reward ? 0 : 4 * subtask);

    // 2.
    p.targetTile = 0;
    m_regions = data.regions;
    p.answersNeeded = static_cast<int>(m_regions.size());
    m_palette = reward ? rewardPalette() : data.palette;

    // 3. Boxes.
    if (!reward) {
        p.tilePicturePrefix += two(m_picture) + u'_';
        host.placeBox(GameBox::Price, 0, QRect(0, 0, 465, 380));
        host.placeBox(GameBox::Task, 0, QRect(0, 0, 216, 80));
    } else {
        host.placeBox(GameBox::Price, 0, QRect(0, 0, 480, 480));
        host.placeBox(GameBox::Picture, 0, QRect(566, 64, 207, 23));
    }

    // 4. Outline, canvas and mask.
    const QSize boxSize = reward ? QSize(480, 480) : QSize(465, 380);
    m_canvas = host.pictureImage(outlineName(p, m_picture)).convertToFormat(QImage::Format_RGB32);
    if (m_canvas.isNull()) {
        m_canvas = QImage(boxSize, QImage::Format_RGB32);
        m_canvas.fill(kColouringWhite);
    }
    m_mask = m_canvas.copy();
    if (!reward) {
        for (QPoint at : data.precoloured)
            fillPixels(m_mask, regionPixels(m_mask, at), kColouringBlack);
    } else {
        p.answersNeeded = 9;
        fillPixels(m_mask, regionPixels(m_mask, QPoint(10, 10)), kColouringBlack);
    }

    // 6. Tiles: a random order of the colours; in 411 distinct numbers and
    // the regions' tasks.
    const int n = std::min(p.tileCount, kColouringPaletteSize);
    for (int i = 1; i <= n; ++i)
        p.tileValue[static_cast<std::size_t>(i)] = i;
    m_tileNumber.fill(0);
    if (!reward) {
        for (int i = n; i > 1; --i)
            std::swap(p.tileValue[static_cast<std::size_t>(i)], p.tileValue[static_cast<std::size_t>(random.range(1, i))]);
        for (int i = 1; i <= n; ++i) {
            int v;
            do {
                v = random.range(1, 9);
            } while (std::find(m_tileNumber.begin() + 1, m_tileNumber.begin() + i, v) != m_tileNumber.begin() + i);
            m_tileNumber[static_cast<std::size_t>(i)] = v;
        }
    }
    // A region that cannot be picked (its marker on black) or needs a colour
    // no tile has is counted as done now.
    for (std::size_t r = 0; r < m_regions.size(); ++r) {
        ColourRegion &g = m_regions[r];
        const bool pickable = pixelAt(m_mask, g.mark) != kColouringBlack;
        const int t = tileFor(p, static_cast<int>(r) + 1);
        if (!reward && (!pickable || t == 0)) {
            trace("colouring-skip", {{"region", QString::number(r + 1)}});
            g.colour = 0;
            --p.answersNeeded;
            continue;
        }
        if (reward)
            continue;
        const int sum = m_tileNumber[static_cast<std::size_t>(t)];
        g.op = random.range(1, 2);
        if (g.op == 1) {
            g.a = random.range(0, sum);
            g.b = sum - g.a;
        } else {
            do {
                g.b = random.range(0, 10);
            } while (sum + g.b > 10);
            g.a = sum + g.b;
        }
    }

    // 5. The region cursor starts on the first region still to do.
    m_current = 1;
    for (std::size_t r = 0; r < m_regions.size(); ++r)
        if (m_regions[r].colour != 0) {
            m_current = static_cast<int>(r) + 1;
            break;
        }
    m_previous = m_current;
    m_hatch = QPoint(1, 0);
    if (!m_regions.empty())
        highlightRegion(m_regions[static_cast<std::size_t>(m_current - 1)].mark);

    // 7.
    m_enabled.fill(true);
    host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= n; ++i)
        host.showTile(i);
    // 8.
    if (reward && !m_oneKey)
        m_picking = true;

    QStringList regionText;
    for (const ColourRegion &g : m_regions)
        regionText << QStringLiteral("%1:%2:%3:%4:%5:%6").arg(g.mark.x()).arg(g.mark.y()).arg(g.colour).arg(g.op).arg(g.a).arg(g.b);
    QStringList numbers;
    for (int i = 1; i <= n; ++i)
        numbers << QString::number(m_tileNumber[static_cast<std::size_t>(i)]);
    trace("colouring-problem", {{"picture", QString::number(m_picture)},
                                {"regions", regionText.join(u';')},
                                {"numbers", numbers.join(u',')}});
    host.drawBox(GameBox::Price, 0);
    // 9.
    if (!reward)
        host.drawBox(GameBox::Task, 0);
    else
        host.drawBox(GameBox::Picture, 0);
    showCurrent(ctx);
}

void ColouringGame::highlightRegion(QPoint at)
{
    if (m_hatch.x() != 0 && m_hatch.y() != 0) {
        const std::vector<int> old = regionPixels(m_mask, m_hatch);
        const QRgb fill = m_previous >= 1 && m_previous <= static_cast<int>(m_regions.size())
            ? m_regions[static_cast<std::size_t>(m_previous - 1)].fill
            : kColouringWhite;
        fillPixels(m_canvas, old, fill);
        fillPixels(m_mask, old, kColouringWhite);
    }
    const std::vector<int> now = regionPixels(m_mask, at);
    hatchPixels(m_canvas, now, false);
    fillPixels(m_mask, now, kColouringRed);
    m_hatch = at;
    m_mouseDown = at;
}

void ColouringGame::fillRegion(ProblemContext &ctx)
{
    const QRgb c = tileColour(ctx.problem, ctx.problem.selectedTile);
    const std::vector<int> px = regionPixels(m_mask, m_mouseDown);
    if (px.empty() || m_current < 1 || m_current > static_cast<int>(m_regions.size()))
        return;
    fillPixels(m_canvas, px, c);
    hatchPixels(m_canvas, px, true);
    m_regions[static_cast<std::size_t>(m_current - 1)].fill = c;
    trace("colouring", {{"step", QStringLiteral("fill")}, {"region", QString::number(m_current)},
                        {"tile", QString::number(ctx.problem.selectedTile)}});
    ctx.host.drawBox(GameBox::Price, 0);
}

void ColouringGame::showCurrent(ProblemContext &ctx)
{
    if (m_task != kColouringTask)
        return;
    const int t = tileFor(ctx.problem, m_current);
    if (t != ctx.problem.targetTile) {
        ctx.problem.targetTile = t;
        trace("target", {{"tile", QString::number(t)}});
    }
    ctx.host.drawBox(GameBox::Task, 0);
}

void ColouringGame::stepRegion(ProblemContext &ctx)
{
    const int count = static_cast<int>(m_regions.size());
    if (count == 0)
        return;
    m_previous = m_current;
    for (int k = 1; k <= count; ++k) {
        const int r = (m_current - 1 + k) % count + 1;
        if (m_regions[static_cast<std::size_t>(r - 1)].colour != 0) {
            m_current = r;
            break;
        }
    }
    highlightRegion(m_regions[static_cast<std::size_t>(m_current - 1)].mark);
    trace("colouring", {{"step", QStringLiteral("region")}, {"region", QString::number(m_current)}});
    ctx.host.drawBox(GameBox::Price, 0);
    showCurrent(ctx);
}

void ColouringGame::enableTiles(ProblemContext &ctx, bool all)
{
    const Problem &p = ctx.problem;
    for (int i = 1; i <= std::min(p.tileCount, kColouringPaletteSize); ++i) {
        const bool on = all || i == p.selectedTile;
        if (m_enabled[static_cast<std::size_t>(i)] != on) {
            m_enabled[static_cast<std::size_t>(i)] = on;
            ctx.host.setTileEnabled(i, on);
        }
    }
}

bool ColouringGame::keyEnter(ProblemContext &ctx, int &key, InputFrom from)
{
    Problem &p = ctx.problem;
    const bool reward = m_task == kColouringReward;
    if (!m_picking) {
        // The colour is taken.
        m_picking = true;
        trace("colouring", {{"step", QStringLiteral("colour")}, {"tile", QString::number(p.selectedTile)}});
        if (reward)
            fillRegion(ctx);
        enableTiles(ctx, false);
        if (m_current >= 1 && m_current <= static_cast<int>(m_regions.size()))
            ctx.host.movePointer(GameBox::Price, 0, m_regions[static_cast<std::size_t>(m_current - 1)].mark);
        if (reward)
            stepRegion(ctx);
        return true;
    }
    if (m_current < 1 || m_current > static_cast<int>(m_regions.size()))
        return true;
    ColourRegion &g = m_regions[static_cast<std::size_t>(m_current - 1)];
    const int selected = p.selectedTile;
    const bool right = !reward && from != InputFrom::Tile && g.colour != 0 && selected >= 1
        && selected <= kColouringPaletteSize && p.tileValue[static_cast<std::size_t>(selected)] == g.colour;
    if (right) {
        g.colour = 0;
        fillRegion(ctx);
        trace("colouring", {{"step", QStringLiteral("done")}, {"region", QString::number(m_current)},
                            {"given", QString::number(p.answersGiven + 1)}});
        if (p.answersGiven + 1 >= p.answersNeeded) {
            // The common judge counts the last one and ends the problem.
            m_finishing = true;
            key = GameKey::Enter;
            return false;
        }
        ++p.answersGiven;
        showCurrent(ctx);
        return true;
    }
    if (g.colour != 0 || reward) {
        m_picking = false;
        enableTiles(ctx, true);
        trace("colouring", {{"step", QStringLiteral("back")}, {"region", QString::number(m_current)}});
    }
    return true;
}

bool ColouringGame::takeKey(ProblemContext &ctx, int &key, InputFrom from, int tile)
{
    if (!keyMode()) {
        if (key == GameKey::Enter) {
            if (from == InputFrom::Tile && tile >= 1)
                ctx.host.selectTile(tile);
            else if (from == InputFrom::Picture)
                fillRegion(ctx);
            return true;
        }
        return m_picking;
    }
    if (key == GameKey::Enter)
        return keyEnter(ctx, key, from);
    if (!m_picking)
        return false;
    if (key == GameKey::Space)
        stepRegion(ctx);
    // The colour stays chosen: the arrows do nothing while regions are picked.
    return true;
}

bool ColouringGame::click(ProblemContext &ctx, GameBox box, int n, QPoint at)
{
    (void)n;
    if (box == GameBox::Price) {
        m_mouseDown = at;
        if (pixelAt(m_mask, at) != kColouringBlack)
            ctx.host.handKey(GameKey::Enter, InputFrom::Picture);
        return true;
    }
    if (box == GameBox::Picture && m_task == kColouringReward) {
        m_oneKey = !m_oneKey;
        ctx.host.setOneKey(m_oneKey);
        m_picking = true;
        enableTiles(ctx, true);
        trace("colouring", {{"step", QStringLiteral("one-key")}, {"on", m_oneKey ? QStringLiteral("1") : QStringLiteral("0")}});
        ctx.host.drawBox(GameBox::Picture, 0);
        return true;
    }
    return false;
}

void ColouringGame::pointerMoved(ProblemContext &ctx, GameBox box, int n, QPoint at)
{
    (void)n;
    if (box != GameBox::Price || !m_picking)
        return;
    const QRgb c = pixelAt(m_mask, at);
    if (c == kColouringBlack || c == kColouringRed)
        return;
    m_previous = m_current;
    highlightRegion(at);
    m_current = static_cast<int>(m_regions.size());
    for (std::size_t r = 0; r < m_regions.size(); ++r)
        if (pixelAt(m_mask, m_regions[r].mark) == kColouringRed) {
            m_current = static_cast<int>(r) + 1;
            break;
        }
    trace("colouring", {{"step", QStringLiteral("point")}, {"region", QString::number(m_current)},
                        {"x", QString::number(at.x())}, {"y", QString::number(at.y())}});
    ctx.host.drawBox(GameBox::Price, 0);
    showCurrent(ctx);
}

bool ColouringGame::judgeStep(ProblemContext &ctx, int selected)
{
    (void)ctx, (void)selected;
    const bool last = m_finishing;
    m_finishing = false;
    return last;
}

bool ColouringGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                             std::vector<PictureDraw> &out) const
{
    (void)size;
    switch (box) {
    case GameBox::Price: {
        PictureDraw d;
        d.image = m_canvas;
        out.push_back(d);
        return true;
    }
    case GameBox::Task:
        if (m_task == kColouringTask)
            out.push_back({taskPicture(m_current), QPoint(0, -54)});
        return true;
    case GameBox::Picture:
        if (m_task == kColouringReward)
            out.push_back({m_oneKey ? QStringLiteral("obr\\411\\vybarv\\Zatrh1.jpg")
                                    : QStringLiteral("obr\\411\\vybarv\\Zatrh2.jpg"),
                           QPoint(0, 0)});
        return true;
    case GameBox::Tile: {
        if (n < 1 || n > kColouringPaletteSize)
            return false;
        if (!m_enabled[static_cast<std::size_t>(n)]) {
            out.push_back({m_task == kColouringTask ? QStringLiteral("obr\\411\\Barva0.Jpg")
                                                    : QStringLiteral("obr\\411\\Vybarv\\Barva0.Jpg"),
                           QPoint(0, 0)});
            return true;
        }
        const QString name = problem.stem(n) + look + QStringLiteral(".Jpg");
        if (m_task != kColouringTask) {
            out.push_back({name, QPoint(0, 0)});
            return true;
        }
        QImage img = host.pictureImage(name);
        if (img.isNull())
            return true;
        img = img.convertToFormat(QImage::Format_RGB32);
        {
            QPainter painter(&img);
            QFont font(QStringLiteral("Arial Black"));
            font.setPointSize(img.logicalDpiX() == 96 ? 15 : 13);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QRect(33, 25, img.width() - 33, img.height() - 25), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(m_tileNumber[static_cast<std::size_t>(n)]));
        }
        PictureDraw d;
        d.image = img;
        out.push_back(d);
        return true;
    }
    default:
        return false;
    }
}

QStringList ColouringGame::mediaNames(const Problem &problem) const
{
    QStringList out;
    const bool reward = m_task == kColouringReward;
    out << outlineName(problem, m_picture) << m_dataName;
    out << (reward ? QStringLiteral("obr\\411\\Vybarv\\Barva0.Jpg") : QStringLiteral("obr\\411\\Barva0.Jpg"));
    for (int i = 1; i <= std::min(problem.tileCount, kColouringPaletteSize); ++i)
        for (const char *look : {"n", "k"})
            out << problem.stem(i) + QLatin1String(look) + QStringLiteral(".Jpg");
    if (reward) {
        out << QStringLiteral("obr\\411\\vybarv\\Zatrh1.jpg") << QStringLiteral("obr\\411\\vybarv\\Zatrh2.jpg");
    } else {
        for (int r = 1; r <= static_cast<int>(m_regions.size()); ++r)
            if (m_regions[static_cast<std::size_t>(r - 1)].colour != 0)
                out << taskPicture(r);
    }
    return out;
}

} // namespace flumo
