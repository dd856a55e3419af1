#pragma once
// The maths maze (exercise 412): a maze of 16 rows and 20 columns with the
// numbers 1 to 10 in it and a blinking walker at its start. The child walks
// with the arrow keys (Space walks on in the walker's heading, Enter turns
// it clockwise) or by clicking a cell next to the walker, and collects the
// numbers in order: a number cell can be entered only when it is the next
// one. Each collected number moves to the column right of the maze; the
// tenth solves the problem.
//
// The maze is drawn in PB0 over cell (1, 1) at (61, 75), the collected
// numbers in PB0celk; the game timer blinks the walker.
//
// The mazes come from "obr\412\Blud1.INI". A cell that a row does not give
// (short or missing rows, rows past 16, characters past 20) and a character
// that is not one of the maze's is a wall, so nothing ever lies outside the
// grid. A maze that then has no start or cannot be solved (some number
// missing, or not reachable in order) is passed over for the next one of
// the file; when none is left, a built-in open maze keeps the game going.
#include "engine/generator.h"
#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

namespace flumo {

class IniFile;

constexpr int kMazeRows = 16;
constexpr int kMazeColumns = 20;
constexpr int kMazeCount = 20;
constexpr int kMazeNumbers = 10;
constexpr std::uint8_t kMazeOpen = 0;
constexpr std::uint8_t kMazeWall = 255;
constexpr std::uint8_t kMazeWalker = 100;   // added while the walker stands on a cell

struct MazeGrid {
    // MazeCells, row by row: cell (row, column) at (row - 1) * 20 + column - 1.
    std::array<std::uint8_t, kMazeRows * kMazeColumns> cells{};
    int startRow = 0;         // 0: the maze has no start
    int startColumn = 0;

    std::uint8_t at(int row, int column) const
    {
        return cells[static_cast<std::size_t>((row - 1) * kMazeColumns + column - 1)];
    }
    std::uint8_t &at(int row, int column)
    {
        return cells[static_cast<std::size_t>((row - 1) * kMazeColumns + column - 1)];
    }
};

// "obr\412\Blud1.INI".
QString mazeFileName();
// Section "Blud" NNN of the file as a grid (the start cell is open, the
// walker not added).
MazeGrid readMaze(const IniFile &ini, int m);
// Whether the walker may step onto a cell of this value when `given`
// numbers are collected: an open path or the next number.
bool mazeCanEnter(std::uint8_t value, int given);
// Every number 1..10 lies in the maze once, and from the start each can be
// reached in turn under mazeCanEnter.
bool mazeSolvable(const MazeGrid &maze);
// The open maze used when the file offers none.
MazeGrid builtInMaze();

class MazeGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Arrows, Space and Enter walk and turn the walker; an Enter is handed
    // on to the frame when the walker reached the next number.
    bool takeKey(ProblemContext &ctx, int &key, InputFrom from, int tile) override;
    // A click on the cell next to the walker is the arrow towards it.
    bool click(ProblemContext &ctx, GameBox box, int n, QPoint at) override;
    void tick(ProblemContext &ctx) override;
    // Right when the walker stands on the next number: it is collected.
    bool judgeStep(ProblemContext &ctx, int selected) override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    const MazeGrid &grid() const { return m_grid; }
    int maze() const { return m_maze; }
    int pictureSet() const { return m_set; }
    int walkerRow() const { return m_row; }
    int walkerColumn() const { return m_column; }
    QChar heading() const { return m_heading; }
    bool walkerShown() const { return m_walkerShown; }
    int blink() const { return m_blink; }
    // The picture of a cell value, of a walker look (1 or 2) and of number
    // k collected (look 1) or still in the maze (look 2).
    QString cellPicture(std::uint8_t value) const;
    QString walkerPicture(int look) const;
    QString numberPicture(int k, int look) const;

private:
    QString folder() const;
    // Draws cell (row, column) into the maze picture as it is now.
    void drawCell(ProblemHost &host, int row, int column);

    MazeGrid m_grid;
    int m_maze = 0;
    int m_set = 1;
    int m_row = 1;
    int m_column = 1;
    QChar m_heading = u'p';
    int m_blink = 0;
    int m_given = 0;          // numbers collected, as drawn
    bool m_walkerShown = true;
    bool m_reached = false;   // the last step stood the walker on the next number
    QSize m_collected;        // a collected number's picture
    // The mazes of the file that can be played, read once: the file does
    // not change while the program runs.
    bool m_fileRead = false;
    std::vector<std::pair<int, MazeGrid>> m_playable;
    QImage m_canvas;          // the maze without the walker
};

std::unique_ptr<Generator> makeMazeGame();

} // namespace flumo
