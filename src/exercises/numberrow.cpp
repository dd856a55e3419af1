#include "exercises/numberrow.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "exercises/choice.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

QString pad(int value, int width)
{
    return NumberToText(value, width);
}

// The largest row: 0..10.
constexpr int kRowTiles = 11;
constexpr int kObjectKinds = 30;
// Takes of the sentence that opens the explorer on a number.
constexpr int kOpeningTakes = 8;

QString sound(int task, const QString &tail)
{
    return QStringLiteral("Zvuky\\") + pad(task, 3) + QStringLiteral("\\zv") + tail + QStringLiteral(".wav");
}

void appendTileLooks(QStringList &names, const QString &stem)
{
    names << stem + QStringLiteral("n.Jpg") << stem + QStringLiteral("k.Jpg");
}

} // namespace

void buildNumberRow(ProblemContext &ctx, bool stems)
{
    Problem &p = ctx.problem;
    const bool withZero = !ctx.settings.noZero;
    p.setProblemValue(0);
    const int n = std::clamp(p.tileCount, 0, kRowTiles);
    for (int i = 1; i <= n; ++i) {
        const int v = withZero ? i - 1 : i;
        p.tileValue[static_cast<std::size_t>(i)] = v;
        if (stems)
            p.tileInfo[static_cast<std::size_t>(i)].name = p.tilePicturePrefix + pad(v, p.numberWidth);
    }
    // Nothing is ever right or wrong here.
    p.targetTile = 0;
    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        ctx.host.showTile(i);
}

// ---------------------------------------------------------------- 201

NumberIntro numberIntro(int value, int kind)
{
    NumberIntro in;
    in.value = value;
    in.kind = kind;
    in.animation = QStringLiteral("obr-pom\\") + pad(value, 2) + QStringLiteral(".GIF");
    in.frame = QStringLiteral("Obr\\Prazdny6.jpg");
    in.fingers = QStringLiteral("obr\\prsty\\prst") + pad(value, 2) + QStringLiteral("d.jpg");
    in.objects = QStringLiteral("obr\\111\\poc") + pad(kind, 2) + u'_' + pad(value, 2) + QStringLiteral("d.jpg");
    in.sound = sound(201, pad(value, 2));
    return in;
}

void NumberIntroGenerator::build(ProblemContext &ctx)
{
    m_last = {};
    buildNumberRow(ctx, false);
}

bool NumberIntroGenerator::takeChoice(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    if (selected < 1 || selected > std::min(p.tileCount, kRowTiles))
        return true;
    ProblemHost &host = ctx.host;
    m_last = numberIntro(p.tileValue[static_cast<std::size_t>(selected)], ctx.random.range(1, kObjectKinds));
    // The frame stands behind the animation at the left of the panel; the
    // hand and the objects follow at fixed steps.
    const int frameLeft = 10;
    const int fingersLeft = frameLeft + 210;
    const int objectsLeft = fingersLeft + 240;
    host.placeDisplayBox(1, m_last.frame, frameLeft, 140, true);
    host.placeDisplayBox(2, m_last.fingers, fingersLeft, host.pictureSize(m_last.fingers).width(), true);
    host.placeDisplayBox(3, m_last.objects, objectsLeft, host.pictureSize(m_last.objects).width(), true);
    host.showAnimation(m_last.animation);
    host.playSound(m_last.sound, false);
    trace("number-intro", {{"value", QString::number(m_last.value)}, {"kind", QString::number(m_last.kind)}});
    return true;
}

QStringList NumberIntroGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    for (int i = 1; i <= std::min(p.tileCount, kRowTiles); ++i) {
        appendTileLooks(names, p.stem(i));
        const int v = p.tileValue[static_cast<std::size_t>(i)];
        for (int kind = 1; kind <= kObjectKinds; ++kind) {
            const NumberIntro in = numberIntro(v, kind);
            if (kind == 1)
                names << in.animation << in.frame << in.fingers << in.sound;
            names << in.objects;
        }
    }
    return names;
}

// ---------------------------------------------------------------- 205

QRect DecompositionExplorer::tileRect(int tile, int rowTop)
{
    // The arrows stand at both ends of the line, a little below where the
    // row was; the whole number above the line's middle, the parts below
    // its ends.
    const int arrowTop = rowTop + 15;
    const int lineLeft = 75 + 55;
    const int lineTop = arrowTop + 13;
    switch (tile) {
    case kRightArrow: return {lineLeft + 481, arrowTop, 55, 65};
    case kLeftArrow: return {75, arrowTop, 55, 65};
    case kClose: return {lineLeft + 197, arrowTop - 110, 86, 88};
    case kLine: return {lineLeft, lineTop, 481, 38};
    case kLeftPart: return {lineLeft + 20, lineTop + 90, 62, 62};
    case kRightPart: return {lineLeft + 481 - 82, lineTop + 90, 62, 62};
    default: return {};
    }
}

QString DecompositionExplorer::decompositionSound() const
{
    return sound(205, pad(m_state.whole, 2) + u'_' + pad(m_state.left, 2) + u'_' + pad(m_state.right, 2));
}

QString DecompositionExplorer::diagram() const
{
    return QStringLiteral("obr\\206\\r") + pad(m_state.whole, 2) + u'_' + pad(m_state.left, 2) + u'_'
        + pad(m_state.right, 2);
}

void DecompositionExplorer::build(ProblemContext &ctx)
{
    // A new problem closes an open explorer: the row is built afresh.
    m_state = {};
    buildNumberRow(ctx, true);
}

bool DecompositionExplorer::takeChoice(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    if (selected < 1 || selected > std::min(p.tileCount, kRowTiles))
        return true;
    if (!m_state.open) {
        open(ctx, selected);
        return true;
    }
    bool moved = false;
    if (selected == kRightArrow && m_state.left >= 1) {
        --m_state.left, ++m_state.right;
        moved = true;
    } else if (selected == kLeftArrow && m_state.right >= 1) {
        ++m_state.left, --m_state.right;
        moved = true;
    } else if (selected == kClose) {
        close(ctx);
        return true;
    }
    if (moved) {
        showParts(ctx);
        ctx.host.playDirect(decompositionSound(), false);
    }
    trace("explorer", {{"step", moved ? QStringLiteral("move") : QStringLiteral("none")},
                       {"whole", QString::number(m_state.whole)},
                       {"left", QString::number(m_state.left)},
                       {"right", QString::number(m_state.right)}});
    return true;
}

void DecompositionExplorer::open(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    // Where the row stands: the explorer's tiles are placed from its top.
    const auto row = LayOutTiles(p, 205, TileParent::ChoicePanel, kPanel1Width,
                                 [&host](int, const QString &name) { return host.pictureSize(name); }, ctx.random);
    m_rowTop = row.empty() ? 0 : row.front().rect.top();

    const int whole = p.tileValue[static_cast<std::size_t>(selected)];
    m_state = {true, p.tileCount, selected, whole, whole, 0};
    p.setProblemValue(1);
    for (int i = 4; i <= kRowTiles; ++i)
        host.hideTile(i);
    p.tileCount = 3;
    p.gridColumns = 3;
    p.selectedTile = kRightArrow;
    const QString &alt = p.altPicturePrefix;
    const auto name = [&p](int i) -> QString & { return p.tileInfo[static_cast<std::size_t>(i)].name; };
    name(kRightArrow) = alt + QStringLiteral("sipka1");
    name(kLeftArrow) = alt + QStringLiteral("sipka2");
    name(kClose) = alt + QStringLiteral("roz") + pad(whole, 2);
    name(kLine) = alt + QStringLiteral("cara");
    for (int i : {kRightArrow, kLeftArrow, kClose})
        host.placeTile(i, tileRect(i, m_rowTop), true);
    showParts(ctx);
    trace("explorer", {{"step", QStringLiteral("open")}, {"tile", QString::number(selected)},
                       {"whole", QString::number(whole)}, {"left", QString::number(whole)},
                       {"right", QStringLiteral("0")}});
    host.playDirect(sound(205, pad(whole, 2) + u'-' + QString::number(ctx.random.range(1, kOpeningTakes))), true);
    host.playDirect(decompositionSound(), false);
}

void DecompositionExplorer::showParts(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    p.tileInfo[kLeftPart].name = p.altPicturePrefix + QStringLiteral("rozz") + pad(m_state.left, 2);
    p.tileInfo[kRightPart].name = p.altPicturePrefix + QStringLiteral("rozz") + pad(m_state.right, 2);
    for (int i : {kLine, kLeftPart, kRightPart})
        ctx.host.placeTile(i, tileRect(i, m_rowTop), false);
    ctx.host.setDisplayPicture(1, diagram());
    ctx.host.drawPatternRow(PatternRow::Answer, true, true);
}

void DecompositionExplorer::close(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    for (int i : {kLine, kLeftPart, kRightPart})
        host.hideTile(i);
    p.setProblemValue(0);
    p.tileCount = m_state.savedTileCount;
    p.gridColumns = p.tileCount;
    p.selectedTile = m_state.savedTile;
    for (int i = 1; i <= std::min(p.tileCount, kRowTiles); ++i)
        p.tileInfo[static_cast<std::size_t>(i)].name =
            p.tilePicturePrefix + pad(p.tileValue[static_cast<std::size_t>(i)], p.numberWidth);
    host.layOutTiles();
    for (int i = 1; i <= p.tileCount; ++i)
        host.showTile(i);
    host.drawPatternRow(0, true, false);
    m_state = {};
    trace("explorer", {{"step", QStringLiteral("close")}, {"tile", QString::number(p.selectedTile)}});
}

std::vector<TileOverlay> DecompositionExplorer::tileOverlays(const Problem &p, int tile) const
{
    std::vector<TileOverlay> out;
    if (!m_state.open || tile != kLine)
        return out;
    const QString ball = p.altPicturePrefix + QStringLiteral("kul") + pad(m_state.whole, 2)
        + (p.selectedTile == kLine ? u'k' : u'n') + QStringLiteral(".Jpg");
    for (int k = 1; k <= m_state.left; ++k)
        out.push_back({QPoint(2 + 40 * (k - 1), 0), ball});
    for (int k = 1; k <= m_state.right; ++k)
        out.push_back({QPoint(479 - 40 * k, 0), ball});
    return out;
}

QStringList DecompositionExplorer::mediaNames(const Problem &p) const
{
    // Everything the explorer can show or say for any number of the row.
    QStringList names;
    const QString &alt = p.altPicturePrefix;
    for (const char *fixed : {"sipka1", "sipka2", "cara"})
        appendTileLooks(names, alt + QLatin1String(fixed));
    for (int i = 1; i <= std::min(p.tileCount, kRowTiles); ++i) {
        appendTileLooks(names, p.stem(i));
        const int w = p.tileValue[static_cast<std::size_t>(i)];
        appendTileLooks(names, alt + QStringLiteral("roz") + pad(w, 2));
        appendTileLooks(names, alt + QStringLiteral("rozz") + pad(w, 2));
        names << alt + QStringLiteral("kul") + pad(w, 2) + QStringLiteral("n.Jpg")
              << alt + QStringLiteral("kul") + pad(w, 2) + QStringLiteral("k.Jpg");
        for (int take = 1; take <= kOpeningTakes; ++take)
            names << sound(205, pad(w, 2) + u'-' + QString::number(take));
        for (int left = 0; left <= w; ++left) {
            const QString parts = pad(w, 2) + u'_' + pad(left, 2) + u'_' + pad(w - left, 2);
            names << sound(205, parts) << QStringLiteral("obr\\206\\r") + parts + QStringLiteral("d.jpg");
        }
    }
    return names;
}

std::unique_ptr<Generator> makeNumberIntroGenerator()
{
    return std::make_unique<NumberIntroGenerator>();
}

std::unique_ptr<Generator> makeDecompositionExplorer()
{
    return std::make_unique<DecompositionExplorer>();
}

} // namespace flumo
