#include "exercises/shapes.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>
#include <cstdlib>

namespace flumo {

namespace {

constexpr int kShapeTiles = 6;
constexpr int kMultiShapes = 107;
// 107 keeps pair k's target look in TileValue[11 + 3(k - 1)] and the two after.
constexpr int kPairLookBase = 11;

QString pad(long long value, int width)
{
    return NumberToText(value, width);
}

QString stemOf(const Problem &p, const ShapeLook &look)
{
    return p.tilePicturePrefix + pad(look.shape, 2) + u'_' + pad(look.size, 2) + u'_' + pad(look.colour, 2);
}

void appendOnce(QStringList &list, const QString &name)
{
    if (!name.isEmpty() && !list.contains(name))
        list.append(name);
}

// Random(lo..hi) drawn again while it equals `avoid`; 0 avoids nothing.
int drawBut(Random &random, int lo, int hi, int avoid)
{
    if (lo == hi)
        return lo;
    int v;
    do {
        v = random.range(lo, hi);
    } while (v == avoid);
    return v;
}

} // namespace

int shapeCount(int level)
{
    return level <= 1 ? 3 : 8;
}

bool showsFoundInAnswerBox(int task)
{
    return (task >= 103 && task <= 106) || task == 110;
}

void ShapeGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    const int task = ctx.state.currentTask;
    const int shapes = shapeCount(std::clamp(ctx.state.currentLevel, 1, 2));
    const int n = std::clamp(p.tileCount, 0, kShapeTiles);
    m_task = task;
    m_host = &ctx.host;
    m_nextLeft = 10;
    m_looks = {};
    m_sizeFlag = 1;
    m_taskSound.clear();
    p.setProblemValue(0);
    for (int i = 1; i <= kPairLookBase + 9; ++i)
        p.tileValue[static_cast<std::size_t>(i)] = 0;

    std::array<bool, kShapeTiles + 1> occupied{};
    int occupiedCount = 0;
    // A random free tile, marked occupied; 0 once every tile is taken.
    const auto freeTile = [&]() {
        if (occupiedCount >= n)
            return 0;
        int t;
        do {
            t = random.range(1, n);
        } while (occupied[static_cast<std::size_t>(t)]);
        occupied[static_cast<std::size_t>(t)] = true;
        ++occupiedCount;
        return t;
    };
    const auto place = [&](const ShapeLook &look) {
        if (const int t = freeTile())
            m_looks[static_cast<std::size_t>(t)] = look;
    };

    // Step 1: the target.
    const int s0 = random.range(1, shapes);
    const int z0 = random.range(1, kShapeSizes);
    const int c0 = random.range(1, kShapeColours);
    m_target = {s0, z0, c0};
    p.targetTile = freeTile();
    if (p.targetTile == 0)
        return;
    m_looks[static_cast<std::size_t>(p.targetTile)] = m_target;

    // Step 2: the companions that make the description necessary. Sizes
    // next to the target's would be too close to call one "small" and the
    // other "large", so 105 and 106 keep their size contrast two steps away.
    const bool sizeSpoken = task == 105 || task == 106;
    const auto drawSize = [&]() {
        int z;
        do {
            z = random.range(1, kShapeSizes);
        } while (sizeSpoken ? std::abs(z - z0) <= 1 : z == z0);
        return z;
    };
    if (task == 104 || task == 105) {           // A: the shape in another size
        ShapeLook a{s0, drawSize(), 0};
        a.colour = task == 104 ? drawBut(random, 1, kShapeColours, c0) : random.range(1, kShapeColours);
        m_sizeFlag = a.size > z0 ? 2 : 1;
        place(a);
    }
    if (task == 104 || task == 106) {           // B: the colour
        ShapeLook b{task == 106 ? s0 : drawBut(random, 1, shapes, s0), drawSize(), c0};
        if (task == 106)
            m_sizeFlag = b.size > z0 ? 2 : 1;
        place(b);
    }
    if (task == 105 || task == 106) {           // C: the size
        ShapeLook c{task == 106 ? s0 : drawBut(random, 1, shapes, s0), z0, 0};
        c.colour = task == 106 ? drawBut(random, 1, kShapeColours, c0) : random.range(1, kShapeColours);
        place(c);
    }

    // Step 3: the rest share nothing the task names.
    const int blankSize = (task == 103 || task == 104) ? 0 : z0;
    const int blankColour = (task == 103 || task == 105) ? 0 : c0;
    for (int i = 1; i <= n; ++i) {
        if (occupied[static_cast<std::size_t>(i)])
            continue;
        ShapeLook o;
        o.shape = drawBut(random, 1, shapes, s0);
        o.size = drawBut(random, 1, kShapeSizes, blankSize);
        o.colour = drawBut(random, 1, kShapeColours, blankColour);
        m_looks[static_cast<std::size_t>(i)] = o;
    }

    // Step 4: 107 shows three pairs; each pair's even tile is its target.
    if (task == kMultiShapes) {
        occupied.fill(false);
        occupiedCount = 0;
        std::array<bool, 9> shapeUsed{};
        int avoidSize = z0, avoidColour = c0, pairShape = 0;
        for (int i = 1; i <= kShapeTiles && i <= n; ++i) {
            const int z = drawBut(random, 1, kShapeSizes, avoidSize);
            const int c = drawBut(random, 1, kShapeColours, avoidColour);
            const int t = freeTile();
            if (i % 2 == 1) {
                do {
                    pairShape = random.range(1, shapes);
                } while (shapeUsed[static_cast<std::size_t>(pairShape)]);
                shapeUsed[static_cast<std::size_t>(pairShape)] = true;
                avoidSize = z, avoidColour = c;
            } else {
                const int k = i / 2;
                p.tileValue[static_cast<std::size_t>(k)] = t;
                const auto at = static_cast<std::size_t>(kPairLookBase + 3 * (k - 1));
                p.tileValue[at] = pairShape, p.tileValue[at + 1] = z, p.tileValue[at + 2] = c;
                avoidSize = 0, avoidColour = 0;
            }
            m_looks[static_cast<std::size_t>(t)] = {pairShape, z, c};
        }
        p.targetTile = p.tileValue[1];
    } else {
        for (int i = 1; i <= n; ++i) {
            const ShapeLook &l = m_looks[static_cast<std::size_t>(i)];
            p.tileValue[static_cast<std::size_t>(i)] = l.shape * 100 + l.size * 10 + l.colour;
        }
    }
    for (int i = 1; i <= n; ++i)
        p.tileInfo[static_cast<std::size_t>(i)].name = stemOf(p, m_looks[static_cast<std::size_t>(i)]);

    // Step 5: the screen.
    ctx.host.layOutTiles();
    p.samplePicture = p.stem(p.targetTile) + QStringLiteral("d.jpg");
    ctx.host.drawPatternRow(0, true, false);
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);

    // Step 6: the spoken task.
    const QString folder = QStringLiteral("Zvuky\\") + pad(task, 3) + QStringLiteral("\\zv");
    switch (task) {
    case 103: m_taskSound = folder + pad(s0, 2); break;
    case 104: m_taskSound = folder + pad(s0, 2) + u'_' + pad(c0, 2); break;
    case 105: m_taskSound = folder + pad(s0, 2) + u'_' + pad(m_sizeFlag, 2); break;
    case 106: m_taskSound = folder + pad(s0, 2) + u'_' + pad(m_sizeFlag, 2) + u'_' + pad(c0, 2); break;
    default: break;
    }
    if (!m_taskSound.isEmpty())
        m_taskSound += QStringLiteral(".wav");
    else if (task == kMultiShapes)
        m_taskSound = pairSound(p, 1);
    ctx.host.playSound(m_taskSound, false);
}

QString ShapeGenerator::pairSound(const Problem &p, int k) const
{
    if (k < 1 || k > 3)
        return {};
    const auto at = static_cast<std::size_t>(kPairLookBase + 3 * (k - 1));
    return QStringLiteral("Zvuky\\104\\zv") + pad(p.tileValue[at], 2) + u'_' + pad(p.tileValue[at + 2], 2)
        + QStringLiteral(".wav");
}

bool ShapeGenerator::judgeAnswer(Problem &p, int selected)
{
    if (m_task != kMultiShapes)
        return selected == p.targetTile;
    const int k = p.answersGiven + 1;
    if (k < 1 || k > 3 || selected != p.tileValue[static_cast<std::size_t>(k)])
        return false;
    p.targetTile = selected;
    if (m_host) {
        const QString picture = p.stem(selected) + QStringLiteral("d.jpg");
        const QSize size = m_host->pictureSize(picture);
        const int width = size.isValid() ? size.width() : 0;
        const int left = k == 1 ? 10 : m_nextLeft;
        m_host->placeDisplayBox(k, picture, left, width, true);
        m_nextLeft = left + width;
        if (k < p.answersNeeded)
            m_host->playSound(pairSound(p, k + 1), false);
    }
    if (k < p.answersNeeded) {
        // The keyboard and the trace follow the shape asked for next.
        p.targetTile = p.tileValue[static_cast<std::size_t>(k + 1)];
        trace("target", {{"tile", QString::number(p.targetTile)}});
    }
    return true;
}

QStringList ShapeGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    const int n = std::clamp(p.tileCount, 0, kShapeTiles);
    for (int i = 1; i <= n; ++i) {
        appendOnce(names, p.stem(i) + QStringLiteral("n.Jpg"));
        appendOnce(names, p.stem(i) + QStringLiteral("k.Jpg"));
    }
    appendOnce(names, m_taskSound);
    if (m_task == kMultiShapes) {
        for (int k = 1; k <= std::min(p.answersNeeded, 3); ++k) {
            appendOnce(names, p.stem(p.tileValue[static_cast<std::size_t>(k)]) + QStringLiteral("d.jpg"));
            appendOnce(names, pairSound(p, k));
        }
    } else {
        appendOnce(names, p.samplePicture);
    }
    return names;
}

std::unique_ptr<Generator> makeShapeGenerator()
{
    return std::make_unique<ShapeGenerator>();
}

} // namespace flumo
