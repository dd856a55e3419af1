// Media of the dot pictures (401): the pictures per level in "Punt" files
// (4 x 4, 6 x 6, 8 x 8 dots), the dots of both grids in their looks, the
// samples of the three subtasks and the background.
#include "draw.h"
#include "games.h"
#include <QTransform>
#include <set>

using namespace Qt::StringLiterals;

namespace mediagen::games {

namespace {

constexpr int kDot = 30;
const QColor kBlue(40, 110, 220);
const QColor kPaper(250, 248, 238);
const QColor kAnswerPaper(255, 255, 255);
const QColor kFaint(200, 200, 210);

using Picture = std::vector<QString>;   // rows of 'x' (dot) and '.'

// Hand-drawn pictures a child can name; each is used as drawn and, where
// the level needs more, mirrored, turned or flipped.
const std::vector<Picture> &designs(int side)
{
    static const std::vector<Picture> four = {
        {"xxxx", "x..x", "x..x", "xxxx"}, {"x..x", ".xx.", ".xx.", "x..x"}, {".x..", "xxx.", ".x..", "...."},
        {"x...", "x...", "x...", "xxxx"}, {"xxxx", ".xx.", ".xx.", ".xx."}, {"x...", "xx..", "xxx.", "xxxx"},
        {"x...", ".x..", "..x.", "...x"}, {"..x.", "xxxx", "..x.", "...."}, {"x..x", "x..x", "x..x", "xxxx"},
        {"xxxx", "x...", "x...", "xxxx"}, {"x..x", "xxxx", "x..x", "x..x"}, {"xx..", ".xx.", "..xx", "...."},
        {".xx.", "xxxx", "x..x", "xxxx"}, {".xx.", "xxxx", ".xx.", ".xx."}, {"xxx.", "xx..", "x...", "x..."},
        {"..x.", ".xx.", "xxxx", ".xx."}, {"x.x.", ".x.x", "x.x.", ".x.x"}, {".xx.", "x..x", "x..x", ".xx."},
    };
    static const std::vector<Picture> six = {
        {".x..x.", "xxxxxx", "xxxxxx", ".xxxx.", "..xx..", "......"},   // heart
        {"..xx..", ".xxxx.", "xxxxxx", ".x..x.", ".x.xx.", ".xxxx."},   // house
        {"..xx..", ".xxxx.", "xxxxxx", ".xxxx.", "..xx..", "..xx.."},   // tree
        {"..xx..", ".xxxx.", "xxxxxx", "..xx..", "..xx..", "..xx.."},   // arrow
        {"...x..", "...xx.", "...xxx", "...x..", "xxxxxx", ".xxxx."},   // boat
        {"......", "..xxx.", "xxxx.x", "xxxxxx", "..xxx.", "......"},   // fish
        {"......", "xxxx..", "xxxxxx", "xxxx.x", "xxxxx.", ".xx..."},   // cup
        {"xxxx..", "xxxxx.", "xxxx..", "x.....", "x.....", "x....."},   // flag
        {"..xx..", ".xxxx.", "xxxxxx", "xxxxxx", ".xxxx.", "..xx.."},   // diamond
        {"x.....", "xx....", "xxx...", "xxxx..", "xxxxx.", "xxxxxx"},   // stairs
        {".xxxx.", "xxxxxx", "x.xx.x", "..xx..", "..xx..", ".xxxx."},   // mushroom
        {"......", ".xxx..", "xx.xx.", "xxxxxx", ".x..x.", "......"},   // car
        {"..xx..", "..xx..", "xxxxxx", "xxxxxx", "..xx..", "..xx.."},   // plus
        {"xxxxxx", "x....x", "x....x", "x....x", "x....x", "xxxxxx"},   // frame
        {".xxxx.", "x....x", "x.x..x", "x....x", "x....x", ".xxxx."},   // ring with a spot
        {"x....x", "xx..xx", "xxxxxx", "x.xx.x", "xxxxxx", ".xxxx."},   // cat
    };
    static const std::vector<Picture> eight = {
        {".xx..xx.", "xxxxxxxx", "xxxxxxxx", "xxxxxxxx", ".xxxxxx.", "..xxxx..", "...xx...", "........"},   // heart
        {"...xx...", "..xxxx..", ".xxxxxx.", "xxxxxxxx", ".x....x.", ".x.xx.x.", ".x.xx.x.", ".xxxxxx."},   // house
        {"...xx...", "..xxxx..", ".xxxxxx.", "..xxxx..", ".xxxxxx.", "xxxxxxxx", "...xx...", "...xx..."},   // tree
        {"........", "...xxx..", "x.xxxxx.", "xxxx.xxx", "xxxxxxxx", "x.xxxxx.", "...xxx..", "........"},   // fish
        {"....x...", "....xx..", "....xxx.", "....xxxx", "....x...", "xxxxxxxx", ".xxxxxx.", "..xxxx.."},   // boat
        {"..xxxx..", ".x....x.", "x.x..x.x", "x......x", "x.x..x.x", "x..xx..x", ".x....x.", "..xxxx.."},   // smiley
        {"........", "..xxxx..", ".x.x..x.", "xxxxxxxx", "xxxxxxxx", ".xx..xx.", ".xx..xx.", "........"},   // car
        {"..xxxx..", ".xxxxxx.", "xx.xx.xx", "xxxxxxxx", "...xx...", "...xx...", "..xxxx..", "........"},   // mushroom
        {"...x....", "...xx...", "xxxxxx..", "xxxxxxx.", "xxxxxx..", "...xx...", "...x....", "........"},   // arrow
        {"........", "xxxxxx..", "xxxxxxxx", "xxxxxx.x", "xxxxxxxx", "xxxxxx..", ".xxxx...", "xxxxxx.."},   // cup
        {"...xx...", ".xxxxxx.", "xxxxxxxx", "...x....", "...x....", "...x....", ".x.x....", "..x....."},   // umbrella
        {"...xx...", "...xx...", "xxxxxxxx", ".xxxxxx.", "..xxxx..", ".xxxxxx.", ".xx..xx.", "x......x"},   // star
        {"...xx...", "..xxxx..", "..x..x..", "..xxxx..", "..xxxx..", ".xxxxxx.", "xx.xx.xx", "x..xx..x"},   // rocket
        {"..xx....", ".xxxx...", "xx.xx...", "..xxx...", "..xxxxxx", ".xxxxxxx", ".xxxxxx.", "..xxxx.."},   // duck
        {"x......x", "xx....xx", "xxxxxxxx", "x.xxxx.x", "xxxxxxxx", "xxx..xxx", ".xxxxxx.", "..xxxx.."},   // cat
        {"....x...", "...x....", ".xx.xx..", "xxxxxxx.", "xxxxxxx.", "xxxxxxx.", ".xxxxx..", "..x.x..."},   // apple
        {"...xx...", "..xxxx..", "...xx...", "..xxxx..", ".xxxxxx.", ".xxxxxx.", ".xxxxxx.", "..xxxx.."},   // snowman
        {"..xxxx..", ".xxxxxx.", "xx.xx.xx", "xxxxxxxx", "xxxxxxxx", "xxxxxxxx", "xxxxxxxx", "x.xx.xx."},   // ghost
    };
    return side == 4 ? four : side == 6 ? six : eight;
}

Picture mirrored(const Picture &p)
{
    Picture out;
    for (const QString &row : p) {
        QString r = row;
        std::reverse(r.begin(), r.end());
        out.push_back(r);
    }
    return out;
}

Picture turned(const Picture &p)
{
    // A quarter turn clockwise.
    const int n = int(p.size());
    Picture out(std::size_t(n), QString(n, u'.'));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            out[std::size_t(c)][n - 1 - r] = p[std::size_t(r)][c];
    return out;
}

Picture flipped(const Picture &p)
{
    return Picture(p.rbegin(), p.rend());
}

// The pictures of a level's file: the designs, then their mirror images,
// their quarter turns and their upside-down forms, each only once.
std::vector<Picture> levelPictures(int level)
{
    const int side = level == 1 ? 4 : level == 2 ? 6 : 8;
    const std::size_t count = level == 1 ? 30 : 40;
    const std::vector<Picture> &base = designs(side);
    std::vector<Picture> out;
    std::set<Picture> seen;
    const auto add = [&](const Picture &p) {
        if (out.size() < count && seen.insert(p).second)
            out.push_back(p);
    };
    for (const Picture &p : base)
        add(p);
    for (const Picture &p : base)
        add(mirrored(p));
    for (const Picture &p : base)
        add(turned(p));
    for (const Picture &p : base)
        add(flipped(p));
    return out;
}

QString puntIni(int level)
{
    const std::vector<Picture> pictures = levelPictures(level);
    QString text;
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        text += u"[Obr"_s + QString::number(n + 1).rightJustified(2, u'0') + u"]\n"_s;
        text += u"Pocet="_s + QString::number(pictures[n].size()) + u'\n';
        for (std::size_t r = 0; r < pictures[n].size(); ++r)
            text += u"Radek"_s + QString::number(r + 1) + u'=' + pictures[n][r] + u'\n';
        text += u'\n';
    }
    return text;
}

// One dot cell: `paper` behind; a full blue dot, a faint small dot (empty
// place) or nothing; a red or yellow ring for the pointed-at look.
QImage dotCell(QColor paper, bool dot, bool faint, QColor ring)
{
    QImage img = draw::canvas(kDot, kDot, paper);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(225, 225, 232), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kDot - 1, kDot - 1));
    if (ring.isValid()) {
        p.setPen(QPen(ring, 3));
        p.setBrush(draw::mix(ring, Qt::white, 0.75));
        p.drawEllipse(QRectF(2.5, 2.5, kDot - 5, kDot - 5));
    }
    if (dot) {
        QRadialGradient g(QPointF(12, 11), 12);
        g.setColorAt(0, draw::mix(kBlue, Qt::white, 0.45));
        g.setColorAt(1, kBlue);
        p.setPen(QPen(kBlue.darker(140), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(6, 6, kDot - 12, kDot - 12));
    } else if (faint) {
        p.setPen(Qt::NoPen);
        p.setBrush(kFaint);
        p.drawEllipse(QRectF(12, 12, 6, 6));
    }
    return img;
}

// A small grid of 3 x 3 dots at `at` showing picture `cells` (9 flags).
void miniGrid(QPainter &p, QPointF at, const std::array<bool, 9> &cells)
{
    constexpr qreal c = 10;
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(at.x() - 3, at.y() - 3, 3 * c + 6, 3 * c + 6), 4, 4);
    for (int i = 0; i < 9; ++i) {
        const QRectF r(at.x() + i % 3 * c + 1.5, at.y() + i / 3 * c + 1.5, c - 3, c - 3);
        p.setPen(Qt::NoPen);
        p.setBrush(cells[std::size_t(i)] ? kBlue : kFaint);
        p.drawEllipse(cells[std::size_t(i)] ? r : r.adjusted(2, 2, -2, -2));
    }
}

// The sample of a subtask: a small picture and what the child draws from it
// (the same, its mirror image beside it, or it upside down below it).
QImage sample(int subtask)
{
    QImage img = draw::canvas(94, 92, QColor(255, 250, 225));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 160, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, 92, 90), 10, 10);
    const std::array<bool, 9> flag = {true, true, false, true, false, false, true, false, false};   // an "F"-like hook
    std::array<bool, 9> answer = flag;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const bool v = flag[std::size_t(r * 3 + c)];
            if (subtask == 2)
                answer[std::size_t(r * 3 + 2 - c)] = v;
            else if (subtask == 3)
                answer[std::size_t((2 - r) * 3 + c)] = v;
        }
    const QColor arrow(220, 80, 40);
    if (subtask == 3) {
        miniGrid(p, QPointF(32, 7), flag);
        miniGrid(p, QPointF(32, 55), answer);
        p.setPen(QPen(arrow, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(15, 30), QPointF(15, 62));
        p.drawLine(QPointF(10, 36), QPointF(15, 28));
        p.drawLine(QPointF(20, 36), QPointF(15, 28));
        p.drawLine(QPointF(10, 56), QPointF(15, 64));
        p.drawLine(QPointF(20, 56), QPointF(15, 64));
    } else {
        miniGrid(p, QPointF(6, 30), flag);
        miniGrid(p, QPointF(58, 30), answer);
        if (subtask == 2) {
            // A mirror line between the two.
            p.setPen(QPen(arrow, 2, Qt::DashLine));
            p.drawLine(QPointF(47, 10), QPointF(47, 82));
            p.setPen(QPen(arrow, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(36, 18), QPointF(58, 18));
            p.drawLine(QPointF(36, 18), QPointF(41, 13));
            p.drawLine(QPointF(58, 18), QPointF(53, 13));
        } else {
            p.setPen(QPen(arrow, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(41, 45), QPointF(53, 45));
            p.drawLine(QPointF(41, 50), QPointF(53, 50));
        }
    }
    return img;
}

QImage background()
{
    QImage img = draw::canvas(800, 600, QColor(225, 240, 250));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw::vgradient(p, QRectF(0, 0, 800, 600), QColor(215, 235, 252), QColor(245, 236, 210));
    // Confetti of dots along the edges, clear of the grids.
    const QColor colours[] = {QColor(40, 110, 220), QColor(240, 90, 80), QColor(250, 190, 40), QColor(70, 180, 90)};
    for (int i = 0; i < 36; ++i) {
        const qreal x = i < 18 ? 14 + (i * 47) % 110 : 690 + (i * 31) % 96;
        const qreal y = 190 + (i * 83) % 390;
        p.setPen(Qt::NoPen);
        p.setBrush(draw::mix(colours[i % 4], Qt::white, 0.35));
        p.drawEllipse(QRectF(x, y, 10 + i % 3 * 4, 10 + i % 3 * 4));
    }
    draw::emoji(p, QRectF(30, 480, 80, 80), u"✏️"_s);
    draw::emoji(p, QRectF(695, 480, 80, 80), u"🖍️"_s);
    return img;
}

class DotPictureFamily final : public Family {
public:
    QString id() const override { return u"dotpicture"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        const QString folder = u"obr\\401\\"_s;
        out.push_back({u"Obr\\401\\bgr.jpg"_s, [] { return draw::jpeg(background()); }});
        for (int level = 1; level <= 3; ++level)
            out.push_back({u"Obr\\401\\Punt"_s + QString::number(level) + u".INI"_s,
                           [level] { return draw::iniText(puntIni(level)); }});
        for (int s = 1; s <= 3; ++s)
            out.push_back({folder + u"vzor"_s + QString::number(s) + u".jpg"_s, [s] { return draw::jpeg(sample(s)); }});
        const QColor red(230, 50, 40), yellow(250, 200, 30);
        const std::tuple<const char *, QColor, bool, bool, QColor> dots[] = {
            {"p_modry", kPaper, true, false, QColor()},
            {"p_prazdny2", kPaper, false, true, QColor()},
            {"p_prazdny30x30", kAnswerPaper, false, true, QColor()},
            {"p_modry2", kAnswerPaper, true, false, QColor()},
            {"p_cerveny", kAnswerPaper, false, true, red},
            {"p_zluty", kAnswerPaper, true, false, yellow},
        };
        for (const auto &[stem, paper, dot, faint, ring] : dots) {
            const QColor pp = paper, rr = ring;
            const bool d = dot, f = faint;
            out.push_back({folder + QLatin1String(stem) + u".bmp"_s, [pp, d, f, rr] { return draw::bmp(dotCell(pp, d, f, rr)); }});
        }
        return out;
    }
};

} // namespace

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeDotPictureFamily() { return std::make_unique<games::DotPictureFamily>(); }
} // namespace mediagen
