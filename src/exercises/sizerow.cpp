#include "exercises/sizerow.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

constexpr int kRowTiles = 4;
constexpr int kOddTiles = 5;

QString pad(long long value, int width)
{
    return NumberToText(value, width);
}

void appendOnce(QStringList &list, const QString &name)
{
    if (!name.isEmpty() && !list.contains(name))
        list.append(name);
}

void appendTileLooks(QStringList &names, const Problem &p, int count)
{
    for (int i = 1; i <= std::min(count, p.tileCount); ++i) {
        appendOnce(names, p.stem(i) + QStringLiteral("n.Jpg"));
        appendOnce(names, p.stem(i) + QStringLiteral("k.Jpg"));
    }
}

} // namespace

int oddPictureSets(int level)
{
    static constexpr int sets[] = {10, 26, 37, 42, 67};
    return sets[std::clamp(level, 1, 5) - 1];
}

// ---------------------------------------------------------------- 109

void SizeRowGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    const int subtask = ctx.state.currentSubtask == 2 ? 2 : 1;
    m_host = &ctx.host;
    m_nextLeft = 10;
    m_valueToTile.fill(0);
    p.setProblemValue(0);

    m_set = random.range(1, subtask == 1 ? 69 : 30);
    p.tilePicturePrefix += pad(m_set, 2) + u'_';
    p.altPicturePrefix = p.tilePicturePrefix;

    const int n = std::clamp(p.tileCount, 0, kRowTiles);
    std::array<bool, 5> used{};
    for (int i = 1; i <= n; ++i) {
        int v;
        do {
            v = random.range(1, kRowTiles);
        } while (used[static_cast<std::size_t>(v)]);
        used[static_cast<std::size_t>(v)] = true;
        p.tileValue[static_cast<std::size_t>(i)] = v;
        m_valueToTile[static_cast<std::size_t>(v)] = i;
    }
    m_ascending = random.range(1, 2) == 1;

    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);
    p.targetTile = tileOfValue(m_ascending ? 1 : kRowTiles);

    // The recordings of the two subtasks number the same order oppositely:
    // the smallest picture first is 3 for sizes but 1 for quantities.
    const bool one = (!m_ascending && subtask == 1) || (m_ascending && subtask == 2);
    m_taskSound = QStringLiteral("Zvuky\\109\\zv") + (one ? u'1' : u'3') + u'_' + QString::number(subtask) + u'-'
        + QString::number(random.range(1, 2)) + QStringLiteral(".wav");
    ctx.host.playSound(m_taskSound, false);
}

QString SizeRowGenerator::displayPicture(const Problem &p, int tile) const
{
    return p.altPicturePrefix + pad(p.tileValue[static_cast<std::size_t>(tile)], p.altNumberWidth)
        + QStringLiteral("d.jpg");
}

bool SizeRowGenerator::judgeAnswer(Problem &p, int selected)
{
    if (selected < 1 || selected != p.targetTile)
        return false;
    const int k = p.answersGiven + 1;
    if (m_host) {
        const QString picture = displayPicture(p, selected);
        const QSize size = m_host->pictureSize(picture);
        const int width = size.isValid() ? size.width() : 0;
        const int left = k == 1 ? 10 : m_nextLeft;
        m_host->placeDisplayBox(k, picture, left, width, true);
        m_nextLeft = left + width;
    }
    if (k < kRowTiles) {
        p.targetTile = tileOfValue(m_ascending ? k + 1 : kRowTiles - k);
        trace("target", {{"tile", QString::number(p.targetTile)}});
    }
    return true;
}

QStringList SizeRowGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    appendTileLooks(names, p, kRowTiles);
    for (int i = 1; i <= std::min(kRowTiles, p.tileCount); ++i)
        appendOnce(names, displayPicture(p, i));
    appendOnce(names, m_taskSound);
    return names;
}

// ---------------------------------------------------------------- 110

void OddPictureGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    const int n = std::clamp(p.tileCount, 0, kOddTiles);
    if (n < 1)
        return;
    p.targetTile = random.range(1, n);
    p.setProblemValue(random.range(1, oddPictureSets(ctx.state.currentLevel)));
    const int odd = random.range(1, 2);
    const int common = 3 - odd;
    const QString set = p.tilePicturePrefix + pad(p.problemValue(), p.numberWidth) + u'_';
    for (int i = 1; i <= n; ++i) {
        const int variant = i == p.targetTile ? odd : common;
        p.tileValue[static_cast<std::size_t>(i)] = variant;
        p.tileInfo[static_cast<std::size_t>(i)].name = set + QString::number(variant);
    }
    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);
    p.samplePicture = p.stem(p.targetTile) + QStringLiteral("d.jpg");
    ctx.host.drawPatternRow(0, true, false);
}

QStringList OddPictureGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    appendTileLooks(names, p, kOddTiles);
    appendOnce(names, p.samplePicture);
    return names;
}

std::unique_ptr<Generator> makeSizeRowGenerator()
{
    return std::make_unique<SizeRowGenerator>();
}

std::unique_ptr<Generator> makeOddPictureGenerator()
{
    return std::make_unique<OddPictureGenerator>();
}

} // namespace flumo
