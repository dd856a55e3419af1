#include "exercises/examples.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

constexpr int kMaxDraws = 20000;   // see the equation pictures: a guard only

QString pad(long long value, int width)
{
    return NumberToText(value, width);
}

void appendOnce(QStringList &list, const QString &name)
{
    if (!name.isEmpty() && !list.contains(name))
        list.append(name);
}

// The right-equation maker.
ExampleTile rightEquation(Random &random, int subtask, int range, bool noZero)
{
    ExampleTile t;
    t.right = true;
    do {
        if (subtask == 1) {
            t.s = random.range(1, range);
            t.x = random.range(0, t.s);
            t.y = t.s - t.x;
        } else {
            t.x = random.range(1, range);
            t.y = random.range(1, t.x);
            t.s = t.x - t.y;
        }
    } while (noZero && (t.s == 0 || t.x == 0 || t.y == 0));
    return t;
}

} // namespace

int wrongCountOf(int level, bool noZero)
{
    static constexpr int withZero[] = {10, 21, 38};
    static constexpr int without[] = {7, 15, 29};
    const int l = std::clamp(level, 1, 3) - 1;
    return noZero ? without[l] : withZero[l];
}

int wrongPictureNumber(int drawn, int level, bool noZero)
{
    if (noZero)
        return drawn + 9;
    if (level == 1 && drawn >= 4)
        return drawn + 6;
    if (level == 2 && drawn >= 7)
        return drawn + 3;
    return drawn;
}

void WrongExampleGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    const int subtask = ctx.state.currentSubtask == 2 ? 2 : 1;
    const int level = std::clamp(ctx.state.currentLevel, 1, 3);
    const bool noZero = ctx.settings.noZero;
    const int range = level == 1 ? 3 : level == 2 ? 5 : 10;
    const int n = std::clamp(p.tileCount, 0, kTileInfoCount - 1);
    m_state = WrongExampleState{};
    WrongExampleState &st = m_state;
    st.wrongCount = wrongCountOf(level, noZero);

    st.mode = random.range(1, 2);
    st.shownRight = st.mode == 1 ? 1 : 0;
    p.targetTile = n >= 1 ? random.range(1, n) : 0;
    st.referenceTile = p.targetTile;

    std::array<bool, 41> used{};
    for (int i = 1; i <= n; ++i) {
        ExampleTile &t = st.tiles[static_cast<std::size_t>(i)];
        const bool rightHere = (i == p.targetTile) == (st.mode == 1);
        if (rightHere) {
            for (int draws = 0; draws < kMaxDraws; ++draws) {
                t = rightEquation(random, subtask, range, noZero);
                bool seen = false;
                // In mode 2 no two right equations on the screen are alike.
                for (int j = 1; j < i && !seen; ++j) {
                    const ExampleTile &e = st.tiles[static_cast<std::size_t>(j)];
                    seen = j != p.targetTile && e.right && e.s == t.s && e.x == t.x && e.y == t.y;
                }
                if (!seen)
                    break;
            }
            p.tileInfo[static_cast<std::size_t>(i)].name = p.tilePicturePrefix + pad(t.s, p.numberWidth) + u'_'
                + pad(t.x, p.numberWidth) + u'_' + pad(t.y, p.numberWidth);
        } else {
            int drawn;
            bool free = false;
            for (int v = 1; v <= st.wrongCount && !free; ++v)
                free = !used[static_cast<std::size_t>(v)];
            do {
                drawn = random.range(1, st.wrongCount);
            } while (free && used[static_cast<std::size_t>(drawn)]);
            used[static_cast<std::size_t>(drawn)] = true;
            t = ExampleTile{};
            t.n = wrongPictureNumber(drawn, level, noZero);
            p.tileInfo[static_cast<std::size_t>(i)].name = p.altPicturePrefix + pad(t.n, p.altNumberWidth);
        }
        // The value tells a right equation (1) from a wrong one (0).
        p.tileValue[static_cast<std::size_t>(i)] = t.right ? 1 : 0;
    }

    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);

    st.taskSound = QStringLiteral("Zvuky\\308\\zv") + QString::number(st.mode) + u'-'
        + QString::number(random.range(1, 4)) + QStringLiteral(".wav");
    ctx.host.playSound(st.taskSound, false);
    trace("example-problem", {{"mode", QString::number(st.mode)}, {"target", QString::number(p.targetTile)}});
}

bool WrongExampleGenerator::judgeAnswer(Problem &problem, int selected)
{
    return selected >= 1 && selected == problem.targetTile;
}

QString WrongExampleGenerator::verdictSign() const
{
    return m_state.shownRight == 1 ? QStringLiteral("obr\\201\\rovnase.jpg") : QStringLiteral("obr\\201\\nerovna.jpg");
}

QStringList WrongExampleGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    const int n = std::clamp(p.tileCount, 0, kTileInfoCount - 1);
    for (int i = 1; i <= n; ++i) {
        appendOnce(names, p.stem(i) + QStringLiteral("n.Jpg"));
        appendOnce(names, p.stem(i) + QStringLiteral("k.Jpg"));
    }
    appendOnce(names, p.stem(p.targetTile) + QStringLiteral("d.Jpg"));
    appendOnce(names, verdictSign());
    appendOnce(names, m_state.taskSound);
    return names;
}

std::unique_ptr<Generator> makeWrongExampleGenerator()
{
    return std::make_unique<WrongExampleGenerator>();
}

} // namespace flumo
