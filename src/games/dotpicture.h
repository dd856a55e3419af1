#pragma once
// Fill in the picture (exercise 401): a square grid of dots shows a picture
// in blue dots; beside it (or below it) lies an empty grid of the same size
// in which the child marks the dots of the same picture (subtask 1), of its
// mirror image (2) or of the picture upside down (3). Levels 1..3 have
// grids of 4, 6 and 8 dots a side.
//
// The pattern grid lies on the back boxes VBox1..k*k, the answer grid on the
// Tiles PBox1..k*k. TileValue[i] is TargetDot of cell i: 1 a dot still to
// mark, 12 a marked one, 0 no dot, so the problem's trace line names the
// dots to mark. The frame around both grids is drawn in PB0, which lies
// behind the cells.
//
// The pictures come from "Obr\401\Punt" L ".INI". A cell is always the one
// its row and column name: characters past the grid's width and rows past
// its height are not read, missing ones are empty cells. A picture without
// any dot is passed over for the next one of the file; when the file has
// none at all (missing or broken), a built-in picture keeps the game going.
#include "engine/generator.h"
#include "platform/inifile.h"
#include <vector>

namespace flumo {

// Dot values of a cell.
constexpr int kDotNone = 0;
constexpr int kDotToMark = 1;
constexpr int kDotMarked = 12;

// The grid side of a level: 4, 6 or 8.
int dotGridSide(int level);
// "Obr\401\Punt" L ".INI".
QString dotPictureFile(int level);
// The pictures a level's file holds: 30 at level 1, else 40.
int dotPictureCount(int level);
// PatternDot of picture n (section "Obr" NN) for a grid of `side`: side *
// side cells row by row, 1 for a dot; all 0 when the section is missing.
std::vector<int> readDotPicture(const IniFile &ini, int n, int side);
// TargetDot for a subtask: 1 the same cells, 2 left and right swapped,
// 3 upside down (any other subtask as 1).
std::vector<int> dotTargets(const std::vector<int> &pattern, int side, int subtask);

class DotPictureGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // A dot still to mark is marked; anything else is wrong (the frame
    // reprimands it without counting an error: a game).
    bool judgeStep(ProblemContext &ctx, int selected) override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    int picture() const { return m_picture; }
    int side() const { return m_side; }
    const std::vector<int> &pattern() const { return m_pattern; }
    // The rectangle of PB0 on the screen (the frame around both grids).
    QRect frameRect() const { return m_frame; }
    // Tile i's and back box i's rectangle on the screen.
    QRect answerCell(int i) const;
    QRect patternCell(int i) const;

private:
    void updateTarget(Problem &problem) const;

    int m_side = 4;
    int m_subtask = 1;
    int m_picture = 0;
    QPoint m_grid;            // GridLeft, GridTop
    QRect m_frame;
    std::vector<int> m_pattern;
    QString m_file;
    // The picture file as last read: it does not change while the program runs.
    QString m_readFile;
    IniFile m_ini;
};

std::unique_ptr<Generator> makeDotPictureGame();

} // namespace flumo
