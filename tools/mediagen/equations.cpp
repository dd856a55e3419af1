// Pictures of the pictures-and-equations exercises and of the wrong and
// right examples.
#include "equations.h"
#include "choice_art.h"
#include "draw.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <tuple>

using namespace Qt::StringLiterals;
using mediagen::choice::Look;

namespace mediagen::equations {

namespace {

constexpr int kKinds = 12;
constexpr int kMaxNumber = 10;
// Tiles fit a jittered 2 × 3 grid of the tile panel; "d" pictures fill the
// pattern row and the display boxes, three of which (with two signs) share
// the upper panel's 744 pixels in 303.
constexpr QSize kTile(192, 146);
constexpr QSize kDisplay(216, 160);
constexpr QSize kSingleDisplay(190, 160);
// Expression "d" pictures leave their top strip empty: the pattern row
// draws them 18 pixels higher.
constexpr int kExpressionTop = 18;

const QColor kNumberInk(30, 75, 185);
const QColor kSignInk(215, 95, 20);
const QColor kWrongInk(215, 35, 35);
// The two groups of a sum: warm and cool trays.
const QColor kGroupTray[2] = {QColor(255, 236, 200), QColor(214, 234, 255)};
const QColor kGroupRim[2] = {QColor(230, 170, 90), QColor(110, 160, 220)};

const QChar kMinus = QChar(0x2212);
const QChar kNotEqual = QChar(0x2260);

QString pad(int n, int width) { return choice::pad(n, width); }

QString fileName(const QString &stem, Look look)
{
    return stem + QLatin1String(choice::lookLetter(look)) + (look == Look::Display ? u".jpg"_s : u".Jpg"_s);
}

constexpr Look kAllLooks[] = {Look::Normal, Look::Highlighted, Look::Display};

// ------------------------------------------------------------ objects

// Draws count copies of the kind's object in a grid that makes them as
// large as the rectangle allows. faded: the last `faded` items are drawn
// pale behind a dashed cut; crossed: the last `crossed` items are crossed
// out in red.
// The largest square cell that fits count items in area, and its columns.
qreal bestCell(const QSizeF &area, int count, int *columns = nullptr)
{
    int bestCols = 1;
    qreal best = 0;
    for (int cols = 1; cols <= qMax(1, count); ++cols) {
        const int rows = (qMax(1, count) + cols - 1) / cols;
        const qreal cell = qMin(area.width() / cols, area.height() / rows);
        if (cell > best + 0.01) {
            best = cell;
            bestCols = cols;
        }
    }
    if (columns)
        *columns = bestCols;
    return best;
}

// Splits area into two trays side by side (gap between) so that items of
// the same size are as large as possible in both; returns the cell size.
qreal splitTrays(const QRectF &area, qreal gap, int left, int right, QRectF *a, QRectF *b)
{
    qreal best = -1;
    const qreal inner = area.width() - gap;
    for (qreal w = 24; w <= inner - 24; w += 2) {
        const qreal cell = qMin(bestCell(QSizeF(w - 6, area.height() - 6), left),
                                bestCell(QSizeF(inner - w - 6, area.height() - 6), right));
        // Among equal sizes the split nearest the middle wins.
        const qreal score = cell - qAbs(w - inner / 2) * 0.001;
        if (score > best) {
            best = score;
            *a = QRectF(area.left(), area.top(), w, area.height());
        }
    }
    *b = QRectF(a->right() + gap, area.top(), area.right() - a->right() - gap, area.height());
    return qMin(bestCell(a->adjusted(3, 3, -3, -3).size(), left), bestCell(b->adjusted(3, 3, -3, -3).size(), right));
}

void drawItems(QPainter &p, const QRectF &area, int kind, int count, int faded = 0, int crossed = 0,
               qreal maxCell = 1e9)
{
    if (count <= 0)
        return;
    int cols = 1;
    // One or two objects are not drawn giant beside a picture of many.
    const qreal cell = std::min({maxCell, bestCell(area.size(), count, &cols), area.height() * 0.52});
    const int rows = (count + cols - 1) / cols;
    const QPointF origin(area.left() + (area.width() - cell * cols) / 2, area.top() + (area.height() - cell * rows) / 2);
    const QImage art = choice::sprite(choice::countKindGlyph(objectKind(kind)));
    if (art.isNull())
        return;
    const qreal item = cell * 0.86;
    const qreal scale = qMin(item / art.width(), item / art.height());
    const QImage scaled = art.scaled(qMax(1, qRound(art.width() * scale)), qMax(1, qRound(art.height() * scale)),
                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        const QPointF centre = origin + QPointF((i % cols + 0.5) * cell, (i / cols + 0.5) * cell);
        const QPointF at(qRound(centre.x() - scaled.width() / 2.0), qRound(centre.y() - scaled.height() / 2.0));
        const bool pale = i >= count - faded;
        const bool gone = i >= count - crossed;
        p.setOpacity(pale ? 0.28 : gone ? 0.6 : 1.0);
        p.drawImage(at, scaled);
        p.setOpacity(1.0);
        if (gone) {
            const qreal r = cell * 0.40;
            p.setPen(QPen(kWrongInk, qMax(2.0, cell * 0.07), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(centre + QPointF(-r, -r), centre + QPointF(r, r));
            p.drawLine(centre + QPointF(r, -r), centre + QPointF(-r, r));
        }
    }
}

void drawTray(QPainter &p, const QRectF &tray, int group)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGroupRim[group], 2));
    p.setBrush(kGroupTray[group]);
    p.drawRoundedRect(tray, 10, 10);
}

QSize objectSize(Look look) { return look == Look::Display ? kDisplay : kTile; }

// a = b + c objects: b in the warm tray, c in the cool one.
QImage groupsPicture(int kind, int b, int c, Look look)
{
    QRect content;
    QImage img = choice::card(objectSize(look), look, &content);
    QPainter p(&img);
    const QRectF area = QRectF(content).adjusted(1, 1, -1, -1);
    QRectF trayB, trayC;
    const qreal cell = splitTrays(area, 8, b, c, &trayB, &trayC);
    drawTray(p, trayB, 0);
    drawTray(p, trayC, 1);
    drawItems(p, trayB.adjusted(3, 3, -3, -3), kind, b, 0, 0, cell);
    drawItems(p, trayC.adjusted(3, 3, -3, -3), kind, c, 0, 0, cell);
    return img;
}

// v objects in the tray of group 1 or 2.
QImage singlePicture(int kind, int v, int group, Look look)
{
    QRect content;
    QImage img = choice::card(look == Look::Display ? kSingleDisplay : kTile, look, &content);
    QPainter p(&img);
    const QRectF tray = QRectF(content).adjusted(1, 1, -1, -1);
    drawTray(p, tray, group - 1);
    drawItems(p, tray.adjusted(4, 4, -4, -4), kind, v);
    return img;
}

// b objects of which the last c are crossed out.
QImage takenAwayPicture(int kind, int b, int c, Look look)
{
    QRect content;
    QImage img = choice::card(objectSize(look), look, &content);
    QPainter p(&img);
    const QRectF tray = QRectF(content).adjusted(1, 1, -1, -1);
    drawTray(p, tray, 0);
    drawItems(p, tray.adjusted(4, 4, -4, -4), kind, b, 0, c);
    return img;
}

// b objects; the last `away` of them lie pale beyond a dashed red cut.
QImage cutPicture(int kind, int b, int away)
{
    QRect content;
    QImage img = choice::card(kSingleDisplay, Look::Display, &content);
    QPainter p(&img);
    const QRectF area = QRectF(content).adjusted(1, 1, -1, -1);
    const int stay = b - away;
    if (away <= 0 || stay <= 0) {
        drawTray(p, area, 0);
        drawItems(p, area.adjusted(4, 4, -4, -4), kind, b, away);
        if (away > 0) {
            p.setPen(QPen(kWrongInk, 3, Qt::DashLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(area.adjusted(3, 3, -3, -3), 8, 8);
        }
        return img;
    }
    const qreal gap = 10;
    QRectF trayS, trayA;
    const qreal cell = splitTrays(area, gap, stay, away, &trayS, &trayA);
    drawTray(p, trayS, 0);
    drawTray(p, trayA, 0);
    drawItems(p, trayS.adjusted(3, 3, -3, -3), kind, stay, 0, 0, cell);
    drawItems(p, trayA.adjusted(3, 3, -3, -3), kind, away, away, 0, cell);
    p.setPen(QPen(kWrongInk, 3, Qt::DashLine, Qt::RoundCap));
    const qreal x = trayS.right() + gap / 2;
    p.drawLine(QPointF(x, area.top() - 2), QPointF(x, area.bottom() + 2));
    return img;
}

// ------------------------------------------------------------ written maths

// One written line of tokens: numbers in blue, signs in orange (the
// not-equal sign of a wrong example in red), fitted into rect.
void drawFormula(QPainter &p, const QRectF &rect, const QStringList &tokens)
{
    struct Piece {
        QPainterPath path;
        QColor ink;
    };
    std::vector<Piece> pieces;
    const qreal px = 200;
    const qreal space = px * 0.10;
    qreal x = 0;
    for (const QString &t : tokens) {
        const bool number = t.front().isDigit();
        // Whole equations use the narrower cut throughout, so their
        // numbers stay large on a tile.
        QPainterPath path = draw::textOutline(t, int(px), t.size() > 1 || tokens.size() > 3);
        const QRectF box = path.boundingRect();
        path.translate(x - box.left(), 0);
        x += box.width() + space;
        QColor ink = number ? kNumberInk : kSignInk;
        if (t == QString(kNotEqual))
            ink = kWrongInk;
        pieces.push_back({path, ink});
    }
    QPainterPath all;
    for (const Piece &piece : pieces)
        all.addPath(piece.path);
    // Numbers set the height, so every formula's digits are equally tall.
    const QPainterPath digit = draw::textOutline(u"0"_s, int(px));
    const qreal digitH = digit.boundingRect().height();
    const QRectF box = all.boundingRect();
    const qreal scale = qMin(rect.height() * 0.62 / digitH, rect.width() * 0.96 / box.width());
    QTransform t;
    t.translate(rect.center().x() - box.center().x() * scale,
                rect.center().y() - digit.boundingRect().center().y() * scale);
    t.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (const Piece &piece : pieces) {
        const QPainterPath path = t.map(piece.path);
        p.setBrush(piece.ink.lighter(175));
        p.drawPath(path.translated(2, 2));
        p.setBrush(piece.ink);
        p.drawPath(path);
    }
}

QImage formulaPicture(const QStringList &tokens, Look look, bool expression)
{
    if (look == Look::Display && expression) {
        QImage img = draw::canvas(kDisplay.width(), kDisplay.height(), choice::upperPanelColour());
        QRect content;
        const QImage body = choice::card(QSize(kDisplay.width(), kDisplay.height() - kExpressionTop - 4), look, &content);
        QPainter p(&img);
        p.drawImage(0, kExpressionTop, body);
        drawFormula(p, QRectF(content.translated(0, kExpressionTop)), tokens);
        return img;
    }
    QRect content;
    QImage img = choice::card(look == Look::Display ? kDisplay : kTile, look, &content);
    QPainter p(&img);
    drawFormula(p, QRectF(content).adjusted(2, 0, -2, 0), tokens);
    return img;
}

QStringList sumTokens(int b, int c) { return {QString::number(b), u"+"_s, QString::number(c)}; }
QStringList differenceTokens(int b, int c) { return {QString::number(b), QString(kMinus), QString::number(c)}; }

// ------------------------------------------------------------ signs

enum class Sign { Plus, Minus, Equal, Less, Greater };

QImage signPicture(Sign sign, int width, QColor ink)
{
    QImage img = draw::canvas(width, 160, choice::upperPanelColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal cx = width / 2.0, cy = 80, half = qMin(19.0, width / 2.0 - 6);
    switch (sign) {
    case Sign::Plus:
        p.drawLine(QPointF(cx - half, cy), QPointF(cx + half, cy));
        p.drawLine(QPointF(cx, cy - half), QPointF(cx, cy + half));
        break;
    case Sign::Minus:
        p.drawLine(QPointF(cx - half, cy), QPointF(cx + half, cy));
        break;
    case Sign::Equal:
        p.drawLine(QPointF(cx - half, cy - 10), QPointF(cx + half, cy - 10));
        p.drawLine(QPointF(cx - half, cy + 10), QPointF(cx + half, cy + 10));
        break;
    case Sign::Less:
        p.drawPolyline(QPolygonF({{cx + half, cy - 24}, {cx - half, cy}, {cx + half, cy + 24}}));
        break;
    case Sign::Greater:
        p.drawPolyline(QPolygonF({{cx - half, cy - 24}, {cx + half, cy}, {cx - half, cy + 24}}));
        break;
    }
    return img;
}

// ------------------------------------------------------------ wrong sets

struct WrongGroup {
    int first, last;   // picture numbers
    int range;         // numbers up to
    bool zero;         // every equation contains a zero
};
constexpr WrongGroup kWrongGroups[] = {
    {1, 3, 3, true}, {4, 6, 5, true}, {7, 9, 10, true},
    {10, 16, 3, false}, {17, 24, 5, false}, {25, 38, 10, false},
};

std::array<WrongEquation, 39> makeWrongSet(bool subtraction)
{
    std::array<WrongEquation, 39> set{};
    std::set<std::tuple<int, int, int>> taken;
    std::mt19937 rng(subtraction ? 4711u : 1723u);
    for (const WrongGroup &g : kWrongGroups) {
        // Candidates whose true result lies in the range come first; among
        // them those that use a number the smaller ranges did not.
        std::vector<std::tuple<int, int, int>> inRange, fresh, rest;
        const int lo = g.zero ? 0 : 1;
        const int lower = g.range == 3 ? 0 : g.range == 5 ? 3 : 5;
        for (int x = lo; x <= g.range; ++x)
            for (int y = lo; y <= g.range; ++y)
                for (int s = lo; s <= g.range; ++s) {
                    const int truth = subtraction ? x - y : x + y;
                    if (s == truth || (subtraction && y > x))
                        continue;
                    if (g.zero != (x == 0 || y == 0 || s == 0))
                        continue;
                    if (subtraction && x == 0)
                        continue;
                    const auto e = std::make_tuple(x, y, s);
                    const bool usesNew = std::max({x, y, s}) > lower;
                    if (truth >= 0 && truth <= g.range)
                        (usesNew ? fresh : inRange).push_back(e);
                    else
                        rest.push_back(e);
                }
        for (auto *list : {&fresh, &inRange, &rest})
            for (std::size_t i = list->size(); i > 1; --i)
                std::swap((*list)[i - 1], (*list)[rng() % i]);
        std::vector<std::tuple<int, int, int>> order = fresh;
        order.insert(order.end(), inRange.begin(), inRange.end());
        order.insert(order.end(), rest.begin(), rest.end());
        int n = g.first;
        for (const auto &e : order) {
            if (n > g.last)
                break;
            if (!taken.insert(e).second)
                continue;
            set[static_cast<std::size_t>(n++)] = {std::get<0>(e), std::get<1>(e), std::get<2>(e)};
        }
    }
    return set;
}

QStringList equationTokens(int x, int y, int result, bool subtraction, bool wrongShown)
{
    return {QString::number(x), subtraction ? QString(kMinus) : u"+"_s, QString::number(y),
            wrongShown ? QString(kNotEqual) : u"="_s, QString::number(result)};
}

} // namespace

int objectKind(int k)
{
    // Apples, balls, balloons, stars, strawberries, chicks; then oranges,
    // ladybirds, cars, tulips, eggs and bells.
    static constexpr int kinds[kKinds] = {1, 10, 11, 12, 6, 17, 3, 15, 19, 13, 24, 22};
    return kinds[qBound(1, k, kKinds) - 1];
}

WrongEquation wrongEquation(bool subtraction, int n)
{
    static const std::array<WrongEquation, 39> sums = makeWrongSet(false);
    static const std::array<WrongEquation, 39> differences = makeWrongSet(true);
    return (subtraction ? differences : sums)[static_cast<std::size_t>(qBound(0, n, 38))];
}

void addPictures(std::vector<MediaFile> &out)
{
    // Objects: a = b + c in two groups, any of the twelve kinds.
    for (int k = 1; k <= kKinds; ++k) {
        const QString stem = u"obr\\302\\obr"_s + pad(k, 2) + u'_';
        for (int a = 1; a <= kMaxNumber; ++a)
            for (int b = 0; b <= a; ++b)
                for (Look look : kAllLooks) {
                    const int c = a - b;
                    out.push_back({fileName(stem + pad(a, 2) + u'_' + pad(b, 2) + u'_' + pad(c, 2), look),
                                   [=] { return draw::jpeg(groupsPicture(k, b, c, look)); }});
                }
        // Single quantities: the first group (tiles too) and the second.
        for (int v = 0; v <= kMaxNumber; ++v) {
            for (Look look : kAllLooks)
                out.push_back({fileName(stem + pad(v, 2) + u"_1"_s, look),
                               [=] { return draw::jpeg(singlePicture(k, v, 1, look)); }});
            out.push_back({stem + pad(v, 2) + u"_2d.jpg"_s,
                           [=] { return draw::jpeg(singlePicture(k, v, 2, Look::Display)); }});
        }
        // Cut off: b objects, c stay, a = b - c go.
        for (int b = 1; b <= kMaxNumber; ++b)
            for (int c = 0; c <= b; ++c) {
                const int a = b - c;
                out.push_back({u"obr\\302\\orez\\obr"_s + pad(k, 2) + u'_' + pad(b, 2) + u'_' + pad(c, 2) + u'_'
                                   + pad(a, 2) + u"d.jpg"_s,
                               [=] { return draw::jpeg(cutPicture(k, b, a)); }});
            }
    }
    // Taken away: b objects, c crossed out, a = b - c left; six kinds.
    for (int k = 1; k <= 6; ++k)
        for (int b = 1; b <= kMaxNumber; ++b)
            for (int c = 1; c <= b; ++c)
                for (Look look : kAllLooks) {
                    const int a = b - c;
                    out.push_back({fileName(u"obr\\302\\odcit\\obr"_s + pad(k, 2) + u'_' + pad(a, 2) + u'_' + pad(b, 2)
                                                + u'_' + pad(c, 2),
                                            look),
                                   [=] { return draw::jpeg(takenAwayPicture(k, b, c, look)); }});
                }

    // Expressions b + c and b - c, and the equations b + c = a, b - c = a.
    for (int b = 0; b <= kMaxNumber; ++b)
        for (int c = 0; c <= kMaxNumber; ++c)
            for (Look look : kAllLooks) {
                const QString bc = pad(b, 2) + u'_' + pad(c, 2);
                if (b + c >= 1 && b + c <= kMaxNumber) {
                    out.push_back({fileName(u"obr\\soucty\\sou"_s + bc, look),
                                   [=] { return draw::jpeg(formulaPicture(sumTokens(b, c), look, true)); }});
                    out.push_back({fileName(u"obr\\304\\rov"_s + pad(b + c, 2) + u'_' + bc, look), [=] {
                                       return draw::jpeg(formulaPicture(equationTokens(b, c, b + c, false, false), look, false));
                                   }});
                }
                if (b >= 1 && c <= b) {
                    out.push_back({fileName(u"obr\\rozdil\\roz"_s + bc, look),
                                   [=] { return draw::jpeg(formulaPicture(differenceTokens(b, c), look, true)); }});
                    if (c >= 1)
                        out.push_back({fileName(u"obr\\rovnice2\\rov"_s + pad(b - c, 2) + u'_' + bc, look), [=] {
                                           return draw::jpeg(
                                               formulaPicture(equationTokens(b, c, b - c, true, false), look, false));
                                       }});
                }
            }

    // The wrong examples; their "d" look, shown once the wrong one is found,
    // crosses the equals sign out.
    for (bool subtraction : {false, true})
        for (int n = 1; n <= 38; ++n)
            for (Look look : kAllLooks) {
                const WrongEquation e = wrongEquation(subtraction, n);
                const QString stem = (subtraction ? u"obr\\nerovnice2\\ner"_s : u"obr\\308\\ner"_s) + pad(n, 2);
                out.push_back({fileName(stem, look), [=] {
                                   return draw::jpeg(formulaPicture(
                                       equationTokens(e.x, e.y, e.shown, subtraction, look == Look::Display), look, false));
                               }});
            }

    // The narrower signs of long equations and the red signs.
    const QColor blue(40, 60, 150);
    const struct {
        const char16_t *name;
        Sign sign;
        int width;
        QColor ink;
    } signs[] = {
        {u"obr\\201\\plus2.jpg", Sign::Plus, 44, blue},
        {u"obr\\201\\minus2.jpg", Sign::Minus, 44, blue},
        {u"obr\\201\\rovnase2.jpg", Sign::Equal, 44, blue},
        {u"obr\\201\\cervene\\mensi.Jpg", Sign::Less, 55, kWrongInk},
        {u"obr\\201\\cervene\\vetsi.Jpg", Sign::Greater, 55, kWrongInk},
        {u"obr\\201\\cervene\\rovnase.Jpg", Sign::Equal, 55, kWrongInk},
    };
    for (const auto &s : signs) {
        const Sign sign = s.sign;
        const int width = s.width;
        const QColor ink = s.ink;
        out.push_back({QString::fromUtf16(s.name), [=] { return draw::jpeg(signPicture(sign, width, ink)); }});
    }
}

} // namespace mediagen::equations
