// Media of the sliding puzzle: the pictures of exercise 410 (nine for the
// 3 x 3 puzzle, two for the 4 x 4 one) and the card set pictures of the
// reward game 501 cut into pieces with the empty piece, 501's previews and
// both backgrounds.
#include "draw.h"
#include "games.h"
#include "shell.h"

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

constexpr int kGrid = 480;   // every puzzle is 480 pixels wide

QString two(int n) { return QString::number(n).rightJustified(2, u'0'); }

struct Scene {
    QColor top, bottom;       // background gradient
    QColor ground;            // lower third; invalid: none
    std::vector<const char *> glyphs;   // one per cell, row by row
};

// Each cell of a picture holds one thing of its theme, so every piece shows
// something a child can name and find its place by.
Scene scene(int picture)
{
    switch (picture) {
    case 1: return {QColor(130, 200, 250), QColor(215, 240, 255), QColor(120, 200, 90),
                    {"☀️", "🦋", "☁️", "🌳", "🏡", "🐦", "🌷", "🐞", "🌻"}};
    case 2: return {QColor(255, 214, 140), QColor(255, 240, 200), QColor(215, 180, 110),
                    {"🦁", "🦒", "🐘", "🐒", "🦓", "🦛", "🐊", "🦜", "🐢"}};
    case 3: return {QColor(255, 200, 210), QColor(255, 236, 240), QColor(),
                    {"🍎", "🍐", "🍌", "🍇", "🍓", "🍒", "🍊", "🍉", "🍍"}};
    case 4: return {QColor(150, 210, 255), QColor(225, 240, 255), QColor(150, 150, 160),
                    {"✈️", "🚁", "🎈", "🚗", "🚌", "🚲", "🚂", "🚜", "🚒"}};
    case 5: return {QColor(220, 200, 255), QColor(245, 235, 255), QColor(),
                    {"🍰", "🍭", "🍩", "🍦", "🎂", "🍪", "🧁", "🍫", "🍬"}};
    case 6: return {QColor(170, 200, 235), QColor(235, 245, 255), QColor(250, 252, 255),
                    {"❄️", "🌨️", "⭐", "⛄", "🎄", "🦌", "🛷", "🧤", "🎁"}};
    case 7: return {QColor(160, 215, 170), QColor(220, 245, 215), QColor(110, 170, 80),
                    {"🦉", "🌲", "🐿️", "🦔", "🍄", "🦊", "🐻", "🌰", "🐇"}};
    case 8: return {QColor(255, 230, 150), QColor(255, 248, 215), QColor(),
                    {"🧸", "🪁", "🎈", "⚽", "🥁", "🎺", "🪀", "🧩", "🚂"}};
    case 9: return {QColor(120, 190, 230), QColor(190, 230, 250), QColor(90, 160, 200),
                    {"☁️", "🌞", "🐦", "🐸", "🦆", "🌿", "🐟", "🪷", "🐌"}};
    case 10: return {QColor(110, 185, 245), QColor(210, 238, 255), QColor(115, 195, 95),
                     {"☀️", "☁️", "🎈", "🐝", "🌳", "🏠", "🐕", "🐈", "🐓",
                      "🐄", "🌷", "🐑", "🐖", "🌻", "🐇", "🍄"}};
    default: return {QColor(20, 40, 110), QColor(70, 50, 140), QColor(),
                     {"🌙", "⭐", "☄️", "🪐", "🛰️", "🚀", "🌟", "👽", "🌍",
                      "🛸", "👨‍🚀", "🌠", "🔭", "🌕", "✨", "🌌"}};
    }
}

// Puzzle picture p of exercise 410 (1..9 the 3 x 3 pictures, 10 and 11 the
// two 4 x 4 ones), kGrid pixels square.
QImage puzzlePicture(int p)
{
    const Scene s = scene(p);
    const int side = s.glyphs.size() == 16 ? 4 : 3;
    QImage img = draw::canvas(kGrid, kGrid, s.bottom);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing);
    draw::vgradient(painter, QRectF(0, 0, kGrid, kGrid), s.top, s.bottom);
    if (s.ground.isValid()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(s.ground);
        QPainterPath hill;
        const qreal y = kGrid * (side - 1.0) / side - 12;
        hill.moveTo(0, y + 14);
        hill.cubicTo(kGrid * 0.3, y - 16, kGrid * 0.7, y + 26, kGrid, y);
        hill.lineTo(kGrid, kGrid);
        hill.lineTo(0, kGrid);
        painter.drawPath(hill);
    }
    const qreal cell = qreal(kGrid) / side;
    for (int i = 0; i < int(s.glyphs.size()); ++i) {
        const QRectF r(i % side * cell, i / side * cell, cell, cell);
        draw::emoji(painter, r.adjusted(cell * 0.16, cell * 0.16, -cell * 0.16, -cell * 0.16),
                    QString::fromUtf8(s.glyphs[static_cast<std::size_t>(i)]));
    }
    return img;
}

// Piece `piece` (1..side * side) of a picture cut into side x side pieces;
// piece 0 is the empty cell. numbered: a small number in the corner (the
// exercise's puzzles, so a child can also go by the order). look 'k' draws
// the cursor frame.
QImage puzzlePiece(const QImage &picture, int side, int piece, bool numbered, char look)
{
    const int cell = kGrid / side;
    QImage img = piece == 0 ? draw::canvas(cell, cell, QColor(70, 62, 88))
                            : picture.copy((piece - 1) % side * cell, (piece - 1) / side * cell, cell, cell);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (piece == 0) {
        draw::vgradient(p, QRectF(0, 0, cell, cell), QColor(60, 52, 78), QColor(92, 84, 112));
    } else {
        // A raised edge: light above and left, dark below and right.
        p.setPen(QPen(QColor(255, 255, 255, 170), 3));
        p.drawLine(QPointF(1.5, 1.5), QPointF(cell - 1.5, 1.5));
        p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, cell - 1.5));
        p.setPen(QPen(QColor(0, 0, 0, 120), 3));
        p.drawLine(QPointF(1.5, cell - 1.5), QPointF(cell - 1.5, cell - 1.5));
        p.drawLine(QPointF(cell - 1.5, 1.5), QPointF(cell - 1.5, cell - 1.5));
        if (numbered) {
            const qreal d = cell * 0.24;
            const QRectF badge(cell - d - 6, cell - d - 6, d, d);
            p.setPen(QPen(QColor(255, 255, 255), 1.5));
            p.setBrush(QColor(40, 60, 120, 210));
            p.drawEllipse(badge);
            draw::fitText(p, badge.toRect(), QString::number(piece), Qt::white, int(d * 0.6), 8);
        }
    }
    if (look == 'k') {
        p.setPen(QPen(QColor(255, 215, 40), 6));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 3, cell - 6, cell - 6), 6, 6);
    }
    return img;
}

// The screen behind the puzzle: a wooden frame around the grid at (left, 73)
// and, for 501, a frame around the preview.
QImage puzzleBackground(bool reward)
{
    QImage img = draw::canvas(800, 600, QColor(250, 238, 214));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (reward)
        draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(255, 236, 200), QColor(250, 205, 190));
    else
        draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(214, 236, 250), QColor(190, 222, 200));
    const int left = reward ? 256 : 158;
    const auto frame = [&p](const QRectF &r) {
        p.setPen(QPen(QColor(90, 56, 26), 2));
        p.setBrush(QColor(160, 108, 58));
        p.drawRoundedRect(r.adjusted(-14, -14, 14, 14), 12, 12);
        p.setBrush(QColor(60, 52, 78));
        p.drawRect(r.adjusted(-2, -2, 2, 2));
    };
    frame(QRectF(left, 73, kGrid, kGrid));
    if (reward) {
        frame(QRectF(50, 127, 160, 160));
        draw::fitText(p, QRect(30, 300, 200, 30), u"Takhle to má vypadat"_s, QColor(110, 60, 30), 17, 10);
        draw::emoji(p, QRectF(92, 360, 76, 76), u"⭐"_s);
    } else {
        draw::emoji(p, QRectF(40, 120, 80, 80), u"🧩"_s);
        draw::emoji(p, QRectF(676, 440, 80, 80), u"🧩"_s);
    }
    return img;
}

class PuzzleFamily final : public Family {
public:
    QString id() const override { return u"puzzle"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        out.push_back({u"Obr\\410\\bgr.jpg"_s, [] { return draw::jpeg(puzzleBackground(false)); }});
        out.push_back({u"Obr\\410\\obr\\bgr.jpg"_s, [] { return draw::jpeg(puzzleBackground(true)); }});
        const auto pieces = [&out](const QString &prefix, std::function<QImage()> picture, int side, bool numbered) {
            for (int piece = 0; piece <= side * side; ++piece)
                for (char look : {'n', 'k'})
                    out.push_back({prefix + two(piece) + QLatin1Char(look) + u".Jpg"_s, [=] {
                                       return draw::jpeg(puzzlePiece(picture(), side, piece, numbered, look));
                                   }});
        };
        for (int p = 1; p <= 9; ++p)
            pieces(u"obr\\410\\"_s + two(p) + u"\\pex"_s, [p] { return puzzlePicture(p); }, 3, true);
        for (int p = 1; p <= 2; ++p)
            pieces(u"obr\\410\\patn\\"_s + QString::number(p) + u"\\pex"_s, [p] { return puzzlePicture(9 + p); }, 4, true);
        for (int set = 1; set <= 10; ++set) {
            const QString folder = u"obr\\410\\obr\\"_s + two(set);
            const auto whole = [set] { return shell::cardTheme(set, kGrid); };
            pieces(folder + u"\\pexx"_s, whole, 2, false);
            pieces(folder + u"\\pex"_s, whole, 3, false);
            out.push_back({folder + u"\\Nahled.jpg"_s, [set] { return draw::jpeg(shell::cardTheme(set, 160)); }});
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makePuzzleFamily() { return std::make_unique<games::PuzzleFamily>(); }
} // namespace mediagen
