#pragma once
// Drawing and file-format helpers of the media generator: fonts, text that
// fits its box, gradients, buttons, emoji, and the byte formats the program
// reads (JPEG, BMP, ".cur", ".PT0", Windows-1250 INI text).
//
// Everything here is re-entrant: each call paints on its own QImage, so the
// generator may call these from several worker threads at once.
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QString>

namespace mediagen::draw {

// An opaque RGB32 image filled with colour.
QImage canvas(int w, int h, QColor fill);
// A transparent ARGB32 image (for pointers and icons composed on other pictures).
QImage transparentCanvas(int w, int h);

// The generator's text face: DejaVu Sans Bold at a pixel size; condensed
// is the narrower cut of the same family, used where the box is short.
QFont boldFont(int pixelSize, bool condensed = false);
// "Noto Color Emoji" at a pixel size; named explicitly because fallback
// lookups may pick a monochrome face.
QFont emojiFont(int pixelSize);

// Draws text inside rect with the given alignment. Starts at maxPx and
// shrinks (switching to the condensed cut first) until every line fits,
// never below minPx; the text is then elided. Returns the pixel size used.
// shadow: when valid, the text is drawn once more one pixel down-right in it.
int fitText(QPainter &p, const QRect &rect, const QString &text, QColor color,
            int maxPx, int minPx = 9, int align = Qt::AlignCenter,
            QColor shadow = QColor());

// One line of bold text as an outline, baseline at y = 0, read from the
// font file itself without hinting (large text drawn through the shared
// font engines differs slightly with what the thread drew before).
QPainterPath textOutline(const QString &text, int pixelSize, bool condensed = false);

// One emoji (or any glyph of the colour font) centred in rect, scaled so
// its height is about rect's height.
void emoji(QPainter &p, const QRectF &rect, const QString &glyph);

// Vertical gradient filling rect.
void vgradient(QPainter &p, const QRectF &rect, QColor top, QColor bottom);

// A raised rounded button face filling rect: soft shadow, gradient from a
// lighter to a darker shade of base, a light rim. pressed draws it sunk.
void buttonFace(QPainter &p, const QRectF &rect, QColor base, qreal radius, bool pressed = false);

// A cog wheel of radius r centred at c, with a hole in the middle.
void gear(QPainter &p, QPointF c, qreal r, QColor colour);
// A five-pointed star path.
QPainterPath starPath(QPointF c, qreal outer, qreal inner);

// A copy of img with its colours turned to grey and lightened (the
// inactive look of a button).
QImage greyed(const QImage &img);

// The part of a picture that a box of the screen design shows on a display
// of another pixel density: the box shrinks to 118/120 of its design size
// while the picture keeps its size, so its right and bottom edges are cut.
// Pictures for design boxes keep everything that matters inside this
// rectangle (at the top left) and only their plain background beyond it.
QRect shownAtOtherDensity(QSize pictureSize);

// Mixes a towards b by t (0 = a, 1 = b).
QColor mix(QColor a, QColor b, qreal t);

// Baseline JPEG of the image at kJpegQuality.
QByteArray jpeg(const QImage &img);

// The quality of every generated JPEG: the drawn pictures (flat colours,
// outlines, big figures) stay clean, and the pack of thousands of tiles
// stays small.
inline constexpr int kJpegQuality = 80;
// A Windows bitmap: 8-bit run-length encoded when the picture has at most
// 256 colours and that is smaller, 24-bit otherwise.
QByteArray bmp(const QImage &img);
// A Windows ".cur" pointer file: one 32 × 32, 32-bit entry whose directory
// entry carries the hot spot. img is scaled to 32 × 32 when it differs.
QByteArray cursorFile(const QImage &img, QPoint hotSpot);
// A ".PT0" picture container: byte 236 holds b, the JPEG starts at b + 255.
QByteArray container(const QByteArray &jpegBytes, int b);
// INI text (CR LF line ends) in Windows-1250.
QByteArray iniText(const QString &text);

} // namespace mediagen::draw
