#include "engine/layout.h"
#include "engine/random.h"
#include "media/numbertext.h"
#include <algorithm>
#include <cmath>

namespace flumo {

namespace {

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

void setGrid(Problem &p, int count, int rows, int columns, int cellWidth, int cellHeight)
{
    p.tileCount = count;
    p.gridRows = rows;
    p.gridColumns = columns;
    p.cellWidth = cellWidth;
    p.cellHeight = cellHeight;
}

void setCell(Problem &p, int width, int height)
{
    p.cellWidth = width;
    p.cellHeight = height;
}

void setWidths(Problem &p, int number, int alt)
{
    p.numberWidth = number;
    p.altNumberWidth = alt;
}

void setPrefixes(Problem &p, const char *tile, const char *alt)
{
    p.tilePicturePrefix = text(tile);
    p.altPicturePrefix = text(alt);
}

void setOrigin(Problem &p, int left, int top)
{
    p.gridLeft = left;
    p.gridTop = top;
}

// R2: two Tiles per level up to six, one row at level 1, else two.
void r2(Problem &p, int level)
{
    p.tileCount = std::min(2 * level, 6);
    p.gridRows = level == 1 ? 1 : 2;
    p.gridColumns = p.tileCount / p.gridRows;
    setCell(p, 250, 172);
}

// P1..P4: grid origins for the R2 exercises.
void place(Problem &p, int level, int leftLow, int leftHigh, int topLow, int topHigh)
{
    p.gridLeft = level <= 2 ? leftLow : leftHigh;
    p.gridTop = level == 1 ? topLow : topHigh;
}
void p1(Problem &p, int level) { place(p, level, 125, 0, 66, 0); }
void p2(Problem &p, int level) { place(p, level, 155, 30, 96, 20); }
void p3(Problem &p, int level) { place(p, level, 135, 10, 96, 20); }
void p4(Problem &p, int level) { place(p, level, 115, -10, 96, 0); }

void flags(Problem &p, bool aligned, bool noChoicePanel)
{
    p.gridAligned = aligned;
    p.noChoicePanel = noChoicePanel;
}

// Values of the three number ranges of group B: levels 1, 2, 3 (and above).
int byLevel(int level, int a, int b, int c)
{
    return level <= 1 ? a : level == 2 ? b : c;
}

// One of four per-subtask alternatives; subtasks outside 1..4 are clamped.
const char *bySubtask(int subtask, const char *s1, const char *s2, const char *s3, const char *s4)
{
    switch (std::clamp(subtask, 1, 4)) {
    case 1: return s1;
    case 2: return s2;
    case 3: return s3;
    default: return s4;
    }
}

int roundedSquareRoot(int n)
{
    return static_cast<int>(std::lround(std::sqrt(static_cast<double>(n))));
}

void applyRow(Problem &p, const LayoutInput &in)
{
    const int L = in.level;
    const int S = in.subtask;
    const bool odd = S % 2 == 1;   // S1, S3 against S2, S4

    switch (in.task) {
    case 101:
        setGrid(p, 6, 2, 3, 250, 172);
        if (!odd)
            setOrigin(p, -10, -5);
        setWidths(p, 3, 3);
        setPrefixes(p, odd ? R"(obr\101\obr)" : R"(obr\101\pikt)",
                    (S == 2 || S == 3) ? R"(obr\101\pikt)" : R"(obr\101\obr)");
        flags(p, !odd, false);
        break;
    case 102:
        setGrid(p, 6, 2, 3, 250, 172);
        setWidths(p, 3, 2);
        setPrefixes(p, R"(obr\102\past)", R"(obr\102\vzor)");
        break;
    case 103:
    case 104:
    case 105:
    case 106:
    case 107:
        setGrid(p, 6, 2, 3, 250, 172);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\103\tv)", R"(obr\103\tv)");
        if (in.task == 107) {
            flags(p, false, true);
            p.answersNeeded = S == 1 ? 2 : 3;
        }
        break;
    case 108:
        setGrid(p, 4, 2, 2, 340, 172);
        setOrigin(p, 70, 0);
        if (S == 1) {
            setWidths(p, 1, 1);
            setPrefixes(p, R"(obr\108\obr)", R"(obr\108\obr)");
        } else {
            setWidths(p, 2, 1);
            setPrefixes(p, R"(obr\111\poc)", R"(obr\111\poc)");
        }
        break;
    case 109:
        setGrid(p, 4, 2, 2, 340, 172);
        setOrigin(p, 70, 0);
        setWidths(p, 1, 1);
        if (S == 1)
            setPrefixes(p, R"(obr\108\obr)", R"(obr\108\obr)");
        else
            setPrefixes(p, R"(obr\108\pocet\obr)", R"(obr\108\pocet\obr)");
        flags(p, false, true);
        p.answersNeeded = 4;
        break;
    case 110:
        setGrid(p, 5, 1, 5, 142, 172);
        setOrigin(p, 0, 70);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\110\obr)", R"(obr\110\obr)");
        flags(p, true, false);
        break;
    case 111:
        r2(p, L);
        p1(p, L);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\111\poc)", R"(obr\111\poc)");
        break;
    case 112:
        setGrid(p, 6, 2, 3, 250, 172);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\112\obr)", R"(obr\112\obr)");
        flags(p, false, true);
        break;
    case 201: {
        // 3, 5 or 10 numbers, and the 0 in front when counting with zero.
        const int base = byLevel(L, 3, 5, 10);
        const int extra = in.noZero ? 0 : 1;
        const int rows = base <= 6 ? 1 : 2;
        const int columns = base / rows + extra;
        setGrid(p, base + extra, rows, columns, columns == 6 ? 128 : 150, 172);
        p.gridLeft = -30;
        if (L <= 1)
            p.gridLeft = in.noZero ? 130 : 60;
        p.gridTop = L <= 2 ? 75 : 0;
        setWidths(p, 3, 3);
        setPrefixes(p, R"(obr\201\cisl)", R"(obr\201\cisl)");
        flags(p, true, true);
        break;
    }
    case 202:
        r2(p, L);
        if (odd) {
            p1(p, L);
            setWidths(p, 2, 3);
            setPrefixes(p, R"(obr\111\poc)", R"(obr\201\cisl)");
        } else {
            p2(p, L);
            setWidths(p, 3, 2);
            setPrefixes(p, R"(obr\201\cisl)", R"(obr\111\poc)");
        }
        break;
    case 203: {
        const int count = byLevel(L, 3, 5, 10);
        setGrid(p, count, 1, count, 780 / (count + 1), 172);
        setOrigin(p, byLevel(L, 60, 30, 5), 80);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\203\obr)", R"(obr\203\cis)");
        flags(p, true, false);
        break;
    }
    case 204:
        r2(p, L);
        p3(p, L);
        setWidths(p, 3, 3);
        setPrefixes(p, R"(obr\201\cisl)", R"(obr\201\cisl)");
        flags(p, false, true);
        p.answersNeeded = S == 3 ? L : 1;
        break;
    case 205: {
        const int count = byLevel(L, 3, 5, 10) + (in.noZero ? 0 : 1);
        setGrid(p, count, 1, count, byLevel(L, 120, 100, 67), 172);
        p.gridLeft = byLevel(L, 180, 110, 18) - (in.noZero ? 0 : p.cellWidth / 2);
        p.gridTop = 67;
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\205\cis)", R"(obr\205\)");
        flags(p, true, true);
        break;
    }
    case 206:
        r2(p, L);
        p1(p, L);
        setWidths(p, 2, 2);
        if (S == 1)
            setPrefixes(p, R"(obr\206\o)", R"(obr\206\r)");
        else
            setPrefixes(p, R"(obr\206\r)", R"(obr\206\o)");
        break;
    case 207:
        r2(p, L);
        if (S == 2) {
            p1(p, L);
            setWidths(p, 2, 2);
            setPrefixes(p, R"(obr\206\o)", R"(obr\206\r)");
        } else {
            p2(p, L);
            setWidths(p, 3, 2);
            setPrefixes(p, R"(obr\201\cisl)", R"(obr\206\prazdny\r)");
        }
        break;
    case 208:
        r2(p, L);
        p2(p, L);
        setWidths(p, 3, 3);
        setPrefixes(p, R"(obr\201\cisl)", R"(obr\201\cisl)");
        flags(p, false, true);
        break;
    case 301:
        setGrid(p, 3, 1, 3, 240, 330);
        setWidths(p, 2, 3);
        setPrefixes(p, R"(obr\301\znam)", R"(obr\201\cisl)");
        flags(p, true, false);
        break;
    case 302:
        r2(p, L);
        p4(p, L);
        setWidths(p, 2, 2);
        setPrefixes(p,
                    bySubtask(S, R"(obr\soucty\sou)", R"(obr\rozdil\roz)", R"(obr\302\obr)",
                              R"(obr\302\odcit\obr)"),
                    bySubtask(S, R"(obr\302\obr)", R"(obr\302\odcit\obr)", R"(obr\soucty\sou)",
                              R"(obr\rozdil\roz)"));
        break;
    case 303:
        r2(p, L);
        p4(p, L);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\302\obr)", R"(obr\302\obr)");
        flags(p, false, true);
        break;
    case 304:
        r2(p, L);
        p4(p, L);
        setWidths(p, 2, 2);
        setPrefixes(p,
                    bySubtask(S, R"(obr\304\rov)", R"(obr\rovnice2\rov)", R"(obr\302\obr)",
                              R"(obr\302\odcit\obr)"),
                    bySubtask(S, R"(obr\302\obr)", R"(obr\302\odcit\obr)", R"(obr\304\rov)",
                              R"(obr\rovnice2\rov)"));
        break;
    case 305:
    case 306:
        r2(p, L);
        p3(p, L);
        setWidths(p, 3, 3);
        setPrefixes(p, R"(obr\201\cisl)", R"(obr\201\cisl)");
        flags(p, false, true);
        break;
    case 307:
        r2(p, L);
        p4(p, L);
        setWidths(p, 2, 3);
        setPrefixes(p, S == 1 ? R"(obr\soucty\sou)" : R"(obr\rozdil\roz)", R"(obr\201\cisl)");
        flags(p, false, true);
        break;
    case 308:
        r2(p, L);
        p4(p, L);
        setWidths(p, 2, 2);
        if (S == 1)
            setPrefixes(p, R"(obr\304\rov)", R"(obr\308\ner)");
        else
            setPrefixes(p, R"(obr\rovnice2\rov)", R"(obr\nerovnice2\ner)");
        flags(p, false, true);
        break;
    case 309:
    case 311:
        r2(p, L);
        if (in.task == 309)
            p3(p, L);
        else
            p2(p, L);
        setWidths(p, 3, 3);
        setPrefixes(p, R"(obr\201\cisl)", R"(obr\201\male\cisl)");
        flags(p, false, true);
        break;
    case 310:
        setGrid(p, 2, 1, 2, 250, 172);
        setOrigin(p, 110, 80);
        setWidths(p, 2, 3);
        setPrefixes(p, R"(obr\301\znam)", R"(obr\201\cisl)");
        flags(p, true, true);
        break;
    case 401: {
        // The picture game's grid; its prefixes are left as they are.
        const int side = byLevel(L, 4, 6, 8);
        setGrid(p, side * side, side, side, 30, 30);
        const int W = p.cellWidth, H = p.cellHeight, c = p.gridColumns, r = p.gridRows;
        if (S == 3) {
            p.gridLeft = (760 - W * c) / 2 + 20;
            p.gridTop = (508 - 2 * H * r) / 2 + 53;
        } else {
            p.gridLeft = (748 - 2 * W * c) / 2 + 25;
            p.gridTop = (520 - H * r) / 2 + 53;
        }
        setWidths(p, 2, 3);
        flags(p, true, false);
        break;
    }
    case 402:
        setGrid(p, 8, 1, 8, 50, 149);
        setOrigin(p, 155, 141);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\402\zed)", R"(obr\402\zed)");
        flags(p, true, true);
        break;
    case 403:
        setGrid(p, 11, 4, 3, 162, 149);
        setOrigin(p, -10, -171);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\403)", R"(obr\403)");
        flags(p, true, true);
        p.answersNeeded = 6;
        break;
    case 404:
        setGrid(p, 7, 7, 1, 320, 75);
        setOrigin(p, -20, -180);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\404\nove\kc)", R"(obr\404\nove\kc)");
        flags(p, true, true);
        p.answersNeeded = 200;
        break;
    case 405:
        setGrid(p, 6, 1, 6, 120, 120);
        setOrigin(p, -5, 190);
        setWidths(p, 2, 3);
        setPrefixes(p, R"(obr\405\karta)", R"(obr\201\male\cisl)");
        flags(p, true, true);
        break;
    case 406: {
        const int count = 10 * std::max(1, L);
        setGrid(p, count, count, 1, 170, 149);
        setOrigin(p, 73, 85);
        setWidths(p, 2, 2);
        if (L <= 1)
            setPrefixes(p, R"(obr\406\do10\obr)", R"(obr\406\do10\c)");
        else
            setPrefixes(p, R"(obr\406\do20\obr)", R"(obr\406\do20\c)");
        flags(p, false, true);
        break;
    }
    case 407:
        setGrid(p, 4, 1, 4, 180, 172);
        setOrigin(p, 0, 205);
        setWidths(p, 1, 1);
        setPrefixes(p, R"(obr\407\dom)", R"(obr\407\dom)");
        flags(p, true, true);
        break;
    case 408:
        setGrid(p, 12, 3, 4, 175, 175);
        setOrigin(p, 3, -178);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\408\)", R"(obr\408\)");
        flags(p, true, true);
        p.answersNeeded = 12;
        break;
    case 409:
        setGrid(p, 20, 4, 5, 130, 130);
        setOrigin(p, 22, -177);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\409\)", R"(obr\409\)");
        flags(p, true, true);
        break;
    case 410: {
        const int count = L <= 1 ? 9 : 16;
        const int side = roundedSquareRoot(count);
        const int cell = count == 9 ? 160 : 120;
        setGrid(p, count, side, side, cell, cell);
        setOrigin(p, 118, -157);
        setWidths(p, 2, 2);
        setPrefixes(p, count == 16 ? R"(obr\410\patn\)" : R"(obr\410\)", R"(obr\410\)");
        flags(p, true, true);
        p.answersNeeded = count - 1;
        break;
    }
    case 411: {
        const int columns = std::clamp(S, 1, 2);
        setGrid(p, 4 * columns, 4, columns, 90, 90);
        setOrigin(p, columns == 1 ? 14 : -36, -227);
        setWidths(p, 1, 2);
        p.tilePicturePrefix = QStringLiteral("obr\\411\\barvy pro ") + QString::number(4 * columns)
            + QStringLiteral("\\obr");
        p.altPicturePrefix = QStringLiteral("obr\\411\\") + QString::number(L) + QStringLiteral("\\obr");
        flags(p, true, true);
        p.answersNeeded = p.tileCount - 1;
        break;
    }
    case 412:
        setGrid(p, 10, 16, 20, 30, 30);
        setOrigin(p, 61, 75);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\412\blud)", R"(obr\412\blud)");
        flags(p, true, true);
        p.answersNeeded = 10;
        break;
    case 501: {
        const int count = in.cardsPerSet;
        const int side = roundedSquareRoot(count);
        const int cell = count <= 4 ? 240 : 160;
        setGrid(p, count, side, side, cell, cell);
        setOrigin(p, 216, -157);
        setWidths(p, 2, 2);
        // The doubled separator is part of the name; the file store reads
        // it as one.
        p.tilePicturePrefix = QStringLiteral("obr\\410\\") + QStringLiteral("\\obr\\")
            + NumberToText(in.cardSet, 2);
        p.altPicturePrefix = QStringLiteral("obr\\410\\");
        flags(p, true, true);
        p.answersNeeded = count - 1;
        break;
    }
    case 502:
        setGrid(p, 10, 5, 2, 90, 90);
        setOrigin(p, -40, -224);
        setWidths(p, 2, 2);
        setPrefixes(p, R"(obr\411\vybarv\bar)", R"(obr\411\vybarv\vyb)");
        flags(p, true, true);
        p.answersNeeded = p.tileCount - 1;
        break;
    default:
        break;
    }
}

} // namespace

BoxSpan SetUpExerciseLayout(Problem &p, const LayoutInput &in)
{
    p.gridLeft = 0;
    p.gridTop = 0;
    p.firstCard = 1000;
    p.answersNeeded = 1;
    p.gridAligned = false;
    p.noChoicePanel = false;

    applyRow(p, in);

    if (in.task < 400 && in.task != 201 && in.task != 203 && in.task != 205 && p.tileCount > 6)
        p.tileCount = 6;
    p.tileCount = std::clamp(p.tileCount, 0, kMaxTiles);
    return {p.tileCount + 1, 10};
}

std::optional<TileParent> tileParentFor(int task)
{
    if (task == 411)
        return std::nullopt;
    return task < 400 ? TileParent::ChoicePanel : TileParent::Screen;
}

bool generatorSetsStems(int task)
{
    switch (task) {
    case 103: case 104: case 105: case 106: case 107:
    case 110: case 111:
    case 202: case 205: case 206: case 207:
    case 301: case 302: case 303: case 304:
    case 307: case 308: case 310:
    case 403: case 404: case 407: case 408: case 409:
        return true;
    default:
        return false;
    }
}

std::vector<TilePlacement> LayOutTiles(const Problem &p, int task, TileParent parent, int panel1Width,
                                       const TilePictureSize &pictureSize, Random &random)
{
    const int dx = parent == TileParent::ChoicePanel ? 10 : 40;
    const int dy = parent == TileParent::ChoicePanel ? 5 : 230;
    const int columns = std::max(1, p.gridColumns);
    const bool formStems = !generatorSetsStems(task);
    // A random offset 0 .. slack - 1; no draw when the cell has no slack.
    const auto jitter = [&random](int slack) { return slack <= 0 ? 0 : random.range(0, slack - 1); };

    std::vector<TilePlacement> out;
    out.reserve(static_cast<std::size_t>(std::max(0, p.tileCount)));
    for (int i = 1; i <= p.tileCount; ++i) {
        TilePlacement t;
        t.tile = i;
        if (formStems) {
            t.stem = p.tilePicturePrefix + NumberToText(p.tileValue[static_cast<std::size_t>(i)], p.numberWidth);
            t.stemFormed = true;
        } else {
            t.stem = p.stem(i);
        }

        const QSize size = (task == 404 && i <= 6) ? QSize(300, 87) : pictureSize(i, t.stem + QStringLiteral("n.Jpg"));
        const int w = size.width();
        const int h = size.height();
        const int column = (i - 1) % columns;
        const int row = (i - 1) / columns;

        int left, top;
        if (p.gridAligned) {
            const int shift = (task == 201 && p.tileCount == 11 && i >= 7) ? 54 : 0;
            left = column * p.cellWidth + dx + p.gridLeft + (p.cellWidth - w) / 2 + shift;
            top = row * p.cellHeight + dy + p.gridTop + (p.cellHeight - h) / 2;
        } else {
            left = column * p.cellWidth + dx + p.gridLeft + jitter((p.cellWidth - w) / 2);
            if (left + w >= panel1Width + 30)
                left = panel1Width + 30 - w - 2;
            top = row * p.cellHeight + dy + p.gridTop + jitter((p.cellHeight - h) / 2);
        }
        t.rect = QRect(left, top, w, h);
        out.push_back(t);
    }

    if (task == 403) {
        // Tiles 1..9 stand on the three shelf panels, three to a shelf.
        for (TilePlacement &t : out) {
            if (t.tile > 9)
                continue;
            const int shelf = (t.tile - 1) / 3 + 1;
            const int c = (t.tile - 1) % 3 + 1;
            t.groupPanel = shelf;
            t.rect.moveTo((c - 1) * p.cellWidth, 0);
        }
    }
    return out;
}

void applyTileStems(Problem &problem, const std::vector<TilePlacement> &placements)
{
    for (const TilePlacement &t : placements)
        if (t.stemFormed && t.tile >= 0 && t.tile < kTileInfoCount)
            problem.tileInfo[static_cast<std::size_t>(t.tile)].name = t.stem;
}

TilePlan EnsureTiles(const Problem &p, int task, int lastTask, int lastTileCount)
{
    TilePlan plan;
    const int count = p.tileCount;
    const bool countChanged = count != lastTileCount;
    const int columns = std::max(1, p.gridColumns);

    if (task != lastTask && lastTask == 205)
        plan.hideTiles = {10, 12};

    if (countChanged) {
        plan.freeTiles = {13, lastTileCount};
        if (lastTask == 401 || lastTask == 406)
            plan.freeBackBoxes = {17, lastTileCount};
    }

    if ((task == 401 || task == 406) && countChanged && count >= 17) {
        for (int n = 17; n <= count; ++n)
            plan.newBackBoxes.push_back(
                {n, QRect((n - 1) % columns * p.cellWidth + p.gridLeft,
                          (n - 1) / columns * p.cellHeight + p.gridTop, p.cellWidth, p.cellHeight)});
    }

    if (countChanged && count >= 13) {
        for (int n = 13; n <= count; ++n) {
            const int column = (n - 1) % columns;
            const int row = (n - 1) / columns;
            const QPoint at = task == 410
                ? QPoint(column * p.cellWidth + p.gridLeft + 40, row * p.cellHeight + p.gridTop + 230)
                : QPoint(column * p.cellWidth + columns * p.cellWidth + p.gridLeft + 4,
                         row * p.cellHeight + p.gridTop);
            plan.newTiles.push_back({n, QRect(at, QSize(p.cellWidth, p.cellHeight))});
        }
    }

    if (task == 401)
        plan.firstTileStem = QStringLiteral("obr\\401\\p_prazdny2");

    if (task != lastTask || countChanged) {
        if (const auto parent = tileParentFor(task)) {
            plan.reparent = true;
            plan.parent = *parent;
        }
    }
    return plan;
}

} // namespace flumo
