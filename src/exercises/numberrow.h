#pragma once
// The number row exercises, never scored: 201 introduces the number the
// child clicks (its animation, a hand showing it with fingers, as many
// objects and the spoken number), 205 opens a decomposition explorer on it
// in which arrow tiles move balls between the two parts of the number.
#include "engine/generator.h"
#include <QRect>
#include <memory>

namespace flumo {

// The row: 1..N, or 0..N counting with zero (N = 3, 5, 10 by level);
// tiles laid out and shown, tile 1 selected. stems: the build names the
// tiles itself (prefix + value) instead of leaving it to LayOutTiles.
void buildNumberRow(ProblemContext &ctx, bool stems);

// What one click of 201 shows: display boxes 1..3 and the animation.
struct NumberIntro {
    int value = 0;
    int kind = 0;                 // the objects' kind, 1..30
    QString animation;            // "obr-pom\" + VV + ".GIF"
    QString frame;                // display box 1, behind the animation
    QString fingers;              // DispPicture[2]
    QString objects;              // DispPicture[3]
    QString sound;
};
NumberIntro numberIntro(int value, int kind);

class NumberIntroGenerator : public Generator {
public:
    void build(ProblemContext &ctx) override;
    bool takeChoice(ProblemContext &ctx, int selected) override;
    // The row's looks and what a click on any of its numbers shows and says
    // (every kind of object).
    QStringList mediaNames(const Problem &problem) const override;
    const NumberIntro &last() const { return m_last; }

private:
    NumberIntro m_last;
};

// The explorer of 205 on the whole W: L balls on the left, R on the right.
struct ExplorerState {
    bool open = false;
    int savedTileCount = 0;
    int savedTile = 0;
    int whole = 0;
    int left = 0;
    int right = 0;
};

class DecompositionExplorer : public Generator {
public:
    // Tiles of the open explorer.
    static constexpr int kRightArrow = 1;     // moves a ball to the right part
    static constexpr int kLeftArrow = 2;      // moves a ball back to the left
    static constexpr int kClose = 3;          // the whole number; closes it
    static constexpr int kLine = 10;
    static constexpr int kLeftPart = 11;
    static constexpr int kRightPart = 12;

    void build(ProblemContext &ctx) override;
    // Number row: any tile opens the explorer on its number. Open: the
    // arrows move one ball when one can move (else nothing happens and
    // nothing is said), the whole number closes it.
    bool takeChoice(ProblemContext &ctx, int selected) override;
    // The balls on the line tile while the explorer is open.
    std::vector<TileOverlay> tileOverlays(const Problem &problem, int tile) const override;
    QStringList mediaNames(const Problem &problem) const override;

    const ExplorerState &state() const { return m_state; }
    // The spoken decomposition "Zvuky\205\zvWW_LL_RR.wav" and the diagram
    // stem "obr\206\rWW_LL_RR" of the present state.
    QString decompositionSound() const;
    QString diagram() const;
    // Where an explorer tile stands inside the tile panel, given the top
    // of the row's first tile.
    static QRect tileRect(int tile, int rowTop);

private:
    void open(ProblemContext &ctx, int selected);
    void close(ProblemContext &ctx);
    void showParts(ProblemContext &ctx);

    ExplorerState m_state;
    int m_rowTop = 0;
};

std::unique_ptr<Generator> makeNumberIntroGenerator();
std::unique_ptr<Generator> makeDecompositionExplorer();

} // namespace flumo
