#pragma once
// Counting the separate things drawn on a plain background, for pictures
// that must show exactly one object per unit.
#include <QImage>
#include <QPoint>
#include <cstdlib>
#include <vector>

namespace flumo::test {

// Separate blobs (over 40 pixels) that differ clearly from the background.
inline int blobCount(const QImage &img, QColor background)
{
    const int w = img.width(), h = img.height();
    std::vector<char> mark(size_t(w) * h, 0);
    auto fresh = [&](QPoint p) {
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h || mark[size_t(p.y()) * w + p.x()])
            return false;
        const QRgb c = img.pixel(p);
        return std::abs(qRed(c) - background.red()) + std::abs(qGreen(c) - background.green())
                   + std::abs(qBlue(c) - background.blue())
            > 120;
    };
    int blobs = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!fresh(QPoint(x, y)))
                continue;
            int size = 0;
            std::vector<QPoint> stack{QPoint(x, y)};
            mark[size_t(y) * w + x] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                for (const QPoint q : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (fresh(q)) {
                        mark[size_t(q.y()) * w + q.x()] = 1;
                        stack.push_back(q);
                    }
            }
            blobs += size > 40;
        }
    return blobs;
}

} // namespace flumo::test
