#include "draw.h"

#include "media/jpeg.h"
#include "platform/inifile.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>

#include <cmath>

namespace mediagen::draw {

QImage canvas(int w, int h, QColor fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QImage transparentCanvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QFont boldFont(int pixelSize, bool condensed)
{
    QFont f(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    if (condensed)
        f.setStretch(QFont::Condensed);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont emojiFont(int pixelSize)
{
    QFont f(QStringLiteral("Noto Color Emoji"));
    f.setPixelSize(pixelSize);
    return f;
}

namespace {
// From this size on, text is filled as outlines (see fitText).
constexpr int kPathTextPx = 28;

QPainterPath outlineText(const QString &text, const QFont &font)
{
    const bool condensed = font.family().contains(QLatin1String("Condensed"));
    const QString file = condensed ? QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf")
                                   : QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
    QPainterPath path;
    const QRawFont raw(file, font.pixelSize(), QFont::PreferNoHinting);
    if (!raw.isValid()) {
        path.addText(QPointF(0, 0), font, text);
        return path;
    }
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    qreal x = 0;
    for (int i = 0; i < glyphs.size(); ++i) {
        path.addPath(raw.pathForGlyph(glyphs[i]).translated(x, 0));
        x += advances.value(i).x();
    }
    return path;
}

bool fits(const QFont &font, const QRect &rect, const QString &text, int align)
{
    const QFontMetrics fm(font);
    const QRect br = fm.boundingRect(rect, align | Qt::TextWordWrap, text);
    return br.width() <= rect.width() && br.height() <= rect.height();
}
} // namespace

QPainterPath textOutline(const QString &text, int pixelSize, bool condensed)
{
    return outlineText(text, boldFont(pixelSize, condensed));
}

int fitText(QPainter &p, const QRect &rect, const QString &text, QColor color,
            int maxPx, int minPx, int align, QColor shadow)
{
    QFont chosen;
    bool found = false;
    int px = maxPx;
    for (; px >= minPx && !found; --px) {
        for (bool condensed : {false, true}) {
            const QFont f = boldFont(px, condensed);
            if (fits(f, rect, text, align)) {
                chosen = f;
                found = true;
                break;
            }
        }
    }
    QString shown = text;
    if (!found) {
        px = minPx;
        chosen = boldFont(minPx, true);
        shown = QFontMetrics(chosen).elidedText(text, Qt::ElideRight, rect.width());
    } else {
        ++px;
    }
    p.save();
    p.setFont(chosen);
    if (chosen.pixelSize() >= kPathTextPx && !shown.contains(QLatin1Char('\n'))) {
        // Large glyphs drawn through the shared font engines come out a
        // little differently depending on what the thread drew before; the
        // outlines of a font file opened for this call do not.
        QPainterPath path = outlineText(shown, chosen);
        // Placed by the outline's own box, so hinted metrics play no part.
        const QRectF box = path.boundingRect();
        qreal x = rect.left() - box.left();
        if (align & Qt::AlignHCenter)
            x = rect.left() + (rect.width() - box.width()) / 2 - box.left();
        else if (align & Qt::AlignRight)
            x = rect.right() + 1 - box.right();
        qreal y = rect.top() - box.top();
        if (align & Qt::AlignVCenter)
            y = rect.top() + (rect.height() - box.height()) / 2 - box.top();
        else if (align & Qt::AlignBottom)
            y = rect.bottom() + 1 - box.bottom();
        path.translate(x, y);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        if (shadow.isValid()) {
            p.setBrush(shadow);
            p.drawPath(path.translated(1, 1));
        }
        p.setBrush(color);
        p.drawPath(path);
    } else {
        if (shadow.isValid()) {
            p.setPen(shadow);
            p.drawText(rect.translated(1, 1), align | Qt::TextWordWrap, shown);
        }
        p.setPen(color);
        p.drawText(rect, align | Qt::TextWordWrap, shown);
    }
    p.restore();
    return chosen.pixelSize();
}

void emoji(QPainter &p, const QRectF &rect, const QString &glyph)
{
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(emojiFont(qMax(6, int(rect.height() * 0.78))));
    p.setPen(Qt::black);
    p.drawText(rect, Qt::AlignCenter, glyph);
    p.restore();
}

void vgradient(QPainter &p, const QRectF &rect, QColor top, QColor bottom)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(rect, g);
}

QColor mix(QColor a, QColor b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void buttonFace(QPainter &p, const QRectF &rect, QColor base, qreal radius, bool pressed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = rect.adjusted(1, 1, pressed ? -1 : -2, pressed ? -1 : -2);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(face.translated(1.5, 1.5), radius, radius);
    }
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    if (pressed) {
        g.setColorAt(0, base.darker(125));
        g.setColorAt(1, base.lighter(105));
    } else {
        g.setColorAt(0, base.lighter(140));
        g.setColorAt(0.5, base);
        g.setColorAt(1, base.darker(118));
    }
    p.setBrush(g);
    p.setPen(QPen(pressed ? base.darker(160) : base.lighter(170), 1.2));
    p.drawRoundedRect(face, radius, radius);
    p.restore();
}

void gear(QPainter &p, QPointF c, qreal r, QColor colour)
{
    QPainterPath wheel;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / teeth, a1 = (i + 0.5) * M_PI / teeth;
        const qreal rr = (i % 2 == 0) ? r : r * 0.72;
        const QPointF p0 = c + QPointF(std::cos(a0) * rr, std::sin(a0) * rr);
        const QPointF p1 = c + QPointF(std::cos(a1) * rr, std::sin(a1) * rr);
        if (i == 0)
            wheel.moveTo(p0);
        else
            wheel.lineTo(p0);
        wheel.lineTo(p1);
    }
    wheel.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, r * 0.3, r * 0.3);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(wheel.subtracted(hole));
    p.restore();
}

QPainterPath starPath(QPointF c, qreal outer, qreal inner)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    return star;
}

QImage greyed(const QImage &img)
{
    QImage out = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = qGray(line[x]);
            const int v = 110 + g * 120 / 255;
            line[x] = qRgb(v, v, v + 6 > 255 ? 255 : v + 6);
        }
    }
    return out;
}

QRect shownAtOtherDensity(QSize pictureSize)
{
    return QRect(0, 0, pictureSize.width() * 118 / 120, pictureSize.height() * 118 / 120);
}

QByteArray jpeg(const QImage &img)
{
    return flumo::encodeJpeg(img.convertToFormat(QImage::Format_RGB32), kJpegQuality);
}

namespace {

// An 8-bit run-length encoded bitmap (BI_RLE8) of an image of at most 256
// colours; empty when the image has more. Rows bottom-up, each a series of
// (count, colour index) runs closed by an end-of-line mark.
QByteArray rle8Bitmap(const QImage &src)
{
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> index;
    QList<QRgb> palette;
    QByteArray runs;
    for (int y = img.height() - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width();) {
            const QRgb colour = row[x] | 0xff000000u;
            auto it = index.constFind(colour);
            if (it == index.constEnd()) {
                if (palette.size() == 256)
                    return {};
                it = index.insert(colour, int(palette.size()));
                palette.append(colour);
            }
            int n = 1;
            while (x + n < img.width() && n < 255 && (row[x + n] | 0xff000000u) == colour)
                ++n;
            runs.append(char(n));
            runs.append(char(*it));
            x += n;
        }
        runs.append('\0');
        runs.append(y == 0 ? '\1' : '\0');   // end of bitmap after the top row
    }
    const int headers = 14 + 40 + 4 * int(palette.size());
    QByteArray out;
    auto u16 = [&](int v) { char c[2]; qToLittleEndian(quint16(v), c); out.append(c, 2); };
    auto u32 = [&](qint64 v) { char c[4]; qToLittleEndian(quint32(v), c); out.append(c, 4); };
    out.append("BM", 2);
    u32(headers + runs.size());
    u32(0);
    u32(headers);
    u32(40);
    u32(img.width());
    u32(img.height());
    u16(1);
    u16(8);
    u32(1);                 // BI_RLE8
    u32(runs.size());
    u32(3780);              // 96 dpi
    u32(3780);
    u32(palette.size());
    u32(0);
    for (QRgb c : palette)
        u32(qBlue(c) | qGreen(c) << 8 | qRed(c) << 16);
    out.append(runs);
    return out;
}

} // namespace

QByteArray bmp(const QImage &img)
{
    // Outlines and flat pictures (the colouring's large ones above all)
    // shrink to a tenth or less run-length encoded; every decoder of the
    // format reads them back pixel for pixel.
    QByteArray bytes = rle8Bitmap(img);
    if (!bytes.isEmpty() && bytes.size() < img.width() * img.height() * 3)
        return bytes;
    bytes.clear();
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.convertToFormat(QImage::Format_RGB888).save(&buf, "BMP");
    return bytes;
}

namespace {
void put16(QByteArray &b, int v)
{
    char c[2];
    qToLittleEndian<quint16>(quint16(v), c);
    b.append(c, 2);
}
void put32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian<quint32>(v, c);
    b.append(c, 4);
}
} // namespace

QByteArray cursorFile(const QImage &source, QPoint hotSpot)
{
    constexpr int side = 32;
    QImage img = source.size() == QSize(side, side)
        ? source.convertToFormat(QImage::Format_ARGB32)
        : source.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_ARGB32);

    constexpr int maskStride = 4; // 32 bits a row, already a multiple of 4 bytes
    constexpr quint32 pixelBytes = side * side * 4;
    constexpr quint32 maskBytes = side * maskStride;
    constexpr quint32 imageBytes = 40 + pixelBytes + maskBytes;

    QByteArray b;
    // Directory: reserved, type 2 (pointer), one entry.
    put16(b, 0);
    put16(b, 2);
    put16(b, 1);
    // Entry: width, height, colour count, reserved, hot spot x, y, size, offset.
    b.append(char(side));
    b.append(char(side));
    b.append(char(0));
    b.append(char(0));
    put16(b, qBound(0, hotSpot.x(), side - 1));
    put16(b, qBound(0, hotSpot.y(), side - 1));
    put32(b, imageBytes);
    put32(b, 6 + 16);
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    put32(b, 40);
    put32(b, side);
    put32(b, side * 2);
    put16(b, 1);
    put16(b, 32);
    put32(b, 0);
    put32(b, pixelBytes + maskBytes);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    // Colour rows bottom-up, BGRA (not premultiplied).
    for (int y = side - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            b.append(char(qBlue(line[x])));
            b.append(char(qGreen(line[x])));
            b.append(char(qRed(line[x])));
            b.append(char(qAlpha(line[x])));
        }
    }
    // AND mask bottom-up: 1 = transparent.
    for (int y = side - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        quint32 bits = 0;
        for (int x = 0; x < side; ++x)
            if (qAlpha(line[x]) < 128)
                bits |= 0x80000000u >> x;
        char c[4];
        qToBigEndian<quint32>(bits, c);
        b.append(c, 4);
    }
    return b;
}

QByteArray container(const QByteArray &jpegBytes, int b)
{
    b = qBound(0, b, 255);
    QByteArray out(b + 255, '\0');
    const QByteArray tag("Flumo picture container\r\n");
    out.replace(0, tag.size(), tag);
    out[236] = char(b);
    out.append(jpegBytes);
    return out;
}

QByteArray iniText(const QString &text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return flumo::IniFile::encode1250(crlf);
}

} // namespace mediagen::draw
