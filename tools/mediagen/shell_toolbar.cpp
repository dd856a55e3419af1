// The toolbar strip's pictures: six buttons, the two arrows in both looks
// and the label pictures of every exercise, subtask and level.
#include "draw.h"
#include "shell.h"
#include "shell_catalog.h"

#include <QPainterPath>

#include <cmath>

namespace mediagen::shell {

using namespace draw;

namespace {

const QColor kStrip(68, 76, 151);   // PanelTlac1
const QString kFolder = QStringLiteral("obr\\tlacitka\\");

QString three(int n) { return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')); }

QString capitalised(const QString &s)
{
    return s.isEmpty() ? s : s.left(1).toUpper() + s.mid(1);
}

enum class Icon { Home, Cards, Settings, Again, Help, Sound };

QImage iconButton(Icon icon, bool inactive = false)
{
    QImage img = canvas(23, 20, kStrip);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QColor base;
    switch (icon) {
    case Icon::Home: base = QColor(240, 140, 40); break;
    case Icon::Cards: base = QColor(150, 90, 210); break;
    case Icon::Settings: base = QColor(30, 150, 160); break;
    case Icon::Again: base = QColor(60, 170, 70); break;
    case Icon::Help: base = QColor(60, 130, 230); break;
    case Icon::Sound: base = QColor(230, 90, 110); break;
    }
    buttonFace(p, QRectF(0, 0, 23, 20), base, 5);
    const QPointF c(11, 9.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    switch (icon) {
    case Icon::Home: {
        QPainterPath roof;
        roof.moveTo(4.5, 9.5);
        roof.lineTo(11, 3.5);
        roof.lineTo(17.5, 9.5);
        roof.closeSubpath();
        p.drawPath(roof);
        p.drawRect(QRectF(6.5, 9, 9, 6.5));
        p.setBrush(base.darker(130));
        p.drawRect(QRectF(9.8, 11.5, 2.6, 4));
        break;
    }
    case Icon::Cards:
        p.setBrush(QColor(255, 225, 60));
        p.setPen(QPen(QColor(120, 70, 0), 0.8));
        p.drawPath(starPath(c, 7, 3));
        break;
    case Icon::Settings:
        gear(p, c, 6.8, Qt::white);
        break;
    case Icon::Again: {
        QPen pen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5.5, 4, 11, 11), 60 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        QPainterPath head;
        head.moveTo(13.3, 1.8);
        head.lineTo(18.0, 5.2);
        head.lineTo(12.5, 7.6);
        head.closeSubpath();
        p.drawPath(head);
        break;
    }
    case Icon::Help:
        fitText(p, QRect(0, 0, 22, 19), QStringLiteral("?"), Qt::white, 15, 10);
        break;
    case Icon::Sound: {
        QPainterPath speaker;
        speaker.moveTo(4.5, 7.5);
        speaker.lineTo(7.5, 7.5);
        speaker.lineTo(11, 4);
        speaker.lineTo(11, 15);
        speaker.lineTo(7.5, 11.5);
        speaker.lineTo(4.5, 11.5);
        speaker.closeSubpath();
        p.drawPath(speaker);
        p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 6, 5, 7), -50 * 16, 100 * 16);
        p.drawArc(QRectF(9, 3.5, 9, 12), -50 * 16, 100 * 16);
        break;
    }
    }
    p.end();
    return inactive ? greyed(img) : img;
}

// An arrow button 18 × 20; left points left. pressed: the held look.
QImage arrowButton(bool left, bool pressed)
{
    QImage img = canvas(18, 20, kStrip);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    buttonFace(p, QRectF(0, 0, 18, 20), pressed ? QColor(250, 200, 40) : QColor(110, 122, 210), 5, pressed);
    QPainterPath tri;
    const qreal cx = 8.5 + (pressed ? 0.5 : 0), cy = 9.5 + (pressed ? 0.5 : 0);
    if (left) {
        tri.moveTo(cx - 4.5, cy);
        tri.lineTo(cx + 3, cy - 5.5);
        tri.lineTo(cx + 3, cy + 5.5);
    } else {
        tri.moveTo(cx + 4.5, cy);
        tri.lineTo(cx - 3, cy - 5.5);
        tri.lineTo(cx - 3, cy + 5.5);
    }
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? QColor(120, 60, 0) : Qt::white);
    p.drawPath(tri);
    return img;
}

// A label box: a light rounded field on the strip, dark bold text.
QImage label(int width, const QString &text, QColor field)
{
    QImage img = canvas(width, 20, kStrip);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(field.darker(140), 1));
    p.setBrush(field);
    p.drawRoundedRect(QRectF(1.5, 1.5, width - 3, 17), 6, 6);
    fitText(p, QRect(6, 1, width - 12, 18), text, QColor(25, 30, 80), 13, 9);
    return img;
}

const QColor kTaskField(255, 232, 140);
const QColor kSubtaskField(190, 236, 180);
const QColor kLevelField(190, 215, 255);

void add(std::vector<MediaFile> &out, const QString &name, std::function<QImage()> paint)
{
    out.push_back({kFolder + name, [paint = std::move(paint)] { return jpeg(paint()); }});
}

} // namespace

void addToolbarFiles(std::vector<MediaFile> &out)
{
    add(out, QStringLiteral("menu.Jpg"), [] { return iconButton(Icon::Home); });
    add(out, QStringLiteral("hodnoc.Jpg"), [] { return iconButton(Icon::Cards); });
    add(out, QStringLiteral("hodnoc2.Jpg"), [] { return iconButton(Icon::Cards, true); });
    add(out, QStringLiteral("param.Jpg"), [] { return iconButton(Icon::Settings); });
    add(out, QStringLiteral("znovu.Jpg"), [] { return iconButton(Icon::Again); });
    add(out, QStringLiteral("help.Jpg"), [] { return iconButton(Icon::Help); });
    add(out, QStringLiteral("repro.Jpg"), [] { return iconButton(Icon::Sound); });
    add(out, QStringLiteral("sipka1n.Jpg"), [] { return arrowButton(true, false); });
    add(out, QStringLiteral("sipka1k.Jpg"), [] { return arrowButton(true, true); });
    add(out, QStringLiteral("sipka2n.Jpg"), [] { return arrowButton(false, false); });
    add(out, QStringLiteral("sipka2k.Jpg"), [] { return arrowButton(false, true); });

    add(out, QStringLiteral("var000.Jpg"), [] { return label(152, QString::fromUtf8("Jedna varianta"), kSubtaskField); });
    add(out, QStringLiteral("urov000.Jpg"), [] { return label(134, QString::fromUtf8("Jedna úroveň"), kLevelField); });

    for (const ExerciseInfo &e : exercises()) {
        const QString ttt = three(e.taskId);
        const QString title = QStringLiteral("%1. %2").arg(e.taskId % 100).arg(e.title);
        add(out, QStringLiteral("ukol%1.Jpg").arg(ttt), [title] { return label(178, title, kTaskField); });
        if (e.subtasks.size() > 1)
            for (int s = 1; s <= e.subtasks.size(); ++s) {
                const QString text = QStringLiteral("%1: %2").arg(s).arg(capitalised(e.subtasks[s - 1]));
                add(out, QStringLiteral("var%1_%2.Jpg").arg(ttt).arg(s),
                    [text] { return label(152, text, kSubtaskField); });
            }
        if (e.levels.size() > 1)
            for (int l = 1; l <= e.levels.size(); ++l) {
                const QString text = e.levels[l - 1];
                add(out, QStringLiteral("urov%1_%2.Jpg").arg(ttt).arg(l),
                    [text] { return label(134, text, kLevelField); });
            }
    }
}

} // namespace mediagen::shell
