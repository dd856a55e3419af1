#include "exercises/gapequations.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace equations {

int levelRange(int level)
{
    static const int ranges[] = {3, 5, 10, 20, 10, 20, 100};
    return ranges[clampLevel(level) - 1];
}

int clampLevel(int level)
{
    return std::clamp(level, 1, 7);
}

void fillTiles(Problem &p, Random &random, int level, int target, std::int32_t answer)
{
    level = clampLevel(level);
    const int range = levelRange(level);
    const bool tens = level == 5;
    std::array<bool, 101> used{};
    const auto mark = [&used](int v) {
        if (v >= 0 && v <= 100)
            used[static_cast<std::size_t>(v)] = true;
    };
    mark(tens ? answer / 10 : answer);
    int lo = 1, hi = range;
    if (level == 7) {
        const int base = answer < 5 ? 0 : answer <= 95 ? answer - 5 : 90;
        lo = base + 1, hi = base + 10;
    }
    const int n = std::clamp(p.tileCount, 0, kTileInfoCount - 1);
    p.tileValue[static_cast<std::size_t>(target)] = answer;
    for (int i = 1; i <= n; ++i) {
        if (i == target)
            continue;
        // The layouts never ask for more tiles than a range has values; if
        // one did, the tile would repeat lo rather than loop for ever.
        int v = lo;
        if (std::any_of(used.begin() + lo, used.begin() + hi + 1, [](bool u) { return !u; }))
            do
                v = random.range(lo, hi);
            while (used[static_cast<std::size_t>(v)]);
        mark(v);
        p.tileValue[static_cast<std::size_t>(i)] = tens ? 10 * v : v;
    }
}

QString displayNumber(const Problem &p, std::int32_t n)
{
    return p.altPicturePrefix + NumberToText(n, p.altNumberWidth) + QStringLiteral("d.jpg");
}

} // namespace equations

namespace {

const QString kPlus = QStringLiteral("obr\\201\\plus.jpg");
const QString kMinus = QStringLiteral("obr\\201\\minus.jpg");
const QString kEquals = QStringLiteral("obr\\201\\rovnase.jpg");
const QString kGap = QStringLiteral("obr\\okno.jpg");
const QString kWideGap = QStringLiteral("obr\\okno100.jpg");
const QString kSignGap = QStringLiteral("obr\\okno2.jpg");
constexpr int kMinGapWidth = 135;
constexpr int kRowLeft = 10;
constexpr int kOverhang = 7;   // a wider answer in 306 starts this far left of its gap

// X op Y = S at a level; the draws in the fixed order of the rules.
void makeEquation(GapEquation &eq, Random &random, int level, bool withZero)
{
    const int range = equations::levelRange(level);
    do {
        if (!eq.addition) {
            if (range == 20) {
                eq.x = random.range(11, 20);
                if (level == 4) {
                    eq.y = random.range(1, eq.x - 10);          // the result stays 10 or more
                } else if (eq.x < 19) {
                    do
                        eq.y = random.range(1, 9);              // crossing ten
                    while (eq.x - eq.y > 9);
                } else {
                    eq.y = 10;
                }
            } else {
                eq.x = random.range(1, range);
                eq.y = random.range(1, eq.x);
            }
            eq.s = eq.x - eq.y;
        } else {
            if (range == 20) {
                eq.s = random.range(11, 20);
                if (level == 4) {
                    eq.x = random.range(11, eq.s);
                    if (random.range(1, 2) == 2)
                        eq.x -= 10;                             // a unit plus a teen
                } else if (eq.s < 19) {
                    do
                        eq.x = random.range(1, 9);              // crossing ten
                    while (eq.s - eq.x > 9);
                } else {
                    eq.x = 10;
                }
            } else {
                eq.s = random.range(1, range);
                eq.x = random.range(0, eq.s);
            }
            eq.y = eq.s - eq.x;
        }
    } while (!withZero && (eq.x == 0 || eq.y == 0 || eq.s == 0));
    if (level == 5)
        eq.x *= 10, eq.y *= 10, eq.s *= 10;
}

int widthOf(ProblemHost &host, const QString &picture)
{
    const QSize size = host.pictureSize(picture);
    return size.isValid() ? size.width() : 0;
}

} // namespace

void GapEquationGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    m_host = &ctx.host;
    m_task = ctx.state.currentTask;
    m_subtask = ctx.state.currentSubtask;
    const int level = equations::clampLevel(ctx.state.currentLevel);
    const bool signs = m_task == 310;
    const bool resultFirst = m_task == 305 && (m_subtask == 3 || m_subtask == 4);
    m_eq = GapEquation{};
    m_row = equations::DisplayRow{};
    const int n = std::clamp(p.tileCount, 1, kTileInfoCount - 1);
    p.tileCount = n;

    // Step 1: where the gap is and which tile answers.
    m_eq.gapPosition = m_task == 305 ? 3 : random.range(1, 2);
    p.targetTile = signs ? m_eq.gapPosition : random.range(1, n);
    p.setProblemValue(0);

    // Steps 2 and 3: the equation.
    m_eq.addition = signs ? p.targetTile == 1 : (m_subtask == 1 || m_subtask == 3);
    makeEquation(m_eq, random, level, !ctx.settings.noZero);

    // Step 4: tiles.
    if (signs) {
        p.tileInfo[1].name = p.tilePicturePrefix + QStringLiteral("01");
        p.tileInfo[2].name = p.tilePicturePrefix + QStringLiteral("02");
        m_eq.gapPosition = 0;
        p.tileValue[1] = m_eq.x;
        p.tileValue[2] = m_eq.y;
        p.tileValue[3] = m_eq.s;
    } else {
        const std::int32_t g = m_eq.gapPosition == 1 ? m_eq.x : m_eq.gapPosition == 2 ? m_eq.y : m_eq.s;
        equations::fillTiles(p, random, level, p.targetTile, g);
    }

    // Step 5: the display pictures.
    const QString gap = p.tileValue[static_cast<std::size_t>(p.targetTile)] > 19 ? kWideGap : kGap;
    const auto number = [&p](std::int32_t v) { return equations::displayNumber(p, v); };
    const QString op = m_eq.addition ? kPlus : kMinus;
    auto &pic = m_row.picture;
    if (resultFirst) {
        pic = {QString(), gap, kEquals, number(m_eq.x), op, number(m_eq.y)};
        m_eq.gapPosition = 1;
        m_eq.gapBox = 1;
    } else {
        pic[1] = m_eq.gapPosition == 1 ? gap : number(m_eq.x);
        pic[2] = signs ? kSignGap : op;
        pic[3] = m_eq.gapPosition == 2 ? gap : number(m_eq.y);
        pic[4] = kEquals;
        pic[5] = m_eq.gapPosition == 3 ? gap : number(m_eq.s);
        m_eq.gapBox = signs ? 2 : 2 * m_eq.gapPosition - 1;
    }
    pic[6] = number(m_eq.s);
    m_row.count = 5;

    // Step 6: tiles laid out and shown, then the boxes from the left; the
    // box after the gap leaves room for the widest answer.
    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= n; ++i)
        ctx.host.showTile(i);
    m_eq.gapWidth = std::max(kMinGapWidth, widthOf(ctx.host, p.stem(p.targetTile) + QStringLiteral("d.jpg")));
    const int widenedBox = m_eq.gapPosition == 1 ? 1 : m_eq.gapPosition == 2 ? 3 : 0;
    int left = kRowLeft;
    for (int k = 1; k <= m_row.count; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        m_row.left[i] = left;
        m_row.width[i] = widthOf(ctx.host, pic[i]);
        ctx.host.placeDisplayBox(k, pic[i], left, m_row.width[i], true);
        left += k == widenedBox ? m_eq.gapWidth : m_row.width[i];
    }

    trace("gap-equation", {{"x", QString::number(m_eq.x)},
                           {"op", m_eq.addition ? QStringLiteral("+") : QStringLiteral("-")},
                           {"y", QString::number(m_eq.y)},
                           {"s", QString::number(m_eq.s)},
                           {"gap", QString::number(m_eq.gapPosition)}});
}

bool GapEquationGenerator::judgeAnswer(Problem &p, int selected)
{
    if (selected < 1 || selected > p.tileCount || selected >= kTileInfoCount)
        return false;
    const bool eitherSign = m_task == 310 && p.tileValue[2] == 0;
    if (selected != p.targetTile && !eitherSign)
        return false;
    if (!m_host)
        return true;
    // The answer fills its gap: 305 at its own width where the gap was,
    // 306 centred in the gap (or a little to the left when wider), 310
    // centred in the sign gap.
    const int k = m_eq.gapBox;
    const std::size_t i = static_cast<std::size_t>(k);
    const QString answer = p.stem(selected) + QStringLiteral("d.jpg");
    const QSize size = m_host->pictureSize(answer);
    const int w = size.isValid() ? size.width() : m_row.width[i];
    int left = m_row.left[i];
    if (m_task == 306) {
        const int room = m_eq.gapWidth;
        left += w <= room ? (room - w) / 2 : -kOverhang;
    } else if (m_task == 310) {
        left += (m_row.width[i] - w) / 2;
    }
    m_row.picture[i] = answer;
    m_host->placeDisplayBox(k, answer, left, w, true);
    return true;
}

QStringList GapEquationGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    const auto add = [&names](const QString &name) {
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    };
    for (int i = 1; i <= p.tileCount && i < kTileInfoCount; ++i) {
        add(p.stem(i) + QStringLiteral("n.Jpg"));
        add(p.stem(i) + QStringLiteral("k.Jpg"));
    }
    for (int k = 1; k <= m_row.count; ++k)
        add(m_row.picture[static_cast<std::size_t>(k)]);
    // What right answers bring into the gap (both signs when either is right).
    add(p.stem(p.targetTile) + QStringLiteral("d.jpg"));
    if (m_task == 310)
        for (int i = 1; i <= 2; ++i)
            add(p.stem(i) + QStringLiteral("d.jpg"));
    return names;
}

std::unique_ptr<Generator> makeGapEquationGenerator()
{
    return std::make_unique<GapEquationGenerator>();
}

} // namespace flumo
