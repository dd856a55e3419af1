#include "exercises/ordinal.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include <algorithm>
#include <array>

namespace flumo {

int ordinalSpokenPosition(int level, int position, int count)
{
    if (level >= 3)
        return position;
    if (position == 1)
        return 1;
    return position == count ? 99 : 33;
}

void OrdinalGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    m_level = std::clamp(ctx.state.currentLevel, 1, 3);
    const int n = std::clamp(p.tileCount, 1, 10);

    m_set = random.range(1, kOrdinalSets);
    p.tilePicturePrefix += NumberToText(m_set, 2) + u'_';

    // Level 2 asks only for the first, the middle or the last of five.
    if (m_level == 2)
        p.targetTile = 2 * random.range(1, 3) - 1;
    else
        p.targetTile = random.range(1, n);

    std::array<bool, 11> used{};
    for (int i = 1; i <= n; ++i) {
        int v;
        do {
            v = random.range(1, n);
        } while (used[static_cast<std::size_t>(v)]);
        used[static_cast<std::size_t>(v)] = true;
        p.tileValue[static_cast<std::size_t>(i)] = v;
    }

    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);

    // The written ordinal only at level 3; the answer box stands alone.
    ctx.host.drawPatternRow(m_level == 3 ? unsigned(PatternRow::Answer) : 0u, true, true);

    const int m = ordinalSpokenPosition(m_level, p.targetTile, n);
    m_sound = QStringLiteral("Zvuky\\203\\zv") + NumberToText(m, 2) + u'_' + QString::number(m_set)
        + QStringLiteral(".wav");
    ctx.host.playSound(m_sound, false);
}

QStringList OrdinalGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    for (int i = 1; i <= std::min(p.tileCount, kTileInfoCount - 1); ++i)
        names << p.stem(i) + QStringLiteral("n.Jpg") << p.stem(i) + QStringLiteral("k.Jpg");
    if (m_level == 3) {
        names << p.altPicturePrefix + NumberToText(p.targetTile, p.altNumberWidth) + QStringLiteral("d.jpg");
        names << p.stem(p.targetTile) + QStringLiteral("d.Jpg");
    }
    names << m_sound;
    return names;
}

std::unique_ptr<Generator> makeOrdinalGenerator()
{
    return std::make_unique<OrdinalGenerator>();
}

} // namespace flumo
