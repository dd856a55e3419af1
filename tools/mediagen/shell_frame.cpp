// The exercise screen's frame, the settings screen's pictures, the pointers,
// the media-root marker and the program's INI files.
#include "draw.h"
#include "choice_art.h"
#include "shapes.h"
#include "shell.h"
#include "shell_catalog.h"

#include <QPainterPath>

namespace mediagen::shell {

using namespace draw;

namespace {

const QColor kWindowColour(193, 195, 207);   // the exercise screen's BackgroundColor
const QColor kUpperPanel(250, 235, 175);     // Panel1 / Panel1puv
const QColor kSettingsColour(14, 101, 110);

// The exercise screen's background. stripTop and panelTop give where the
// toolbar strip and the upper panel lie; both and the tile area stay calm.
QImage exerciseBackground(int stripTop, int panelTop)
{
    QImage img = canvas(800, 600, kWindowColour);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    vgradient(p, QRectF(0, 0, 800, 600), QColor(206, 210, 226), QColor(184, 186, 202));
    const QRect strip(20, stripTop, 760, 20);
    const QRect upper(26, panelTop, 744, 162);
    const QRect tiles(26, 230, 744, 344);
    // Gentle frames around the work areas.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 3));
    p.drawRoundedRect(QRectF(upper).adjusted(-6, -6, 6, 6), 14, 14);
    p.drawRoundedRect(QRectF(tiles).adjusted(-6, -6, 6, 6), 14, 14);
    p.fillRect(tiles, kWindowColour);
    // A quiet row of coloured dots along the bottom edge.
    const QColor dots[] = {QColor(245, 140, 50), QColor(70, 175, 80), QColor(60, 130, 225), QColor(170, 85, 200)};
    p.setPen(Qt::NoPen);
    for (int i = 0, x = 88; x <= 712; x += 26, ++i) {
        QColor c = dots[i % 4];
        c.setAlpha(150);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, 588), 4, 4);
    }
    return img;
}

QImage settingsBackground()
{
    QImage img = canvas(457, 530, kSettingsColour);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    vgradient(p, QRectF(0, 0, 457, 530), QColor(20, 112, 122), QColor(10, 84, 94));
    // Calm, slightly lighter fields behind the three groups of controls.
    const QRect groupsAt[] = {QRect(24, 12, 409, 169), QRect(24, 196, 409, 113), QRect(24, 324, 409, 153)};
    for (const QRect &r : groupsAt) {
        p.setPen(QPen(QColor(255, 255, 255, 60), 1.5));
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawRoundedRect(QRectF(r).adjusted(-4, -2, 4, 4), 10, 10);
    }
    return img;
}

QImage okButton()
{
    QImage bg = settingsBackground().copy(212, 488, 51, 34);
    QPainter p(&bg);
    p.setRenderHint(QPainter::Antialiasing);
    buttonFace(p, QRectF(0, 0, 51, 34), QColor(60, 180, 75), 9);
    fitText(p, QRect(0, 0, 49, 32), QStringLiteral("OK"), Qt::white, 17, 12, Qt::AlignCenter, QColor(0, 70, 10));
    return bg;
}

// An empty answer box in the upper panel's colour: a white field with a
// dashed rim; withMark adds a pale question mark.
QImage emptyBox(bool withMark)
{
    QImage img = canvas(216, 160, kUpperPanel);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 252, 240));
    QPen pen(QColor(120, 130, 200), 4, Qt::DashLine);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawRoundedRect(QRectF(28, 14, 160, 132), 18, 18);
    if (withMark)
        fitText(p, QRect(28, 14, 160, 132), QStringLiteral("?"), QColor(200, 205, 235), 96, 40);
    return img;
}

QImage chooseColourHint()
{
    QImage img = canvas(185, 80, QColor(250, 246, 228));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 150, 70), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, 181, 76), 12, 12);
    emoji(p, QRectF(8, 16, 48, 48), QString::fromUtf8("🎨"));
    fitText(p, QRect(60, 8, 118, 64), QString::fromUtf8("Vyber si\nbarvu"), QColor(20, 120, 50), 20, 12);
    return img;
}

// The arrow pointer: white with a dark rim, tip at (1, 1).
QImage arrowPointer()
{
    QImage img = transparentCanvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(1.5, 1.5);
    path.lineTo(1.5, 23);
    path.lineTo(7, 18);
    path.lineTo(11, 27);
    path.lineTo(15, 25.5);
    path.lineTo(11, 17);
    path.lineTo(18.5, 17);
    path.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 60), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(path);
    return img;
}

// The hand pointer: a pointing finger; the hot spot is the fingertip.
QImage handPointer(QPoint *hot)
{
    QImage img = transparentCanvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor skin(255, 224, 189);
    const QPen rim(QColor(90, 50, 20), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(skin);
    // The raised index finger on the thumb's side of the hand.
    p.drawRoundedRect(QRectF(9.5, 1.5, 6, 18), 3, 3);
    // Three folded fingers beside it, as knuckles.
    p.drawRoundedRect(QRectF(15, 10.5, 5, 9), 2.5, 2.5);
    p.drawRoundedRect(QRectF(19.5, 11.5, 5, 8), 2.5, 2.5);
    p.drawRoundedRect(QRectF(24, 13, 4.5, 7), 2.2, 2.2);
    // Palm and thumb.
    p.drawRoundedRect(QRectF(8.5, 16.5, 20, 13), 5, 5);
    p.drawRoundedRect(QRectF(3.5, 15.5, 8, 5.5), 2.7, 2.7);
    // The knuckle tops again over the palm's rim.
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(10.3, 16, 17.5, 3.5));
    *hot = QPoint(12, 2);
    return img;
}

} // namespace

QString settingsIni()
{
    return QStringLiteral(
        "[Hodnoceni]\n"
        "Pouzit karticky=1\n"
        "Karticka za=2\n"
        "Max. pocet chyb=2\n"
        "Pocet karticek=1\n"
        "Typ karticek=1\n"
        "\n"
        "[Obecne]\n"
        "Aut.posun=0\n"
        "Posun po=5\n"
        "Cerne pozadi=1\n"
        "Autom. zmena podukolu=0\n"
        "Tlacitka nahore=1\n"
        "Cislo ukolu=101\n"
        "Uroven ukolu=1\n"
        "Bez nuly=1\n"
        "Jedna klavesa=0\n"
        "\n"
        "[Odmeny]\n"
        "Pochvalit=1\n"
        "Pohanet=1\n");
}

namespace {
QString captionsIni(bool levels)
{
    QString text;
    for (const ExerciseInfo &e : exercises()) {
        const QStringList &items = levels ? e.levels : e.subtasks;
        text += QStringLiteral("[Ukol%1]\n").arg(e.taskId, 3, 10, QLatin1Char('0'));
        text += QStringLiteral("Pocet=%1\n").arg(items.size());
        for (int i = 0; i < items.size(); ++i)
            text += QStringLiteral("%1%2=%3\n").arg(levels ? QStringLiteral("Urov") : QStringLiteral("Podukol")).arg(i + 1).arg(items[i]);
        text += QLatin1Char('\n');
    }
    return text;
}
} // namespace

QString levelCaptionsIni() { return captionsIni(true); }
QString subtaskCaptionsIni() { return captionsIni(false); }

void addFrameFiles(std::vector<MediaFile> &out)
{
    // The marker is also where the picture loader finds "obr\okno.jpg" first.
    out.push_back({QStringLiteral("Obr\\Okno.PT0"), [] {
                       return container(jpeg(shapes::window(QSize(choice::numberDisplayWidth(2), 160))), 45);
                   }});
    out.push_back({QStringLiteral("Param1.INI"), [] { return iniText(settingsIni()); }});
    out.push_back({QStringLiteral("Urov1.INI"), [] { return iniText(levelCaptionsIni()); }});
    out.push_back({QStringLiteral("PodUkl1.INI"), [] { return iniText(subtaskCaptionsIni()); }});
    out.push_back({QStringLiteral("obr-pom\\kurz.cur"), [] { return cursorFile(arrowPointer(), QPoint(1, 1)); }});
    out.push_back({QStringLiteral("obr-pom\\kurz2.cur"), [] {
                       QPoint hot;
                       const QImage img = handPointer(&hot);
                       return cursorFile(img, hot);
                   }});
    out.push_back({QStringLiteral("obr-pom\\bgr.jpg"), [] { return jpeg(exerciseBackground(10, 47)); }});
    out.push_back({QStringLiteral("obr-pom\\bgr0.jpg"), [] { return jpeg(exerciseBackground(198, 27)); }});
    out.push_back({QStringLiteral("obr-pom\\bgr_p.jpg"), [] { return jpeg(settingsBackground()); }});
    out.push_back({QStringLiteral("obr-pom\\ok_p.Jpg"), [] { return jpeg(okButton()); }});
    out.push_back({QStringLiteral("obr-pom\\prazdny.jpg"), [] { return jpeg(emptyBox(true)); }});
    out.push_back({QStringLiteral("obr-pom\\prazdny_2.jpg"), [] { return jpeg(emptyBox(false)); }});
    out.push_back({QStringLiteral("obr-pom\\vyber1.bmp"), [] { return bmp(chooseColourHint()); }});
}

} // namespace mediagen::shell
