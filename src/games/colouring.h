#pragma once
// Colouring: exercise 411 (colouring by numbers: each region carries a sum
// or difference, each colour tile a number; the child colours the region
// with the colour whose number is the result) and the reward game 502 (free
// colouring of a card set's picture, never solved).
//
// The picture box PB0 shows a canvas: the outline picture with the regions
// coloured so far and the current region hatched. A mask of the same size
// tells the regions apart: black is outline or a place that cannot be
// picked, red the current region, anything else can be picked. Every
// region operation is a flood fill bounded by black pixels.
//
// Key mode (411 always, 502 with the one-key setting): Enter takes the
// selected colour (the other tiles are disabled), Space steps through the
// regions still to do, Enter colours the current region; the mouse does
// the same by pointing and clicking. Mouse mode (502 otherwise): a tile
// click chooses the colour, a click on the picture colours the region.
//
// A region whose marker lies on a black pixel cannot be told apart from
// the outline: it is counted as done at the build (traced as
// "colouring-skip"), so the problem can still be solved.
#include "engine/generator.h"
#include <QImage>
#include <array>
#include <vector>

namespace flumo {

class IniFile;

constexpr QRgb kColouringWhite = 0xffffffff;
constexpr QRgb kColouringHatch = 0xff101010;   // red 16, green 16, blue 16
constexpr QRgb kColouringRed = 0xffff0000;
constexpr QRgb kColouringBlack = 0xff000000;
constexpr int kColouringPaletteSize = 10;
constexpr int kColouringReward = 502;

// The pixels (index y * width + x) of the area around `at` bounded by black
// pixels (4-neighbours); empty when `at` is outside or black. img must be
// Format_RGB32 or Format_ARGB32.
std::vector<int> regionPixels(const QImage &img, QPoint at);
void fillPixels(QImage &img, const std::vector<int> &pixels, QRgb colour);
// Lines of kColouringHatch over the pixels: backward diagonals, and also
// forward ones when cross.
void hatchPixels(QImage &img, const std::vector<int> &pixels, bool cross);

struct ColourRegion {
    QPoint mark;              // RegionMark
    int colour = 1;           // RegionColour: palette index, 0 once done
    QRgb fill = kColouringWhite;   // RegionFill
    int op = 1;               // RegionOp: 1 addition, 2 subtraction (411)
    int a = 0;                // RegionA, RegionB
    int b = 0;
};

// The data file of a picture as read: palette (411), regions, and the
// points of the places coloured in advance. Missing keys take the defaults.
struct ColouringData {
    std::array<QRgb, kColouringPaletteSize + 1> palette{};   // 1-based
    std::vector<ColourRegion> regions;                         // region r at r - 1
    std::vector<QPoint> precoloured;
};
ColouringData readColouringData(const IniFile &ini, int colours);
// The fixed palette of 502.
std::array<QRgb, kColouringPaletteSize + 1> rewardPalette();

class ColouringGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    bool takeKey(ProblemContext &ctx, int &key, InputFrom from, int tile) override;
    bool click(ProblemContext &ctx, GameBox box, int n, QPoint at) override;
    void pointerMoved(ProblemContext &ctx, GameBox box, int n, QPoint at) override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;
    // The last region of 411 is answered through the common judge, so that
    // the solved problem gets its praise and point.
    bool judgeStep(ProblemContext &ctx, int selected) override;

    // State for tests and traces.
    int task() const { return m_task; }
    const std::vector<ColourRegion> &regions() const { return m_regions; }
    int currentRegion() const { return m_current; }
    bool picking() const { return m_picking; }
    bool keyMode() const { return m_task != kColouringReward || m_oneKey; }
    bool tileEnabled(int i) const { return i >= 1 && i <= kColouringPaletteSize && m_enabled[static_cast<std::size_t>(i)]; }
    int tileNumber(int i) const { return m_tileNumber[static_cast<std::size_t>(i)]; }
    QRgb tileColour(const Problem &problem, int i) const;
    const QImage &canvas() const { return m_canvas; }
    const QImage &mask() const { return m_mask; }
    // The Tile whose colour region r needs; 0 when done.
    int tileFor(const Problem &problem, int r) const;
    // The sum or difference picture of region r (1-based).
    QString taskPicture(int r) const;
    // The data file and outline picture names of picture p.
    static QString dataFileName(const Problem &problem, int task, int subtask, int p);
    static QString outlineName(const Problem &problem, int p);

private:
    void highlightRegion(QPoint at);
    void fillRegion(ProblemContext &ctx);
    void stepRegion(ProblemContext &ctx);
    void showCurrent(ProblemContext &ctx);
    void enableTiles(ProblemContext &ctx, bool all);
    // Enter in key mode; false when the common judge must end the problem.
    bool keyEnter(ProblemContext &ctx, int &key, InputFrom from);

    int m_task = 0;
    bool m_oneKey = false;
    bool m_picking = false;
    bool m_finishing = false;
    int m_picture = 0;
    QString m_dataName;
    int m_current = 0;
    int m_previous = 0;
    QPoint m_hatch{1, 0};
    QPoint m_mouseDown;
    std::vector<ColourRegion> m_regions;
    std::array<QRgb, kColouringPaletteSize + 1> m_palette{};
    std::array<int, kColouringPaletteSize + 1> m_tileNumber{};
    std::array<bool, kColouringPaletteSize + 1> m_enabled{};
    QImage m_canvas;
    QImage m_mask;
};

std::unique_ptr<Generator> makeColouringGame();

} // namespace flumo
