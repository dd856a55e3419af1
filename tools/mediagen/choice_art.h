#pragma once
// Shared art of the choice exercises' media: the object catalogue, emoji
// sprites, tile and display cards, the colour set and the picture sizes.
//
// Every function is re-entrant. Emoji are rasterised once per glyph at one
// fixed pixel size under a lock and then only scaled with QImage, so a
// picture comes out byte-identical whichever worker thread makes it and
// whatever that thread drew before.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>

namespace mediagen::choice {

// The three looks of a picture stem: "n" normal tile, "k" highlighted tile
// (same size as "n"), "d" in the pattern row, answer box and display boxes.
enum class Look { Normal, Highlighted, Display };
const char *lookLetter(Look look);

// Decimal text of n left-padded with "0" to width (as the program pads).
QString pad(int n, int width);

// Background colours the pictures sit on: the tile area and the upper panel.
QColor tileAreaColour();
QColor upperPanelColour();

// Picture sizes. Tiles of 250 × 172 cells, display boxes of 216 × 160. Tiles
// are small enough that a jittered grid of two rows and three columns stays
// inside the tile panel, also at 118/120 of its size on a 96-dpi display.
constexpr QSize kObjectTile(192, 146);      // 101 pictures and pictograms, 102 paint
constexpr QSize kObjectDisplay(212, 156);   // their "d" look
constexpr QSize kCountTile(192, 146);       // 111 quantities
constexpr QSize kCountDisplay(216, 160);
// Two rows fit the tile panel also below a 20-pixel grid offset, and six
// stay inside it in the 128-pixel cells of a number row.
constexpr QSize kNumberTile(88, 106);
constexpr QSize kSmallNumberTile(96, 110);
constexpr QSize kSign(55, 160);
constexpr QSize kPatternBox(216, 160);      // the 102 sample object and prazdny6
// Side of the square "n"/"k" (tile) and "d" picture of size 1..4 of a 108 set.
int sizeSetTileSide(int size);
int sizeSetDisplaySide(int size);
// Widths of the number "d" pictures by digit count (1..3); heights 160 and 110.
int numberDisplayWidth(int digits);
int smallNumberDisplayWidth(int digits);
constexpr int kNumberDisplayHeight = 160;
constexpr int kSmallNumberDisplayHeight = 110;

// The 160 everyday objects of the pairs exercise, numbered 1..160: one emoji
// each. objectGlyph(n) for n outside 1..160 is empty.
constexpr int kObjectCount = 160;
QString objectGlyph(int n);
// The object shown by picture set k (1..69) of the size exercise.
constexpr int kSizeSetCount = 69;
int sizeSetObject(int k);
// The 30 kinds of countable object (1..30), each a single thing.
constexpr int kCountKinds = 30;
QString countKindGlyph(int k);
// True for a glyph known to draw two or more things (a pair of socks, a
// bunch of cherries): never a picture that is counted.
bool showsSeveralObjects(const QString &glyph);

// The 15 colours of the colour exercise (1..15). Colour 1 is white, which
// is also the look of the uncoloured sample object, so it is never asked.
constexpr int kColourCount = 15;
QColor paintColour(int c);

// The glyph rasterised once, cropped to its visible pixels (ARGB32
// premultiplied). Null for a glyph the colour font cannot draw.
QImage sprite(const QString &glyph);
// Draws img scaled to fit box (aspect kept), centred.
void drawFitted(QPainter &p, const QRectF &box, const QImage &img);
// The one-colour pictogram of a sprite: its shape in two light shades of one
// blue, with dark lines along the outline and the colour picture's sharp
// colour changes, so that objects of one outline still differ.
QImage pictogram(const QImage &spriteImage);

// A card of size in the given look on its background, with the rectangle
// left free for the content. Tiles sit on the tile area colour, "d" cards
// on the upper panel; the highlighted card has a warm glowing rim.
QImage card(QSize size, Look look, QRect *content = nullptr, QColor face = QColor());

} // namespace mediagen::choice
