#include "exercises/chains.h"
#include "engine/catalog.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

const QString kPlus = QStringLiteral("obr\\201\\plus2.jpg");
const QString kMinus = QStringLiteral("obr\\201\\minus2.jpg");
const QString kEquals = QStringLiteral("obr\\201\\rovnase2.jpg");
const QString kGap = QStringLiteral("obr\\okno.jpg");
constexpr int kRowLeft = 10;
constexpr int kRiddleTask = 405;

QString riddleSound(int value, const QString &tail)
{
    return QStringLiteral("Zvuky\\405\\zv") + NumberToText(value, 2) + tail + QStringLiteral(".wav");
}

} // namespace

Chain makeChain(Random &random, int level, int subtask, bool withZero)
{
    level = equations::clampLevel(level);
    const int range = equations::levelRange(level);
    Chain ch;
    ch.plus1 = ch.plus2 = subtask != 2;
    do {
        if (level == 4) {
            ch.d = random.range(11, 20);
            ch.a = random.range(11, ch.d);     // a teen: no crossing of ten
        } else {
            ch.d = random.range(1, range);
            ch.a = random.range(0, ch.d);
        }
        const int rest = ch.d - ch.a;
        ch.b = rest == 0 ? 0 : random.range(1, rest);
        ch.c = ch.d - ch.a - ch.b;
        if (subtask == 2) {
            // Taking away starts from the sum, so no step goes below 0; at
            // level 4 the teen stays the result.
            const Chain sum = ch;
            if (level == 4)
                ch.a = sum.d, ch.b = sum.c, ch.c = sum.b, ch.d = sum.a;
            else
                ch.a = sum.d, ch.b = sum.a, ch.c = sum.b, ch.d = sum.c;
        }
    } while (!withZero && (ch.a == 0 || ch.b == 0 || ch.c == 0 || ch.d == 0));
    if (level == 5)
        ch.a *= 10, ch.b *= 10, ch.c *= 10, ch.d *= 10;
    return ch;
}

Chain makeRiddle(Random &random, int subtask)
{
    Chain ch;
    ch.plus1 = random.range(0, 1) == 1;
    ch.plus2 = random.range(0, 1) == 1;
    for (;;) {
        ch.a = random.range(1, 10);
        ch.c = 1;
        // A number that leaves no room to add (9 or 10) is drawn again.
        if (ch.plus1 && ch.a > 8)
            continue;
        ch.b = ch.plus1 ? random.range(0, 9 - ch.a) : random.range(0, ch.a - 1);
        const int x = ch.plus1 ? ch.a + ch.b : ch.a - ch.b;
        ch.d = x;
        if (subtask == 2) {
            ch.c = ch.plus2 ? random.range(0, 9 - x) : random.range(0, x - 1);
            ch.d = ch.plus2 ? x + ch.c : x - ch.c;
        }
        if (ch.a != 0 && ch.b != 0 && ch.c != 0 && ch.d != 0)
            return ch;
    }
}

void ChainGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    m_host = &ctx.host;
    m_task = ctx.state.currentTask;
    const int subtask = ctx.state.currentSubtask;
    const bool riddle = m_task == kRiddleTask;
    const int level = riddle ? 3 : equations::clampLevel(ctx.state.currentLevel);
    m_row = equations::DisplayRow{};
    m_parts.clear();
    m_prompt.clear();
    m_riddlePending = false;
    const int n = std::clamp(p.tileCount, 1, kTileInfoCount - 1);
    p.tileCount = n;
    m_tiles = n;

    p.targetTile = random.range(1, n);
    p.setProblemValue(0);
    m_chain = riddle ? makeRiddle(random, subtask) : makeChain(random, level, subtask, !ctx.settings.noZero);
    equations::fillTiles(p, random, level, p.targetTile, riddle ? m_chain.a : m_chain.d);

    if (riddle) {
        // Cards are laid out now and shown once the riddle has been said.
        ctx.host.layOutTiles();
        p.selectedTile = 1;
        m_parts << riddleSound(m_chain.b, QStringLiteral("_1") + (m_chain.plus1 ? u'1' : u'0'));
        if (subtask == 2)
            m_parts << riddleSound(m_chain.c, QStringLiteral("_2") + (m_chain.plus2 ? u'1' : u'0'));
        m_parts << riddleSound(m_chain.d, QStringLiteral("_31"));
        m_prompt = promptFileName(kRiddleTask, 1, random.range(1, std::max(1, promptCountOf(kRiddleTask))));
        m_riddlePending = true;
        ctx.host.animateRiddleFigure(true);
        ctx.host.playSound(m_prompt, true);
    } else {
        const auto number = [&p](std::int32_t v) { return equations::displayNumber(p, v); };
        m_row.picture = {QString(), number(m_chain.a), m_chain.plus1 ? kPlus : kMinus, number(m_chain.b),
                         m_chain.plus2 ? kPlus : kMinus, number(m_chain.c), kEquals, kGap};
        m_row.count = 7;
        ctx.host.layOutTiles();
        p.selectedTile = 1;
        for (int i = 1; i <= n; ++i)
            ctx.host.showTile(i);
        int left = kRowLeft;
        for (int k = 1; k <= m_row.count; ++k) {
            const std::size_t i = static_cast<std::size_t>(k);
            const QSize size = ctx.host.pictureSize(m_row.picture[i]);
            m_row.left[i] = left;
            m_row.width[i] = size.isValid() ? size.width() : 0;
            ctx.host.placeDisplayBox(k, m_row.picture[i], left, m_row.width[i], true);
            left += m_row.width[i];
        }
    }
    trace("chain", {{"a", QString::number(m_chain.a)},
                    {"op1", m_chain.plus1 ? QStringLiteral("+") : QStringLiteral("-")},
                    {"b", QString::number(m_chain.b)},
                    {"op2", m_chain.plus2 ? QStringLiteral("+") : QStringLiteral("-")},
                    {"c", QString::number(m_chain.c)},
                    {"d", QString::number(m_chain.d)}});
}

bool ChainGenerator::soundPlayed(ProblemHost &host)
{
    if (!m_riddlePending)
        return false;
    m_riddlePending = false;
    for (const QString &part : std::as_const(m_parts))
        host.playDirect(part, true);
    host.animateRiddleFigure(false);
    for (int i = 1; i <= m_tiles; ++i)
        host.showTile(i);
    return true;
}

bool ChainGenerator::judgeAnswer(Problem &p, int selected)
{
    if (selected < 1 || selected > p.tileCount || selected >= kTileInfoCount)
        return false;
    const bool right = selected == p.targetTile;
    if (!m_host)
        return right;
    if (m_task == kRiddleTask) {
        for (int i = 1; i <= p.tileCount; ++i)
            if (i != selected)
                m_host->coverTile(i);
    } else if (right) {
        const QString answer = equations::displayNumber(p, p.tileValue[static_cast<std::size_t>(selected)]);
        const QSize size = m_host->pictureSize(answer);
        m_row.picture[7] = answer;
        m_host->placeDisplayBox(7, answer, m_row.left[7], size.isValid() ? size.width() : m_row.width[7], true);
    }
    return right;
}

QStringList ChainGenerator::mediaNames(const Problem &p) const
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
    if (m_task == kRiddleTask) {
        add(QStringLiteral("obr\\405\\Karta-otocena.Jpg"));
        add(QStringLiteral("obr\\405\\mysli.GIF"));
        add(m_prompt);
        for (const QString &part : m_parts)
            add(part);
    } else {
        for (int k = 1; k <= m_row.count; ++k)
            add(m_row.picture[static_cast<std::size_t>(k)]);
        add(equations::displayNumber(p, p.tileValue[static_cast<std::size_t>(p.targetTile)]));
    }
    return names;
}

std::unique_ptr<Generator> makeChainGenerator()
{
    return std::make_unique<ChainGenerator>();
}

} // namespace flumo
