// The intro and task selection screen: background, group buttons, list
// rows, group descriptions, the card strip and the small buttons. Every
// button is drawn on the piece of the background it covers.
#include "draw.h"
#include "shell.h"
#include "shell_catalog.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <cmath>

namespace mediagen::shell {

using namespace draw;

namespace {

const QString kFolder = QStringLiteral("obr\\uvod\\");
const QRect kDeletePlace(476, 523, 27, 27);

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// Where each button of the screen lies, with its picture size.
QRect groupButtonRect(int n)
{
    switch (n) {
    case 1: return QRect(30, 73, 138, 131);
    case 2: return QRect(230, 73, 140, 136);
    case 3: return QRect(130, 210, 128, 118);
    case 4: return QRect(330, 210, 137, 136);
    case 5: return QRect(570, 518, 49, 55);
    default: return QRect(650, 518, 37, 46);
    }
}
const QRect kText(42, 364, 450, 140);
const QRect kListFrame(526, 78, 233, 428);
QRect stripSlot(int n) { return QRect(45 + 48 * (n - 1), 516, 40, 40); }

QColor groupColour(int g)
{
    switch (g) {
    case 1: return QColor(245, 140, 50);
    case 2: return QColor(70, 175, 80);
    case 3: return QColor(60, 130, 225);
    case 4: return QColor(170, 85, 200);
    case 5: return QColor(30, 150, 160);
    default: return QColor(235, 90, 120);
    }
}

void title(QPainter &p)
{
    const QString word = QStringLiteral("Flumo");
    const QColor colours[] = {QColor(240, 90, 60), QColor(250, 170, 30), QColor(70, 170, 80),
                              QColor(60, 130, 225), QColor(170, 85, 200)};
    qreal x = 44;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < word.size(); ++i) {
        const QPainterPath glyph = textOutline(word.mid(i, 1), 46);
        const qreal y = 58 + ((i % 2) ? -3 : 3);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawPath(glyph.translated(x + 2, y + 2));
        p.setBrush(colours[i]);
        p.drawPath(glyph.translated(x, y));
        x += glyph.boundingRect().right() + 4;
    }
    fitText(p, QRect(int(x) + 14, 24, 300, 40), QString::fromUtf8("počítáme, hrajeme si"),
            QColor(60, 60, 110), 20, 12, Qt::AlignLeft | Qt::AlignVCenter);
}

// The round small button face used by minimise, close and delete.
QImage smallRound(const QRect &at, const QImage &bg, QColor base, bool pressed)
{
    QImage img = bg.copy(at);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Within the part a smaller box shows, shadow included.
    const QRect shown = shownAtOtherDensity(at.size());
    const qreal r = shown.width() / 2.0 - 1.5;
    const QPointF c(shown.width() / 2.0 - 0.5, shown.height() / 2.0 - 0.5);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(c + QPointF(1, 1), r, r);
    }
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.6);
    g.setColorAt(0, pressed ? base.darker(110) : base.lighter(145));
    g.setColorAt(1, pressed ? base.darker(150) : base.darker(110));
    p.setBrush(g);
    p.setPen(QPen(Qt::white, 1.4));
    p.drawEllipse(c, r, r);
    return img;
}

QImage minimiseButton()
{
    const QRect at(720, 28, 23, 23);
    QImage img = smallRound(at, introBackground(), QColor(60, 130, 225), false);
    QPainter p(&img);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6.5, 14), QPointF(15.5, 14));
    return img;
}

QImage closeButton()
{
    const QRect at(750, 28, 23, 23);
    QImage img = smallRound(at, introBackground(), QColor(225, 60, 60), false);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(15, 15));
    p.drawLine(QPointF(15, 7), QPointF(7, 15));
    return img;
}

// The delete-all-cards button: a small eraser on a round red button that
// sits on the card tray like the other small buttons (its panel is covered
// by the picture); pressed while the question is open.
QImage deleteButton(bool pressed)
{
    QImage img = smallRound(kDeletePlace, introBackground(), QColor(235, 95, 70), pressed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = pressed ? 0.8 : 0;
    p.translate(12.5 + d, 12.5 + d);
    p.rotate(-35);
    p.setPen(QPen(QColor(90, 30, 20), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-8, -4, 10, 8), 1.5, 1.5);
    p.setBrush(QColor(250, 200, 60));
    p.drawRoundedRect(QRectF(2, -4, 6, 8), 1.5, 1.5);
    return img;
}

// The group, settings and help buttons. look: 'n' normal, 'k' pointed at,
// 'v' the chosen group.
QImage groupButton(int n, char look)
{
    const QRect at = groupButtonRect(n);
    QImage img = introBackground().copy(at);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, at.width(), at.height());
    QColor base = groupColour(n);
    if (look == 'k')
        base = base.lighter(118);
    const bool small = n >= 5;
    const qreal radius = small ? 9 : 20;
    if (look == 'k' || look == 'v') {
        // A glow (pointed at) or a golden ring (chosen) around the face.
        p.setPen(Qt::NoPen);
        p.setBrush(look == 'v' ? QColor(255, 210, 40) : QColor(255, 255, 255, 190));
        p.drawRoundedRect(box, radius + 2, radius + 2);
        buttonFace(p, box.adjusted(3, 3, -3, -3), base, radius - 2, look == 'v');
    } else {
        buttonFace(p, box, base, radius);
    }
    const QRectF face = box.adjusted(6, 6, -7, -7);
    if (small) {
        if (n == 5)
            gear(p, face.center(), qMin(face.width(), face.height()) * 0.48, Qt::white);
        else
            fitText(p, face.toRect(), QStringLiteral("?"), Qt::white, 30, 14, Qt::AlignCenter, base.darker(170));
        return img;
    }
    const GroupInfo &g = groups()[n - 1];
    // Upper part: a picture of the group; lower part: its letter and name.
    const QRectF art(face.left() + 8, face.top() + 12, face.width() - 16, face.height() * 0.50);
    switch (n) {
    case 1: {
        const qreal s = art.height() * 0.55;
        const qreal cy = art.center().y();
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(240, 60, 60));
        p.drawEllipse(QPointF(art.left() + art.width() * 0.22, cy), s / 2, s / 2);
        p.setBrush(QColor(70, 140, 240));
        p.drawRect(QRectF(art.center().x() - s / 2, cy - s / 2, s, s));
        QPainterPath tri;
        const qreal tx = art.left() + art.width() * 0.78;
        tri.moveTo(tx, cy - s / 2);
        tri.lineTo(tx + s / 2, cy + s / 2);
        tri.lineTo(tx - s / 2, cy + s / 2);
        tri.closeSubpath();
        p.setBrush(QColor(255, 220, 40));
        p.drawPath(tri);
        break;
    }
    case 2:
        fitText(p, art.toRect(), QStringLiteral("1 2 3"), Qt::white, 38, 14, Qt::AlignCenter, base.darker(170));
        break;
    case 3:
        fitText(p, art.toRect(), QStringLiteral("2+3"), QColor(255, 240, 120), 40, 14, Qt::AlignCenter, base.darker(170));
        break;
    default:
        emoji(p, art.adjusted(0, 2, 0, 2), QString::fromUtf8("🎲"));
        break;
    }
    const QRect caption(int(face.left()), int(art.bottom()) + 2, int(face.width()), int(face.bottom() - art.bottom()) - 2);
    fitText(p, caption, g.name, Qt::white, 19, 11, Qt::AlignCenter, base.darker(180));
    // The group's letter on a small badge in the corner.
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(base.darker(135));
    p.drawEllipse(QRectF(face.left() - 1, face.top() - 1, 24, 24));
    fitText(p, QRect(int(face.left()) - 1, int(face.top()) - 1, 24, 24), g.letter, Qt::white, 15, 9);
    return img;
}

// List row RR of group GG: the exercise's number and caption; pointed
// rows are highlighted in the group's colour.
QImage listRow(const ExerciseInfo &e, bool pointed)
{
    const int group = e.taskId / 100;
    QImage img = canvas(205, 18, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QColor text(30, 35, 80);
    if (pointed) {
        const QColor c = groupColour(group);
        vgradient(p, QRectF(0, 0, 205, 18), c.lighter(125), c.darker(105));
        text = Qt::white;
    }
    const QString number = QString::number(e.taskId % 100);
    QRect numberBox(2, 0, 22, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(pointed ? QColor(255, 255, 255, 70) : groupColour(group).lighter(160));
    p.drawRoundedRect(QRectF(2.5, 1.5, 20, 15), 4, 4);
    fitText(p, numberBox, number, pointed ? Qt::white : groupColour(group).darker(150), 12, 9);
    // A long caption gets a smaller size of the same cut rather than the
    // narrow cut, so every row reads alike.
    const QRect titleBox(27, 0, 175, 18);
    int px = 13;
    while (px > 10 && QFontMetrics(boldFont(px)).horizontalAdvance(e.title) > titleBox.width())
        --px;
    fitText(p, titleBox, e.title, text, px, 9, Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage groupText(const GroupInfo &g)
{
    QImage img = introBackground().copy(kText);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = groupColour(g.group);
    p.setPen(QPen(c, 3));
    p.setBrush(QColor(255, 255, 255, 235));
    const QRect shown = shownAtOtherDensity(kText.size());
    p.drawRoundedRect(QRectF(2, 2, shown.width() - 4, shown.height() - 4), 16, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(14, 12, 44, 44), 10, 10);
    fitText(p, QRect(14, 12, 44, 44), g.letter, Qt::white, 30, 14);
    fitText(p, QRect(68, 12, 370, 44), g.name, c.darker(130), 28, 14, Qt::AlignLeft | Qt::AlignVCenter);
    fitText(p, QRect(16, 62, 420, 72), g.description, QColor(40, 40, 70), 17, 11,
            Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

// A small card of the strip: 0 is the empty place, 1..9 a won card.
QImage stripCard(int n)
{
    QImage img = introBackground().copy(stripSlot(qMax(1, n)));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(3.5, 1.5, 33, 37);
    if (n == 0) {
        p.setPen(QPen(QColor(150, 155, 185), 1.6, Qt::DashLine));
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawRoundedRect(card, 5, 5);
        return img;
    }
    const QColor colours[] = {QColor(240, 90, 60), QColor(250, 160, 30), QColor(230, 200, 30),
                              QColor(70, 175, 80), QColor(40, 170, 170), QColor(60, 130, 225),
                              QColor(110, 90, 220), QColor(170, 85, 200), QColor(230, 80, 150)};
    const QColor c = colours[(n - 1) % 9];
    p.setPen(QPen(Qt::white, 2));
    QLinearGradient g(card.topLeft(), card.bottomRight());
    g.setColorAt(0, c.lighter(135));
    g.setColorAt(1, c.darker(110));
    p.setBrush(g);
    p.drawRoundedRect(card, 5, 5);
    p.setPen(QPen(QColor(150, 90, 0), 1));
    p.setBrush(QColor(255, 228, 60));
    p.drawPath(starPath(QPointF(20, 17), 11, 5));
    fitText(p, QRect(4, 26, 33, 12), QString::number(n), Qt::white, 11, 8);
    return img;
}

void add(std::vector<MediaFile> &out, const QString &name, std::function<QImage()> paint)
{
    out.push_back({kFolder + name, [paint = std::move(paint)] { return jpeg(paint()); }});
}

} // namespace

QColor introListColour() { return QColor(240, 245, 252); }

QImage introBackground()
{
    QImage img = canvas(800, 600, QColor(193, 195, 207));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    vgradient(p, QRectF(0, 0, 800, 600), QColor(190, 222, 250), QColor(222, 214, 240));
    // Soft hills along the bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 225, 170, 150));
    p.drawEllipse(QRectF(-120, 470, 620, 300));
    p.setBrush(QColor(160, 210, 160, 150));
    p.drawEllipse(QRectF(380, 490, 600, 280));
    // A sun and clouds in the free space.
    p.setBrush(QColor(255, 225, 90));
    p.drawEllipse(QPointF(500, 44), 20, 20);
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QRectF &r : {QRectF(560, 22, 60, 26), QRectF(585, 12, 44, 30), QRectF(610, 26, 48, 22)})
        p.drawEllipse(r);
    title(p);
    // The list of exercises lies on a white card with a heading; the row
    // panels (also where a group has fewer rows) have the card's colour.
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(introListColour());
    p.drawRoundedRect(kListFrame, 16, 16);
    fitText(p, QRect(kListFrame.left() + 8, kListFrame.top() + 8, kListFrame.width() - 16, 30),
            QString::fromUtf8("Vyber si úkol:"), QColor(40, 50, 120), 18, 11);
    // The card strip lies on its own tray.
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(QRectF(36, 510, 474, 52), 12, 12);
    // Names under the settings and help buttons.
    fitText(p, QRect(548, 575, 92, 18), QString::fromUtf8("Nastavení"), QColor(40, 60, 60), 12, 9);
    fitText(p, QRect(622, 575, 92, 18), QString::fromUtf8("Nápověda"), QColor(40, 60, 60), 12, 9);
    return img;
}

void addIntroFiles(std::vector<MediaFile> &out)
{
    out.push_back({QStringLiteral("Obr\\uvod\\bgr.jpg"), [] { return jpeg(introBackground()); }});
    // Settings (5) and help (6) are never the chosen group: no "v" look.
    for (int n = 1; n <= 6; ++n)
        for (char look : {'n', 'k', 'v'})
            if (n <= 4 || look != 'v')
                add(out, QStringLiteral("tl%1%2.Jpg").arg(two(n)).arg(QLatin1Char(look)),
                    [n, look] { return groupButton(n, look); });
    for (const GroupInfo &g : groups()) {
        add(out, QStringLiteral("text%1.Jpg").arg(two(g.group)), [&g] { return groupText(g); });
        for (const ExerciseInfo *e : exercisesOfGroup(g.group))
            for (bool pointed : {false, true})
                add(out, QStringLiteral("vyb%1_%2%3.Jpg").arg(two(g.group), two(e->taskId % 100),
                                                             pointed ? QStringLiteral("k") : QStringLiteral("n")),
                    [e, pointed] { return listRow(*e, pointed); });
    }
    for (int n = 0; n <= 9; ++n)
        add(out, QStringLiteral("karta%1.Jpg").arg(n), [n] { return stripCard(n); });
    add(out, QStringLiteral("smaz1.Jpg"), [] { return deleteButton(false); });
    add(out, QStringLiteral("smaz2.Jpg"), [] { return deleteButton(true); });
    add(out, QStringLiteral("min.Jpg"), [] { return minimiseButton(); });
    add(out, QStringLiteral("zavr.Jpg"), [] { return closeButton(); });
}

} // namespace mediagen::shell
