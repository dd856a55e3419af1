// Media of the addition domino: the stones of both subtasks (dots, numerals)
// in the hand and on the board in both orientations, and the board.
#include "draw.h"
#include "games.h"

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

const QColor kFelt(46, 122, 84);
const QColor kTray(196, 158, 112);
const QColor kIvory(252, 248, 234);
const QColor kPip(30, 34, 48);

// Dot positions of 0..9 on a 3 x 3 grid (column, row), read like dice.
const std::vector<std::pair<int, int>> &pips(int v)
{
    static const std::vector<std::pair<int, int>> table[10] = {
        {},
        {{1, 1}},
        {{0, 0}, {2, 2}},
        {{0, 0}, {1, 1}, {2, 2}},
        {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {2, 2}},
        {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
        {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
    };
    return table[std::clamp(v, 0, 9)];
}

void drawHalf(QPainter &p, const QRectF &half, int v, bool numbers)
{
    if (numbers) {
        p.setPen(kPip);
        QFont f = draw::boldFont(int(half.height() * 0.72));
        p.setFont(f);
        p.drawText(half, Qt::AlignCenter, QString::number(v));
        return;
    }
    const qreal cell = std::min(half.width(), half.height()) / 3.4;
    const QPointF origin = half.center() - QPointF(cell, cell);
    p.setPen(Qt::NoPen);
    p.setBrush(kPip);
    for (const auto &[c, r] : pips(v))
        p.drawEllipse(origin + QPointF(c * cell, r * cell), cell * 0.36, cell * 0.36);
}

} // namespace

QImage dominoStone(int a, int b, bool numbers, bool vertical, char look)
{
    const bool hand = look != 'd';
    const QSize size = hand ? QSize(160, 80) : vertical ? QSize(68, 136) : QSize(136, 68);
    QImage img = draw::canvas(size.width(), size.height(), hand ? kTray : kFelt);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF stone = QRectF(img.rect()).adjusted(3, 3, -3, -3);
    if (look == 'k') {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 60));
        p.drawRoundedRect(QRectF(img.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
        stone = stone.adjusted(3, 3, -3, -3);
    }
    // A soft shadow, the ivory face, a dark divider.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(stone.translated(2, 2), 9, 9);
    p.setBrush(kIvory);
    p.setPen(QPen(QColor(120, 110, 90), 1.5));
    p.drawRoundedRect(stone, 9, 9);
    QRectF first, second;
    if (vertical) {
        first = QRectF(stone.left(), stone.top(), stone.width(), stone.height() / 2);
        second = first.translated(0, stone.height() / 2);
        p.setPen(QPen(kPip, 2));
        p.drawLine(QPointF(stone.left() + 6, stone.center().y()), QPointF(stone.right() - 6, stone.center().y()));
    } else {
        first = QRectF(stone.left(), stone.top(), stone.width() / 2, stone.height());
        second = first.translated(stone.width() / 2, 0);
        p.setPen(QPen(kPip, 2));
        p.drawLine(QPointF(stone.center().x(), stone.top() + 6), QPointF(stone.center().x(), stone.bottom() - 6));
    }
    drawHalf(p, first.adjusted(3, 3, -3, -3), a, numbers);
    drawHalf(p, second.adjusted(3, 3, -3, -3), b, numbers);
    return img;
}

QImage dominoBoard()
{
    QImage img = draw::canvas(800, 600, kFelt);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(60, 140, 98), QColor(38, 104, 70));
    // The ring of places, faintly marked, so the child sees where the chain goes.
    const QRect places[15] = {
        {57, 86, 136, 68},  {193, 86, 136, 68},  {329, 86, 136, 68}, {465, 86, 136, 68}, {601, 86, 136, 68},
        {669, 154, 68, 136}, {669, 290, 68, 136}, {533, 358, 136, 68}, {465, 290, 68, 136}, {397, 222, 136, 68},
        {261, 222, 136, 68}, {261, 290, 68, 136}, {125, 358, 136, 68}, {57, 290, 68, 136}, {57, 154, 68, 136},
    };
    p.setPen(QPen(QColor(255, 255, 255, 70), 2, Qt::DashLine));
    p.setBrush(QColor(0, 0, 0, 25));
    for (const QRect &r : places)
        p.drawRoundedRect(QRectF(r).adjusted(4, 4, -4, -4), 8, 8);
    // The sum panel's frame and the hand's tray.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(364, 386, 66, 50), 10, 10);
    p.setBrush(QColor(90, 60, 30));
    p.drawRoundedRect(QRectF(30, 466, 740, 112), 18, 18);
    p.setBrush(kTray);
    p.drawRoundedRect(QRectF(38, 474, 724, 96), 14, 14);
    p.setPen(QColor(255, 255, 255, 230));
    draw::fitText(p, QRect(364, 416, 66, 18), u"součet"_s, QColor(40, 90, 60), 14, 9, Qt::AlignCenter);
    return img;
}

namespace {

class DominoFamily final : public Family {
public:
    QString id() const override { return u"domino"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        out.push_back({u"Obr\\407\\domino.jpg"_s, [] { return draw::jpeg(dominoBoard()); }});
        for (int s = 1; s <= 2; ++s)
            for (int a = 0; a <= 9; ++a)
                for (int b = 0; b <= 9; ++b) {
                    const QString stem = u"obr\\407\\dom"_s + QString::number(s) + u'_' + QString::number(a) + u'_'
                        + QString::number(b) + u'_';
                    const bool numbers = s == 2;
                    out.push_back({stem + u"1n.Jpg"_s, [=] { return draw::jpeg(dominoStone(a, b, numbers, false, 'n')); }});
                    out.push_back({stem + u"1k.Jpg"_s, [=] { return draw::jpeg(dominoStone(a, b, numbers, false, 'k')); }});
                    out.push_back({stem + u"1d.JPG"_s, [=] { return draw::jpeg(dominoStone(a, b, numbers, false, 'd')); }});
                    out.push_back({stem + u"2d.JPG"_s, [=] { return draw::jpeg(dominoStone(a, b, numbers, true, 'd')); }});
                }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeDominoFamily() { return std::make_unique<games::DominoFamily>(); }
} // namespace mediagen
