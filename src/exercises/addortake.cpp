#include "exercises/addortake.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

const QString kQuantityPrefix = QStringLiteral("obr\\111\\poc");
const QString kRedNumberPrefix = QStringLiteral("obr\\201\\cervene\\cisl");
const QString kNotEqual = QStringLiteral("obr\\201\\nerovna.Jpg");
const QString kRedLess = QStringLiteral("obr\\201\\cervene\\mensi.Jpg");
const QString kRedGreater = QStringLiteral("obr\\201\\cervene\\vetsi.Jpg");
const QString kRedEqual = QStringLiteral("obr\\201\\cervene\\rovnase.Jpg");
const QString kEqual = QStringLiteral("obr\\201\\rovnase.jpg");
constexpr int kPlusTile = 1;
constexpr int kMinusTile = 2;
constexpr int kCheckTile = 3;

} // namespace

void AddOrTakeGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    m_host = &ctx.host;
    m_subtask = std::clamp(ctx.state.currentSubtask, 1, 3);
    m_confirmed = false;
    const int level = std::clamp(ctx.state.currentLevel, 1, 3);
    const bool withZero = !ctx.settings.noZero;
    int range = level == 1 ? 3 : level == 2 ? 5 : 10;
    if (withZero)
        ++range;
    m_target = random.range(1, range);
    do
        m_count = random.range(1, range);
    while (m_count == m_target);
    if (withZero)
        --m_target, --m_count;
    m_kind = random.range(1, 9);
    m_numberWidth = p.numberWidth;
    m_altNumberWidth = p.altNumberWidth;
    m_altPrefix = p.altPicturePrefix;

    p.setProblemValue(m_kind);
    p.tileValue[1] = m_target;
    p.tileValue[2] = m_count;
    p.tileValue[3] = 0;
    const QString quantity = kQuantityPrefix + NumberToText(m_kind, m_numberWidth) + u'_';
    p.samplePicture = m_subtask == 2 ? quantity + NumberToText(m_target, m_numberWidth) + QStringLiteral("d.jpg")
                                     : m_altPrefix + NumberToText(m_target, m_altNumberWidth) + QStringLiteral("d.jpg");
    for (int i = 1; i <= 3; ++i)
        p.tileInfo[static_cast<std::size_t>(i)].name = p.tilePicturePrefix + NumberToText(i, 2);
    p.tileCount = 3;
    p.targetTile = m_count < m_target ? kPlusTile : kMinusTile;

    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= 3; ++i)
        ctx.host.showTile(i);
    ctx.host.drawPatternRow(PatternRow::Pattern | PatternRow::Sign | PatternRow::Answer, true, true);
}

QString AddOrTakeGenerator::countStem() const
{
    if (m_subtask == 1)
        return kQuantityPrefix + NumberToText(m_kind, m_numberWidth) + u'_' + NumberToText(m_count, m_numberWidth);
    return m_altPrefix + NumberToText(m_count, m_altNumberWidth);
}

void AddOrTakeGenerator::retarget(Problem &p)
{
    const int tile = m_count < m_target ? kPlusTile : m_count > m_target ? kMinusTile : kCheckTile;
    p.tileValue[2] = m_count;
    if (tile != p.targetTile) {
        p.targetTile = tile;
        trace("target", {{"tile", QString::number(tile)}});
    }
}

bool AddOrTakeGenerator::judgeAnswer(Problem &p, int selected)
{
    if (selected == kCheckTile) {
        if (m_count != m_target)
            return false;
        m_confirmed = true;
        if (m_host)
            m_host->drawPatternRow(PatternRow::Sign, false, false);
        return true;
    }
    if (selected != kPlusTile && selected != kMinusTile)
        return false;
    const int step = selected == kPlusTile ? 1 : -1;
    if (m_count + step < kCounterMin || m_count + step > kCounterMax) {
        if (m_host)
            m_host->reprimand();
        return false;
    }
    m_count += step;
    retarget(p);
    trace("counter", {{"count", QString::number(m_count)}, {"wanted", QString::number(m_target)}});
    if (m_host)
        m_host->drawPatternRow(PatternRow::Sign | PatternRow::Answer, false, false);
    return false;
}

QString AddOrTakeGenerator::patternRowPicture(unsigned box, const Problem &p, bool solved) const
{
    if (box == PatternRow::Sign) {
        if (m_confirmed || solved)
            return kEqual;
        if (p.freshProblem)
            return kNotEqual;
        return m_count > m_target ? kRedLess : m_count < m_target ? kRedGreater : kRedEqual;
    }
    if (box == PatternRow::Answer) {
        if (solved || m_subtask == 1)
            return countStem() + QStringLiteral("d.jpg");
        return kRedNumberPrefix + NumberToText(m_count, m_altNumberWidth) + QStringLiteral("d.jpg");
    }
    return {};
}

QStringList AddOrTakeGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    for (int i = 1; i <= 3; ++i)
        names << p.stem(i) + QStringLiteral("n.Jpg") << p.stem(i) + QStringLiteral("k.Jpg");
    names << p.samplePicture << kNotEqual << kRedLess << kRedGreater << kRedEqual << kEqual;
    // Every count the buttons can reach, in the looks the answer box shows.
    const QString quantity = kQuantityPrefix + NumberToText(m_kind, m_numberWidth) + u'_';
    for (int c = kCounterMin; c <= kCounterMax; ++c) {
        if (m_subtask == 1)
            names << quantity + NumberToText(c, m_numberWidth) + QStringLiteral("d.jpg");
        else
            names << kRedNumberPrefix + NumberToText(c, m_altNumberWidth) + QStringLiteral("d.jpg")
                  << m_altPrefix + NumberToText(c, m_altNumberWidth) + QStringLiteral("d.jpg");
    }
    return names;
}

std::unique_ptr<Generator> makeAddOrTakeGenerator()
{
    return std::make_unique<AddOrTakeGenerator>();
}

} // namespace flumo
