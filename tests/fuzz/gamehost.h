#pragma once
// A problem host for the games' fuzz targets: the data file is the fuzz
// input, pictures are made up (an outline of black lines when asked for one),
// everything shown or played is dropped.
#include "engine/generator.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include <QImage>

namespace flumo::fuzz {

struct GameHost : ProblemHost {
    Problem &problem;
    Random &random;
    int task;
    QByteArray data;

    GameHost(Problem &p, Random &r, int t, QByteArray bytes) : problem(p), random(r), task(t), data(std::move(bytes)) {}
    QSize pictureSize(const QString &) override { return {126, 126}; }
    void layOutTiles() override
    {
        applyTileStems(problem, LayOutTiles(problem, task, TileParent::Screen, 744,
                                            [this](int, const QString &n) { return pictureSize(n); }, random));
    }
    void showTile(int) override {}
    void drawPatternRow(unsigned, bool, bool) override {}
    void playSound(const QString &, bool) override {}
    void selectTile(int n) override { problem.selectedTile = n; }
    QByteArray readDataFile(const QString &) override { return data; }
    // A small white picture cut into regions by black lines (small, so that
    // the fills of many regions keep the run fast; marks beyond it are the
    // same case as marks beyond a real outline).
    QImage pictureImage(const QString &) override
    {
        QImage img(96, 80, QImage::Format_RGB32);
        img.fill(Qt::white);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (x % 24 == 12 || y % 20 == 10 || x == y)
                    img.setPixel(x, y, qRgb(0, 0, 0));
        return img;
    }
};

} // namespace flumo::fuzz
