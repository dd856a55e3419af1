// The card collection screen: background, ten card sets (each one picture
// cut into nine or four cards), the empty card, previews, game buttons and
// the close button.
#include "draw.h"
#include "shell.h"

#include <QPainterPath>
#include <QRandomGenerator>

namespace mediagen::shell {

using namespace draw;

namespace {

const QString kFolder = QStringLiteral("obr\\karticky\\");
constexpr int kCard = 125;

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

struct Sprite {
    const char *glyph;
    qreal x, y;    // centre, as a fraction of the side
    qreal size;    // height, as a fraction of the side
};

struct Theme {
    QColor skyTop, skyBottom;   // upper part
    QColor groundTop, groundBottom;
    qreal horizon;              // where the ground starts, fraction of the side; 1 = no ground
    bool stars;                 // small white dots in the sky
    std::vector<Sprite> sprites;
};

// Nine sprites a theme, one for each cell of the 3 × 3 cut (row by row),
// so every card of a set of nine shows something and every card of a set
// of four shows two or three things.
Theme theme(int set)
{
    switch (set) {
    case 1: // meadow
        return {QColor(120, 195, 250), QColor(200, 235, 255), QColor(120, 205, 90), QColor(70, 160, 60), 0.50, false,
                {{"☀️", 0.17, 0.16, 0.26}, {"🦋", 0.50, 0.18, 0.20}, {"☁️", 0.82, 0.15, 0.24},
                 {"🌳", 0.18, 0.46, 0.32}, {"🏠", 0.52, 0.47, 0.32}, {"🐦", 0.84, 0.44, 0.20},
                 {"🌷", 0.16, 0.83, 0.24}, {"🐞", 0.50, 0.84, 0.18}, {"🌻", 0.83, 0.82, 0.26}}};
    case 2: // sea
        return {QColor(70, 170, 230), QColor(20, 80, 170), QColor(240, 215, 150), QColor(215, 180, 110), 0.82, false,
                {{"🐠", 0.17, 0.17, 0.22}, {"🐳", 0.52, 0.17, 0.28}, {"🫧", 0.84, 0.15, 0.18},
                 {"🐙", 0.18, 0.50, 0.28}, {"🐟", 0.50, 0.50, 0.22}, {"🐡", 0.83, 0.49, 0.24},
                 {"🐚", 0.17, 0.85, 0.18}, {"🦀", 0.50, 0.84, 0.22}, {"🐢", 0.83, 0.84, 0.24}}};
    case 3: // space
        return {QColor(10, 15, 60), QColor(50, 30, 110), QColor(0, 0, 0), QColor(0, 0, 0), 1.0, true,
                {{"⭐", 0.17, 0.17, 0.18}, {"☄️", 0.50, 0.16, 0.22}, {"🪐", 0.83, 0.18, 0.30},
                 {"🛸", 0.17, 0.50, 0.24}, {"🚀", 0.50, 0.50, 0.32}, {"🌟", 0.83, 0.50, 0.18},
                 {"🌙", 0.17, 0.83, 0.26}, {"👽", 0.50, 0.84, 0.22}, {"🌍", 0.83, 0.82, 0.28}}};
    case 4: // farm
        return {QColor(150, 210, 255), QColor(225, 240, 255), QColor(150, 200, 90), QColor(110, 160, 60), 0.45, false,
                {{"☁️", 0.17, 0.15, 0.22}, {"🌞", 0.50, 0.16, 0.24}, {"🐓", 0.83, 0.17, 0.24},
                 {"🚜", 0.18, 0.50, 0.28}, {"🐄", 0.50, 0.50, 0.32}, {"🐴", 0.83, 0.50, 0.28},
                 {"🐑", 0.17, 0.84, 0.26}, {"🐖", 0.50, 0.84, 0.26}, {"🐣", 0.83, 0.84, 0.22}}};
    case 5: // winter
        return {QColor(150, 180, 230), QColor(215, 228, 250), QColor(250, 252, 255), QColor(215, 225, 245), 0.48, true,
                {{"❄️", 0.17, 0.16, 0.20}, {"🌨️", 0.50, 0.16, 0.24}, {"❄️", 0.83, 0.17, 0.16},
                 {"🌲", 0.17, 0.48, 0.32}, {"⛄", 0.50, 0.50, 0.34}, {"🏔️", 0.83, 0.47, 0.30},
                 {"🧤", 0.17, 0.84, 0.20}, {"🐧", 0.50, 0.84, 0.24}, {"🛷", 0.83, 0.84, 0.24}}};
    case 6: // vehicles
        return {QColor(130, 200, 250), QColor(215, 240, 255), QColor(130, 130, 140), QColor(95, 95, 105), 0.62, false,
                {{"🚁", 0.17, 0.17, 0.24}, {"✈️", 0.50, 0.16, 0.26}, {"🎈", 0.83, 0.18, 0.24},
                 {"🚂", 0.17, 0.50, 0.28}, {"🚌", 0.50, 0.50, 0.28}, {"🚒", 0.83, 0.50, 0.28},
                 {"🚗", 0.17, 0.84, 0.26}, {"🚲", 0.50, 0.84, 0.24}, {"🚜", 0.83, 0.84, 0.26}}};
    case 7: // jungle
        return {QColor(120, 200, 160), QColor(210, 240, 190), QColor(190, 170, 90), QColor(150, 130, 60), 0.58, false,
                {{"🦜", 0.17, 0.17, 0.24}, {"🐒", 0.50, 0.17, 0.26}, {"🌴", 0.83, 0.20, 0.32},
                 {"🌴", 0.17, 0.48, 0.32}, {"🐘", 0.50, 0.50, 0.32}, {"🦒", 0.83, 0.50, 0.34},
                 {"🦁", 0.17, 0.84, 0.26}, {"🐍", 0.50, 0.84, 0.22}, {"🐊", 0.83, 0.84, 0.24}}};
    case 8: // forest
        return {QColor(160, 215, 200), QColor(225, 245, 225), QColor(100, 170, 80), QColor(60, 120, 50), 0.55, false,
                {{"🌲", 0.17, 0.20, 0.32}, {"🦉", 0.50, 0.17, 0.24}, {"🌲", 0.83, 0.20, 0.32},
                 {"🐿️", 0.17, 0.50, 0.24}, {"🦊", 0.50, 0.50, 0.30}, {"🦌", 0.83, 0.50, 0.30},
                 {"🦔", 0.17, 0.84, 0.24}, {"🍄", 0.50, 0.84, 0.22}, {"🐻", 0.83, 0.84, 0.26}}};
    case 9: // sweets
        return {QColor(255, 200, 225), QColor(255, 235, 245), QColor(250, 215, 170), QColor(235, 185, 140), 0.62, true,
                {{"🍭", 0.17, 0.17, 0.26}, {"🍬", 0.50, 0.17, 0.22}, {"🍦", 0.83, 0.17, 0.26},
                 {"🍪", 0.17, 0.50, 0.24}, {"🎂", 0.50, 0.50, 0.32}, {"🍫", 0.83, 0.50, 0.24},
                 {"🧁", 0.17, 0.84, 0.24}, {"🍩", 0.50, 0.84, 0.22}, {"🍓", 0.83, 0.84, 0.22}}};
    default: // toys
        return {QColor(255, 230, 150), QColor(255, 245, 210), QColor(200, 170, 130), QColor(170, 135, 95), 0.62, false,
                {{"🎈", 0.17, 0.17, 0.26}, {"🪁", 0.50, 0.17, 0.26}, {"⭐", 0.83, 0.17, 0.20},
                 {"🎨", 0.17, 0.50, 0.24}, {"🧸", 0.50, 0.50, 0.32}, {"🪀", 0.83, 0.50, 0.22},
                 {"🚂", 0.17, 0.84, 0.24}, {"⚽", 0.50, 0.84, 0.22}, {"🧩", 0.83, 0.84, 0.22}}};
    }
}

QImage emptyCard()
{
    QImage img = cardBackground().copy(25, 116, kCard, kCard);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A neutral place for a card: a shallow hollow in the background, with
    // no mark that would say a card is missing (it is also the unused place
    // of a set of four).
    const QRectF place(5, 5, kCard - 10, kCard - 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 22));
    p.drawRoundedRect(place, 14, 14);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(place.adjusted(2, 2, 0, 0), 13, 13);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(place, 14, 14);
    return img;
}

// One card: the piece (col, row) of a picture cut into cells × cells.
QImage cardPiece(int set, int cells, int index)
{
    const QImage whole = cardTheme(set, kCard * cells);
    const int col = index % cells, row = index / cells;
    QImage img = whole.copy(col * kCard, row * kCard, kCard, kCard);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 220), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, kCard - 3, kCard - 3), 8, 8);
    return img;
}

QImage preview(int set, int n)
{
    const int left = 441 + 70 * ((n - 1) % 2), top = 54 + 70 * ((n - 1) / 2);
    QImage img = cardBackground().copy(left, top, 64, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage pic = cardTheme(set, 240).scaled(58, 58, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(3, 3, 58, 58), 8, 8);
    p.setClipPath(clip);
    p.drawImage(3, 3, pic);
    p.setClipping(false);
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, 59, 59), 9, 9);
    return img;
}

// A game button (81 × 51): 1 the sliding puzzle, 2 colouring. inactive:
// the grey look shown until a set is complete.
QImage gameButton(int which, bool inactive)
{
    const int top = which == 1 ? 412 : 468;
    QImage img = cardBackground().copy(472, top, 81, 51);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = which == 1 ? QColor(60, 140, 230) : QColor(235, 110, 60);
    buttonFace(p, QRectF(0, 0, 81, 51), base, 12);
    if (which == 1) {
        // A small 3 × 3 puzzle with one gap.
        for (int i = 0; i < 8; ++i) {
            const QRectF cell(8 + (i % 3) * 10, 12 + (i / 3) * 10, 9, 9);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 230, 90));
            p.drawRoundedRect(cell, 2, 2);
        }
    } else {
        emoji(p, QRectF(5, 9, 32, 32), QString::fromUtf8("🖍️"));
    }
    fitText(p, QRect(38, 4, 40, 42), which == 1 ? QString::fromUtf8("Hra\n1") : QString::fromUtf8("Hra\n2"),
            Qt::white, 16, 10, Qt::AlignCenter, base.darker(170));
    p.end();
    if (!inactive)
        return img;
    // Grey only the button, not the background around its corners.
    const QImage bg = cardBackground().copy(472, top, 81, 51);
    QImage grey = greyed(img);
    QImage outImg = bg;
    QPainter q(&outImg);
    q.setRenderHint(QPainter::Antialiasing);
    QPainterPath face;
    face.addRoundedRect(QRectF(1, 1, 78, 48), 12, 12);
    q.setClipPath(face);
    q.drawImage(0, 0, grey);
    return outImg;
}

QImage closeCross()
{
    QImage img = cardBackground().copy(536, 12, 28, 28);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.6));
    QRadialGradient g(QPointF(10, 10), 20);
    g.setColorAt(0, QColor(250, 120, 110));
    g.setColorAt(1, QColor(200, 40, 40));
    p.setBrush(g);
    p.drawEllipse(QPointF(14, 14), 12.5, 12.5);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(19, 19));
    p.drawLine(QPointF(19, 9), QPointF(9, 19));
    return img;
}

void add(std::vector<MediaFile> &out, const QString &name, std::function<QImage()> paint)
{
    out.push_back({kFolder + name, [paint = std::move(paint)] { return jpeg(paint()); }});
}

} // namespace

QImage cardTheme(int set, int side)
{
    const Theme t = theme(set);
    QImage img = canvas(side, side, t.skyBottom);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal horizon = side * t.horizon;
    vgradient(p, QRectF(0, 0, side, horizon), t.skyTop, t.skyBottom);
    if (t.horizon < 1.0) {
        QPainterPath ground;
        ground.moveTo(0, horizon + side * 0.03);
        ground.cubicTo(side * 0.3, horizon - side * 0.04, side * 0.7, horizon + side * 0.06, side, horizon);
        ground.lineTo(side, side);
        ground.lineTo(0, side);
        ground.closeSubpath();
        QLinearGradient g(0, horizon, 0, side);
        g.setColorAt(0, t.groundTop);
        g.setColorAt(1, t.groundBottom);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(ground);
    }
    if (t.stars) {
        QRandomGenerator rng(quint32(set * 7919));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        const qreal limit = t.horizon < 1.0 ? horizon : side;
        for (int i = 0; i < 40; ++i)
            p.drawEllipse(QPointF(rng.bounded(side), rng.bounded(qMax(1, int(limit)))), side / 260.0, side / 260.0);
    }
    for (const Sprite &s : t.sprites) {
        const qreal h = s.size * side;
        emoji(p, QRectF(s.x * side - h * 0.7, s.y * side - h / 2, h * 1.4, h), QString::fromUtf8(s.glyph));
    }
    return img;
}

QImage cardBackground()
{
    QImage img = canvas(584, 540, QColor(255, 244, 214));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    vgradient(p, QRectF(0, 0, 584, 540), QColor(255, 246, 220), QColor(250, 222, 200));
    // Tray behind the 3 × 3 grid of cards (25..400, 116..521).
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawRoundedRect(QRectF(15, 106, 415, 415), 16, 16);
    // Tray behind the previews (441..575, 54..394) with its heading.
    p.drawRoundedRect(QRectF(433, 20, 146, 382), 14, 14);
    fitText(p, QRect(438, 24, 94, 26), QString::fromUtf8("Obrázky"), QColor(120, 70, 40), 15, 10,
            Qt::AlignLeft | Qt::AlignVCenter);
    // A few hearts and stars in the free corner by the buttons.
    emoji(p, QRectF(428, 420, 36, 36), QString::fromUtf8("⭐"));
    emoji(p, QRectF(428, 470, 32, 32), QString::fromUtf8("🏆"));
    return img;
}

void addCardFiles(std::vector<MediaFile> &out)
{
    out.push_back({kFolder + QStringLiteral("bgr.jpg"), [] { return jpeg(cardBackground()); }});
    add(out, QStringLiteral("karta0.Jpg"), [] { return emptyCard(); });
    for (int set = 1; set <= 10; ++set) {
        const QString folder = two(set) + QLatin1Char('\\');
        for (int c = 1; c <= 9; ++c)
            add(out, folder + QStringLiteral("karta%1_1.Jpg").arg(two(c)), [set, c] { return cardPiece(set, 3, c - 1); });
        for (int c = 1; c <= 4; ++c)
            add(out, folder + QStringLiteral("karta%1_2.Jpg").arg(two(c)), [set, c] { return cardPiece(set, 2, c - 1); });
        add(out, QStringLiteral("nahled%1.Jpg").arg(two(set)), [set] { return preview(set, set); });
    }
    for (int which : {1, 2}) {
        add(out, QStringLiteral("tlacitko%1.Jpg").arg(which), [which] { return gameButton(which, false); });
        add(out, QStringLiteral("tlacitko%1s.Jpg").arg(which), [which] { return gameButton(which, true); });
    }
    add(out, QStringLiteral("zavr.Jpg"), [] { return closeCross(); });
}

} // namespace mediagen::shell
