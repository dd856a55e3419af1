#include "exercises/decomposition.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include <algorithm>

namespace flumo {

namespace {

QString pad(int value, int width)
{
    return NumberToText(value, width);
}

const QString kObjects = QStringLiteral("obr\\206\\o");
const QString kDiagram = QStringLiteral("obr\\206\\r");
const QString kEmptyAnswer = QStringLiteral("obr-pom\\prazdny_2.jpg");
const QString kEqualsSign = QStringLiteral("obr\\rovnase.Jpg");

// Random(lo..hi), drawn again while the value is used; the ranges always
// hold more free values than the tiles need.
int drawFree(Random &random, int lo, int hi, const std::array<bool, 13> &used)
{
    int v;
    do {
        v = random.range(lo, hi);
    } while (used[static_cast<std::size_t>(v)]);
    return v;
}

} // namespace

Split makeSplit(Random &random, int range, bool withZero)
{
    Split s;
    do {
        s.whole = random.range(1, range);
        s.first = random.range(0, s.whole);
        s.second = s.whole - s.first;
    } while (!withZero && (s.first == 0 || s.second == 0));
    return s;
}

QString splitText(const Split &s, int width)
{
    return pad(s.whole, width) + u'_' + pad(s.first, width) + u'_' + pad(s.second, width);
}

void DecompositionGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    m_task = ctx.state.currentTask;
    m_subtask = ctx.state.currentSubtask;
    const int level = std::clamp(ctx.state.currentLevel, 1, 3);
    const bool withZero = !ctx.settings.noZero;
    const int n = std::clamp(p.tileCount, 1, 6);
    int range = level == 1 ? 3 : level == 2 ? 5 : 10;
    const int w = p.altNumberWidth;
    const auto value = [&p](int i) -> std::int32_t & { return p.tileValue[static_cast<std::size_t>(i)]; };
    const auto name = [&p](int i) -> QString & { return p.tileInfo[static_cast<std::size_t>(i)].name; };
    m_split = {};
    m_display = {};

    // The whole kind table is cleared for every problem: kinds never stay
    // blocked for the rest of the run.
    std::array<bool, 13> kindUsed{};

    // Step 1: a different split (mirrors count as the same) and a
    // different kind of object per tile.
    for (int i = 1; i <= n; ++i) {
        Split s;
        bool repeated;
        do {
            s = makeSplit(random, range, withZero);
            repeated = false;
            for (int j = 1; j < i && !repeated; ++j)
                repeated = s.sameAs(m_split[static_cast<std::size_t>(j)]);
        } while (repeated);
        m_split[static_cast<std::size_t>(i)] = s;
        name(i) = p.tilePicturePrefix + splitText(s, w);
        const int kind = drawFree(random, 1, kDecompositionKinds, kindUsed);
        kindUsed[static_cast<std::size_t>(kind)] = true;
        value(i) = kind;
        if (m_subtask == 1)
            name(i) += u'_' + pad(kind, 2);
    }

    // Step 2: the target.
    if (m_task == 207)
        kindUsed.fill(false);
    p.targetTile = random.range(1, n);
    const Split target = m_split[static_cast<std::size_t>(p.targetTile)];
    const int kind = value(p.targetTile);
    const QString kindText = u'_' + pad(kind, 2);

    // Step 3.
    if (m_task == 206) {
        m_display[1] = p.altPicturePrefix + splitText(target, w) + (m_subtask == 2 ? kindText : QString());
        p.samplePicture = m_display[1] + QStringLiteral("d.jpg");
    } else {
        const int answer = target.second;
        const auto objects = [&](int count, int first, int second) {
            return p.tilePicturePrefix + pad(count, 2) + u'_' + pad(first, 2) + u'_' + pad(second, 2) + kindText;
        };
        if (m_subtask == 2) {
            name(p.targetTile) = objects(answer, 0, answer);
            m_display[1] = objects(target.first, target.first, 0);
            p.samplePicture = m_display[1] + QStringLiteral("d.jpg");
            m_display[2] = name(p.targetTile);
        } else {
            name(p.targetTile) = p.tilePicturePrefix + pad(answer, 3);
            m_display[1] = p.altPicturePrefix + splitText(target, w);
            m_display[2] = kDiagram + splitText(target, w);
            p.samplePicture = kObjects + splitText(target, 2) + kindText + QStringLiteral("d.jpg");
        }
        value(p.targetTile) = answer;
        p.setProblemValue(target.whole);
        kindUsed[static_cast<std::size_t>(answer)] = true;
        // The other tiles offer numbers the answer is not: 0..R with
        // counting with zero, else 1..R, each once.
        if (withZero)
            ++range;
        for (int i = 1; i <= n; ++i) {
            if (i == p.targetTile)
                continue;
            const int v = withZero ? drawFree(random, 0, range - 1, kindUsed) : drawFree(random, 1, range, kindUsed);
            kindUsed[static_cast<std::size_t>(v)] = true;
            value(i) = v;
            name(i) = m_subtask == 2 ? objects(v, 0, v) : p.tilePicturePrefix + pad(v, 3);
        }
    }
    for (int k = 1; k <= 2; ++k)
        ctx.host.setDisplayPicture(k, m_display[static_cast<std::size_t>(k)]);

    // Step 4.
    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);
    const bool onlyAnswer = m_task == 207 && m_subtask == 3;
    m_row = onlyAnswer ? unsigned(PatternRow::Answer)
                       : unsigned(PatternRow::Pattern | PatternRow::Sign | PatternRow::Answer);
    m_sign = m_task == 207 && m_subtask == 2
        ? QStringLiteral("obr\\206\\v") + pad(p.problemValue(), p.numberWidth) + QStringLiteral("d.jpg")
        : kEqualsSign;
    ctx.host.drawPatternRow(m_row, true, true);
}

QStringList DecompositionGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    for (int i = 1; i <= std::min(p.tileCount, 6); ++i)
        names << p.stem(i) + QStringLiteral("n.Jpg") << p.stem(i) + QStringLiteral("k.Jpg");
    if (m_row & PatternRow::Pattern)
        names << p.samplePicture << m_sign;
    if (m_task == 206) {
        names << kEmptyAnswer << p.stem(p.targetTile) + QStringLiteral("d.Jpg");
    } else {
        names << (m_subtask == 2 ? kEmptyAnswer : m_display[1] + QStringLiteral("d.jpg"));
        names << m_display[2] + QStringLiteral("d.jpg");
    }
    return names;
}

std::unique_ptr<Generator> makeDecompositionGenerator()
{
    return std::make_unique<DecompositionGenerator>();
}

} // namespace flumo
