#include "exercises/rows.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include <algorithm>

namespace flumo {

namespace {

constexpr int kPatterns = 112;
constexpr int kRun = 208;
constexpr int kProgression = 311;
constexpr int kBoxStep = 115;      // 112 and 311: one box every 115 pixels
constexpr int kRunGap = 23;        // 208: space between the numbers

const QString kWindow = QStringLiteral("obr\\okno2.jpg");
const QString kNumberWindow = QStringLiteral("obr\\okno6.jpg");
const QString kWideNumberWindow = QStringLiteral("obr\\okno.jpg");

QString pad(long long value, int width)
{
    return NumberToText(value, width);
}

void appendOnce(QStringList &list, const QString &name)
{
    if (!name.isEmpty() && !list.contains(name))
        list.append(name);
}

} // namespace

int patternElement(int pattern, int position)
{
    static constexpr int table[3][6] = {{1, 1, 2, 1, 1, 2}, {1, 2, 3, 1, 2, 3}, {2, 3, 3, 2, 3, 3}};
    if (pattern < 1 || pattern > 3 || position < 1 || position > 6)
        return 0;
    return table[pattern - 1][position - 1];
}

void RowGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    const int task = ctx.state.currentTask;
    const int level = std::clamp(ctx.state.currentLevel, 1, 3);
    const int n = std::clamp(p.tileCount, 0, kMaxRowLength);
    m_task = task;
    m_host = &ctx.host;
    m_row.fill(0);
    m_element.fill(0);
    m_left.fill(0);
    for (QString &d : m_display)
        d.clear();
    p.setProblemValue(0);

    // Step 1: the row.
    int set = 0, range = 0;
    if (task == kPatterns) {
        m_length = 6;
        set = random.range(1, level == 1 ? 6 : level == 2 ? 10 : 15);
        std::array<bool, 7> used{};
        for (int e = 1; e <= 6; ++e) {
            int t;
            do {
                t = random.range(1, 6);
            } while (used[static_cast<std::size_t>(t)]);
            used[static_cast<std::size_t>(t)] = true;
            m_element[static_cast<std::size_t>(e)] = t;
        }
        const int pattern = random.range(1, 3);
        for (int k = 1; k <= m_length; ++k)
            m_row[static_cast<std::size_t>(k)] = patternElement(pattern, k);
    } else if (task == kRun) {
        m_length = level == 1 ? 3 : level == 2 ? 4 : 6;
        const bool withZero = !ctx.settings.noZero;
        const int starts = (level == 1 ? 1 : level == 2 ? 2 : 5) + (withZero ? 1 : 0);
        const int offset = random.range(0, starts - 1);
        for (int k = 1; k <= m_length; ++k)
            m_row[static_cast<std::size_t>(k)] = offset + k - (withZero ? 1 : 0);
        if (random.range(1, 2) == 2)
            std::reverse(m_row.begin() + 1, m_row.begin() + 1 + m_length);
    } else {
        m_length = 6;
        range = level == 1 ? 3 : level == 2 ? 5 : 10;
        const int start = random.range(1, range);
        const int step = random.range(1, range);
        for (int k = 1; k <= m_length; ++k)
            m_row[static_cast<std::size_t>(k)] = start + (k - 1) * step;
    }
    m_gap = ctx.state.currentSubtask == 1 ? m_length : random.range(1, m_length);
    const int answer = m_row[static_cast<std::size_t>(m_gap)];

    // Step 2: the tiles.
    p.targetTile = 0;
    const auto value = [&p](int i) -> std::int32_t & { return p.tileValue[static_cast<std::size_t>(i)]; };
    if (task == kPatterns) {
        std::array<bool, 7> used{};
        for (int i = 1; i <= n; ++i) {
            int v;
            do {
                v = random.range(1, 6);
            } while (used[static_cast<std::size_t>(v)]);
            used[static_cast<std::size_t>(v)] = true;
            value(i) = (set - 1) * 6 + v;
        }
        p.targetTile = m_element[static_cast<std::size_t>(answer)];
    } else if (task == kRun) {
        std::array<bool, kMaxRowLength + 1> used{};
        const int count = std::min(n, m_length);
        for (int i = 1; i <= count; ++i) {
            int v;
            if (i == count && !used[static_cast<std::size_t>(m_gap)]) {
                v = m_gap;
            } else {
                do {
                    v = random.range(1, m_length);
                } while (used[static_cast<std::size_t>(v)]);
            }
            used[static_cast<std::size_t>(v)] = true;
            value(i) = m_row[static_cast<std::size_t>(v)];
            if (v == m_gap)
                p.targetTile = i;
        }
    } else if (n >= 1) {
        const int before = m_gap > 1 ? m_row[static_cast<std::size_t>(m_gap - 1)] : 0;
        const int after = m_gap < m_length ? m_row[static_cast<std::size_t>(m_gap + 1)] : 0;
        p.targetTile = random.range(1, n);
        value(p.targetTile) = answer;
        for (int i = 1; i <= n; ++i) {
            if (i == p.targetTile)
                continue;
            const auto onTile = [&](int v) {
                for (int j = 1; j <= n; ++j)
                    if ((j < i || j == p.targetTile) && value(j) == v)
                        return true;
                return false;
            };
            int v;
            do {
                v = answer + range - random.range(0, 2 * range - 1);
            } while (v < 1 || v == before || v == after || onTile(v));
            value(i) = v;
        }
    }
    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);

    // Step 3: the row on screen.
    int left = 10;
    for (int k = 1; k <= m_length; ++k) {
        QString picture;
        if (k == m_gap) {
            if (task == kRun)
                picture = answer == 10 ? kWideNumberWindow : kNumberWindow;
            else
                picture = kWindow;
        } else {
            const int v = task == kPatterns ? value(m_element[static_cast<std::size_t>(m_row[static_cast<std::size_t>(k)])])
                                            : m_row[static_cast<std::size_t>(k)];
            picture = p.altPicturePrefix + pad(v, p.altNumberWidth) + QStringLiteral("d.jpg");
        }
        const QSize size = ctx.host.pictureSize(picture);
        const int width = size.isValid() ? size.width() : 0;
        if (task != kRun)
            left = (k - 1) * kBoxStep + 10;
        m_display[static_cast<std::size_t>(k)] = picture;
        m_left[static_cast<std::size_t>(k)] = left;
        ctx.host.placeDisplayBox(k, picture, left, width, true);
        if (task == kRun)
            left += width + kRunGap;
    }
}

QString RowGenerator::fillPicture(const Problem &p) const
{
    if (p.targetTile < 1)
        return {};
    if (m_task == kProgression)
        return p.altPicturePrefix + pad(p.tileValue[static_cast<std::size_t>(p.targetTile)], p.numberWidth)
            + QStringLiteral("d.Jpg");
    return p.stem(p.targetTile) + QStringLiteral("d.jpg");
}

bool RowGenerator::judgeAnswer(Problem &p, int selected)
{
    if (selected < 1 || selected != p.targetTile)
        return false;
    if (m_host && m_gap >= 1) {
        const QString picture = fillPicture(p);
        const QSize size = m_host->pictureSize(picture);
        m_host->placeDisplayBox(m_gap, picture, m_left[static_cast<std::size_t>(m_gap)],
                                size.isValid() ? size.width() : 0, true);
    }
    return true;
}

QStringList RowGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    for (int i = 1; i <= std::min(p.tileCount, kMaxRowLength); ++i) {
        appendOnce(names, p.stem(i) + QStringLiteral("n.Jpg"));
        appendOnce(names, p.stem(i) + QStringLiteral("k.Jpg"));
    }
    for (int k = 1; k <= m_length; ++k)
        appendOnce(names, m_display[static_cast<std::size_t>(k)]);
    appendOnce(names, fillPicture(p));
    return names;
}

std::unique_ptr<Generator> makeRowGenerator()
{
    return std::make_unique<RowGenerator>();
}

} // namespace flumo
