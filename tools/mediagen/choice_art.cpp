#include "choice_art.h"

#include "draw.h"

#include <QHash>
#include <QPainterPath>

#include <algorithm>
#include <mutex>

using namespace Qt::StringLiterals;

namespace mediagen::choice {

const char *lookLetter(Look look)
{
    switch (look) {
    case Look::Normal: return "n";
    case Look::Highlighted: return "k";
    case Look::Display: return "d";
    }
    return "n";
}

QString pad(int n, int width) { return u"%1"_s.arg(n, width, 10, QLatin1Char('0')); }

QColor tileAreaColour() { return QColor(193, 195, 207); }
QColor upperPanelColour() { return QColor(250, 235, 175); }

int sizeSetTileSide(int size)
{
    static const int sides[] = {56, 84, 114, 146};
    return sides[qBound(1, size, 4) - 1];
}

int sizeSetDisplaySide(int size)
{
    // Four of them side by side must fit the upper panel (the size row).
    static const int sides[] = {62, 90, 120, 156};
    return sides[qBound(1, size, 4) - 1];
}

int numberDisplayWidth(int digits)
{
    // A row of five one-digit and one two-digit picture with 23-pixel gaps,
    // starting 10 pixels in, fits the upper panel (744 wide).
    static const int widths[] = {96, 128, 166};
    return widths[qBound(1, digits, 3) - 1];
}

int smallNumberDisplayWidth(int digits)
{
    // At most 115 wide: the display boxes of a number row are that wide.
    static const int widths[] = {72, 100, 112};
    return widths[qBound(1, digits, 3) - 1];
}

namespace {

const QString kObjects[kObjectCount] = {
    u"🐕"_s, u"🐈"_s, u"🐁"_s, u"🐇"_s,  // pes, kočka, myš, králík
    u"🦊"_s, u"🐻"_s, u"🐼"_s, u"🐯"_s,  // liška, medvěd, panda, tygr
    u"🦁"_s, u"🐄"_s, u"🐖"_s, u"🐸"_s,  // lev, kráva, prase, žába
    u"🐒"_s, u"🐔"_s, u"🐧"_s, u"🐦"_s,  // opice, slepice, tučňák, ptáček
    u"🐤"_s, u"🦆"_s, u"🦉"_s, u"🐎"_s,  // kuřátko, kachna, sova, kůň
    u"🦄"_s, u"🐝"_s, u"🐛"_s, u"🦋"_s,  // jednorožec, včela, housenka, motýl
    u"🐌"_s, u"🐞"_s, u"🐢"_s, u"🐍"_s,  // šnek, beruška, želva, had
    u"🐙"_s, u"🦀"_s, u"🐠"_s, u"🐬"_s,  // chobotnice, krab, rybička, delfín
    u"🐳"_s, u"🦈"_s, u"🐊"_s, u"🐘"_s,  // velryba, žralok, krokodýl, slon
    u"🦒"_s, u"🦓"_s, u"🐪"_s, u"🐑"_s,  // žirafa, zebra, velbloud, ovce
    u"🐐"_s, u"🦔"_s, u"🐿️"_s, u"🦌"_s,  // koza, ježek, veverka, jelen
    u"🐓"_s, u"🦜"_s, u"🦢"_s, u"🍎"_s,  // kohout, papoušek, labuť, jablko
    u"🍐"_s, u"🍊"_s, u"🍋"_s, u"🍌"_s,  // hruška, pomeranč, citron, banán
    u"🍉"_s, u"🍇"_s, u"🍓"_s, u"🍒"_s,  // meloun, hrozny, jahoda, třešně
    u"🍑"_s, u"🍍"_s, u"🥝"_s, u"🥕"_s,  // broskev, ananas, kiwi, mrkev
    u"🌽"_s, u"🥒"_s, u"🍅"_s, u"🥔"_s,  // kukuřice, okurka, rajče, brambora
    u"🍄"_s, u"🥦"_s, u"🧅"_s, u"🍞"_s,  // houba, brokolice, cibule, chleba
    u"🧀"_s, u"🥚"_s, u"🍕"_s, u"🍦"_s,  // sýr, vajíčko, pizza, zmrzlina
    u"🍪"_s, u"🍭"_s, u"🍬"_s, u"🥛"_s,  // sušenka, lízátko, bonbon, mléko
    u"🎂"_s, u"⚽"_s, u"🏀"_s, u"🎈"_s,  // narozeninový dort, míč, basketbalový míč, balonek
    u"🪁"_s, u"🧸"_s, u"🪀"_s, u"🎁"_s,  // drak, medvídek, jojo, dárek
    u"🥁"_s, u"🎺"_s, u"🎸"_s, u"🔔"_s,  // buben, trumpeta, kytara, zvonek
    u"🎨"_s, u"✏️"_s, u"🖍️"_s, u"📚"_s,  // paleta, tužka, pastelka, knížky
    u"✂️"_s, u"🎒"_s, u"🪣"_s, u"🎲"_s,  // nůžky, batoh, kyblík, kostka
    u"🧩"_s, u"🎀"_s, u"👑"_s, u"🔑"_s,  // puzzle, mašle, koruna, klíč
    u"⏰"_s, u"🚗"_s, u"🚌"_s, u"🚓"_s,  // budík, auto, autobus, policie
    u"🚑"_s, u"🚒"_s, u"🚜"_s, u"🚲"_s,  // sanitka, hasiči, traktor, kolo
    u"🛴"_s, u"🏍️"_s, u"🚂"_s, u"🚋"_s,  // koloběžka, motorka, lokomotiva, tramvaj
    u"✈️"_s, u"🚁"_s, u"🚀"_s, u"⛵"_s,  // letadlo, vrtulník, raketa, plachetnice
    u"🚢"_s, u"🛶"_s, u"🚚"_s, u"🏠"_s,  // loď, kánoe, nákladní auto, dům
    u"🪑"_s, u"🛏️"_s, u"🚪"_s, u"🛁"_s,  // židle, postel, dveře, vana
    u"🧹"_s, u"🔨"_s, u"🪥"_s, u"☂️"_s,  // koště, kladivo, kartáček, deštník
    u"👕"_s, u"👖"_s, u"👗"_s, u"🧦"_s,  // tričko, kalhoty, šaty, ponožky
    u"🧤"_s, u"🧣"_s, u"👒"_s, u"🧢"_s,  // rukavice, šála, klobouk, čepice
    u"👟"_s, u"👢"_s, u"👓"_s, u"🥄"_s,  // bota, holínka, brýle, lžíce
    u"☕"_s, u"🫖"_s, u"💡"_s, u"📱"_s,  // hrnek, konvice, žárovka, telefon
    u"📺"_s, u"🌞"_s, u"🌙"_s, u"⭐"_s,  // televize, sluníčko, měsíc, hvězda
    u"☁️"_s, u"🌈"_s, u"❄️"_s, u"⛄"_s,  // mrak, duha, vločka, sněhulák
    u"🌳"_s, u"🌲"_s, u"🌷"_s, u"🌻"_s,  // strom, smrk, tulipán, slunečnice
    u"🌵"_s, u"🍁"_s, u"🐚"_s, u"🍩"_s,  // kaktus, list, mušle, kobliha
};

// Each picture shows exactly one thing: a child counts the pictures, so a
// glyph of a pair or a bunch would make the tile show another number.
const QString kCountKindGlyphs[kCountKinds] = {
    u"🍎"_s, u"🍐"_s, u"🍊"_s, u"🍋"_s, u"🍌"_s, u"🍓"_s, u"🍩"_s, u"🥕"_s, u"🍄"_s, u"⚽"_s,
    u"🎈"_s, u"⭐"_s, u"🌷"_s, u"🐠"_s, u"🐞"_s, u"🦋"_s, u"🐤"_s, u"🐌"_s, u"🚗"_s, u"🍪"_s,
    u"🍭"_s, u"🔔"_s, u"🎁"_s, u"🥚"_s, u"🐝"_s, u"🧸"_s, u"🔑"_s, u"✏️"_s, u"🌻"_s, u"🐢"_s,
};

struct SpriteCache {
    std::mutex lock;
    QHash<QString, QImage> images;
};

SpriteCache &spriteCache()
{
    static SpriteCache cache;
    return cache;
}

// The colour font's bitmaps are 136 pixels high; this size draws them
// nearly unscaled into a 160-pixel square.
constexpr int kSpritePx = 109;
constexpr int kSpriteSide = 160;

QImage rasterise(const QString &glyph)
{
    QImage img = draw::transparentCanvas(kSpriteSide, kSpriteSide);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setFont(draw::emojiFont(kSpritePx));
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, kSpriteSide, kSpriteSide), Qt::AlignCenter, glyph);
    }
    int left = kSpriteSide, top = kSpriteSide, right = -1, bottom = -1;
    for (int y = 0; y < kSpriteSide; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < kSpriteSide; ++x)
            if (qAlpha(line[x]) > 8) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
    }
    if (right < 0)
        return {};
    return img.copy(left, top, right - left + 1, bottom - top + 1);
}

} // namespace

QString objectGlyph(int n) { return n >= 1 && n <= kObjectCount ? kObjects[n - 1] : QString(); }

int sizeSetObject(int k)
{
    // 7 and 160 share no factor, so the 69 sets show 69 different objects
    // spread over all the categories.
    return ((qBound(1, k, kSizeSetCount) - 1) * 7) % kObjectCount + 1;
}

QString countKindGlyph(int k) { return k >= 1 && k <= kCountKinds ? kCountKindGlyphs[k - 1] : QString(); }

bool showsSeveralObjects(const QString &glyph)
{
    // Glyphs whose colour-font picture shows a pair, a bunch or a group.
    static const QString several[] = {
        u"🍒"_s, u"🍇"_s, u"🫐"_s, u"🥜"_s, u"🫘"_s, u"🍟"_s, u"🍿"_s, u"🍡"_s, u"🍢"_s, u"🧆"_s,
        u"🥞"_s, u"🥢"_s, u"🍻"_s, u"🥂"_s, u"🧦"_s, u"🧤"_s, u"👀"_s, u"👣"_s, u"🐾"_s, u"👥"_s,
        u"👫"_s, u"👬"_s, u"👭"_s, u"👪"_s, u"👯"_s, u"🎎"_s, u"🎭"_s, u"🎳"_s, u"🎶"_s, u"📚"_s,
        u"💐"_s, u"🌾"_s, u"🍂"_s, u"🎊"_s,
    };
    return std::find(std::begin(several), std::end(several), glyph) != std::end(several);
}

QColor paintColour(int c)
{
    static const QColor colours[kColourCount] = {
        QColor(250, 250, 250), // 1 bílá
        QColor(225, 30, 35),   // 2 červená
        QColor(25, 70, 200),   // 3 modrá (tmavě modrá beside 12)
        QColor(25, 140, 45),   // 4 zelená (tmavě zelená beside 13)
        QColor(245, 195, 0),   // 5 žlutá (tmavě žlutá beside 14)
        QColor(25, 25, 25),    // 6 černá
        QColor(255, 130, 10),  // 7 oranžová
        QColor(255, 120, 190), // 8 růžová
        QColor(140, 50, 190),  // 9 fialová
        QColor(115, 65, 25),   // 10 hnědá (tmavě hnědá beside 15)
        QColor(140, 140, 140), // 11 šedá
        QColor(120, 200, 255), // 12 světle modrá
        QColor(150, 230, 100), // 13 světle zelená
        QColor(255, 245, 140), // 14 světle žlutá
        QColor(215, 170, 115), // 15 světle hnědá
    };
    return colours[qBound(1, c, kColourCount) - 1];
}

QImage sprite(const QString &glyph)
{
    SpriteCache &cache = spriteCache();
    // Held while rasterising: the font engine then only ever draws one glyph
    // at a time at this one size, so the result never depends on the thread.
    std::lock_guard guard(cache.lock);
    const auto it = cache.images.constFind(glyph);
    if (it != cache.images.constEnd())
        return it.value();
    const QImage img = rasterise(glyph);
    cache.images.insert(glyph, img);
    return img;
}

void drawFitted(QPainter &p, const QRectF &box, const QImage &img)
{
    if (img.isNull() || box.width() < 1 || box.height() < 1)
        return;
    const qreal scale = qMin(box.width() / img.width(), box.height() / img.height());
    const int w = qMax(1, qRound(img.width() * scale));
    const int h = qMax(1, qRound(img.height() * scale));
    const QImage scaled = img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(QPointF(qRound(box.left() + (box.width() - w) / 2), qRound(box.top() + (box.height() - h) / 2)),
                scaled);
}

QImage pictogram(const QImage &spriteImage)
{
    if (spriteImage.isNull())
        return {};
    // A drawing in one dark blue: a light fill in two shades, and dark lines
    // along the outline and wherever the colour picture changes colour
    // sharply (a leaf on a fruit, a frog's eyes and mouth), so objects of
    // the same round shape still look different.
    const QImage src = spriteImage.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const QRgb dark = qRgb(22, 42, 96), middle = qRgb(120, 156, 214), light = qRgb(206, 220, 244);
    const int w = src.width(), h = src.height();
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? qRgba(0, 0, 0, 0) : src.pixel(x, y); };
    auto lum = [](QRgb c) { return (0.30 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c)) / 255.0; };
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = at(x, y);
            const int a = qAlpha(c);
            if (a < 24)
                continue;
            bool edge = false;
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QRgb n = at(x + d.x(), y + d.y());
                if (a >= 128 && qAlpha(n) < 128) {
                    edge = true;
                    break;
                }
                if (qAlpha(n) >= 128 && a >= 128) {
                    const int diff = std::abs(qRed(c) - qRed(n)) + std::abs(qGreen(c) - qGreen(n))
                        + std::abs(qBlue(c) - qBlue(n));
                    // Count an edge once, on its darker side.
                    if (diff > 110 && lum(c) <= lum(n)) {
                        edge = true;
                        break;
                    }
                }
            }
            const double l = lum(c);
            const QRgb shade = edge || l < 0.22 ? dark : l < 0.55 ? middle : light;
            line[x] = qRgba(qRed(shade), qGreen(shade), qBlue(shade), a);
        }
    }
    return out;
}

QImage card(QSize size, Look look, QRect *content, QColor face)
{
    const bool display = look == Look::Display;
    QImage img = draw::canvas(size.width(), size.height(), display ? upperPanelColour() : tileAreaColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(0, 0, size.width(), size.height()).adjusted(3, 3, -3, -3);
    const qreal radius = qMin<qreal>(14, qMin(size.width(), size.height()) / 6.0);
    if (look == Look::Highlighted) {
        // A warm glow around the card.
        for (int i = 3; i >= 1; --i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 170, 40, 50 + (3 - i) * 35));
            p.drawRoundedRect(body.adjusted(-i, -i, i, i), radius + i, radius + i);
        }
    }
    QColor fill = face.isValid() ? face : QColor(255, 253, 246);
    if (look == Look::Highlighted && !face.isValid())
        fill = QColor(255, 246, 214);
    p.setBrush(fill);
    if (look == Look::Highlighted)
        p.setPen(QPen(QColor(245, 140, 15), 4));
    else if (display)
        p.setPen(QPen(QColor(205, 170, 90), 2));
    else
        p.setPen(QPen(QColor(140, 148, 178), 2));
    p.drawRoundedRect(body.adjusted(1, 1, -1, -1), radius, radius);
    if (content)
        *content = body.toRect().adjusted(7, 6, -7, -6);
    return img;
}

} // namespace mediagen::choice
