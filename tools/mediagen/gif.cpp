#include "gif.h"

#include <gif_lib.h>

#include <QPainter>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace mediagen {

namespace {

constexpr int kTransparent = 0;   // palette index of transparent pixels
constexpr int kMaxColours = 255;  // the others

inline int key15(QRgb c) { return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3); }

struct Bin {
    int key = 0;
    quint64 count = 0, r = 0, g = 0, b = 0;
};

// One box of the median cut: a range of bins sorted along some axis.
struct Box {
    int begin = 0, end = 0;  // indices into the bin list
    int component(const Bin &bin, int axis) const { return (bin.key >> (10 - 5 * axis)) & 31; }
};

// Median cut over 15-bit colour bins, weighted by pixel count. Returns at
// most maxColours colours (the average colour of each box).
std::vector<QRgb> medianCut(std::vector<Bin> bins, int maxColours)
{
    std::vector<Box> boxes;
    if (bins.empty())
        return {};
    boxes.push_back({0, int(bins.size())});
    auto range = [&](const Box &box, int axis) {
        int lo = 31, hi = 0;
        for (int i = box.begin; i < box.end; ++i) {
            const int v = box.component(bins[i], axis);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    };
    while (int(boxes.size()) < maxColours) {
        // Split the box with the widest colour range (weighted a little by
        // its pixel count so that large areas get more shades).
        int best = -1, bestAxis = 0;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box &box = boxes[i];
            if (box.end - box.begin < 2)
                continue;
            quint64 pixels = 0;
            for (int k = box.begin; k < box.end; ++k)
                pixels += bins[k].count;
            for (int axis = 0; axis < 3; ++axis) {
                const int r = range(box, axis);
                const double score = r * (1.0 + std::log2(double(pixels) + 1.0));
                if (r > 0 && score > bestScore) {
                    bestScore = score;
                    best = i;
                    bestAxis = axis;
                }
            }
        }
        if (best < 0)
            break;
        Box box = boxes[best];
        std::sort(bins.begin() + box.begin, bins.begin() + box.end, [&](const Bin &a, const Bin &b) {
            return box.component(a, bestAxis) < box.component(b, bestAxis);
        });
        quint64 total = 0;
        for (int k = box.begin; k < box.end; ++k)
            total += bins[k].count;
        quint64 acc = 0;
        int split = box.begin + 1;
        for (int k = box.begin; k < box.end - 1; ++k) {
            acc += bins[k].count;
            split = k + 1;
            if (acc * 2 >= total)
                break;
        }
        boxes[best] = {box.begin, split};
        boxes.push_back({split, box.end});
    }
    std::vector<QRgb> colours;
    for (const Box &box : boxes) {
        quint64 n = 0, r = 0, g = 0, b = 0;
        for (int k = box.begin; k < box.end; ++k) {
            n += bins[k].count;
            r += bins[k].r;
            g += bins[k].g;
            b += bins[k].b;
        }
        if (n > 0)
            colours.push_back(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    return colours;
}

int writeToByteArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

QImage normalised(const QImage &image, QSize size)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (out.size() != size) {
        QImage padded(size, QImage::Format_ARGB32);
        padded.fill(Qt::transparent);
        QPainter p(&padded);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, out);
        p.end();
        out = padded;
    }
    return out;
}

} // namespace

QByteArray encodeGif(const std::vector<GifFrame> &frames)
{
    if (frames.empty() || frames.front().image.isNull())
        return {};
    const QSize size = frames.front().image.size();
    std::vector<QImage> images;
    for (const GifFrame &f : frames)
        images.push_back(normalised(f.image, size));

    // Colour census over every opaque pixel of every frame.
    std::vector<Bin> table(32768);
    for (const QImage &img : images)
        for (int y = 0; y < size.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                const QRgb c = line[x];
                if (qAlpha(c) < 128)
                    continue;
                Bin &bin = table[key15(c)];
                ++bin.count;
                bin.r += qRed(c);
                bin.g += qGreen(c);
                bin.b += qBlue(c);
            }
        }
    std::vector<Bin> bins;
    for (int k = 0; k < 32768; ++k)
        if (table[k].count) {
            table[k].key = k;
            bins.push_back(table[k]);
        }
    const std::vector<QRgb> palette = medianCut(std::move(bins), kMaxColours);

    std::array<GifColorType, 256> colours{};
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i + 1] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                          GifByteType(qBlue(palette[i]))};

    // Nearest palette entry per 15-bit colour, filled on demand.
    std::vector<int> nearest(32768, -1);
    auto indexOf = [&](QRgb c) -> GifByteType {
        if (qAlpha(c) < 128 || palette.empty())
            return kTransparent;
        const int k = key15(c);
        if (nearest[k] < 0) {
            int best = 0, bestDist = INT_MAX;
            for (size_t i = 0; i < palette.size(); ++i) {
                const int dr = qRed(palette[i]) - qRed(c), dg = qGreen(palette[i]) - qGreen(c),
                          db = qBlue(palette[i]) - qBlue(c);
                const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (d < bestDist) {
                    bestDist = d;
                    best = int(i);
                }
            }
            nearest[k] = best + 1;
        }
        return GifByteType(nearest[k]);
    };

    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, writeToByteArray, &error);
    if (!gif)
        return {};
    bool ok = true;
    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(256, colours.data());
    ok = map && EGifPutScreenDesc(gif, size.width(), size.height(), 8, kTransparent, map) == GIF_OK;
    if (map)
        GifFreeMapObject(map);

    // Loop for ever.
    if (ok) {
        static const GifByteType app[] = "NETSCAPE2.0";
        const GifByteType loop[3] = {1, 0, 0};
        ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
            && EGifPutExtensionBlock(gif, 11, app) == GIF_OK
            && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK
            && EGifPutExtensionTrailer(gif) == GIF_OK;
    }

    std::vector<GifPixelType> row(size.width());
    for (size_t f = 0; ok && f < images.size(); ++f) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_BACKGROUND; // every frame is complete
        gcb.UserInputFlag = false;
        gcb.DelayTime = std::max(2, frames[f].delayCs);
        gcb.TransparentColor = kTransparent;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK
            && EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < size.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(images[f].constScanLine(y));
            for (int x = 0; x < size.width(); ++x)
                row[x] = indexOf(line[x]);
            ok = EGifPutLine(gif, row.data(), size.width()) == GIF_OK;
        }
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    return ok ? out : QByteArray();
}

} // namespace mediagen
