#pragma once
// Media of the games of group D built so far: the money games (goods,
// coins and notes, price digits, the shop and purse backgrounds) and the
// addition domino (stones, board, spoken sums).
#include "family.h"
#include <QColor>
#include <QImage>
#include <vector>

namespace mediagen::games {

// A domino stone with halves a and b (0..9): dots (numbers false) or
// numerals. vertical: a on top. look: 'n', 'k' (hand tiles, 160 x 80) or
// 'd' (board places, 136 x 68 or 68 x 136).
QImage dominoStone(int a, int b, bool numbers, bool vertical, char look);
// The board "Obr\407\domino.jpg".
QImage dominoBoard();

// The picture hunt (409): the property codes of figure `picture` of set
// `set`, slot by slot (what "Vyroky.INI" lists and the figure shows), and
// the spoken clue of a code.
std::vector<int> huntFigureCodes(int set, int picture);
QString huntClueText(int code);

// Value of money piece picture number 1..6: 1, 2, 5, 10, 20, 50 crowns.
int moneyValue(int picture);
// The colour that identifies a piece of that value.
QColor moneyColour(int value);
// A purse stack of `count` pieces of a value, each lying over the one
// before, in look 'n' or 'k'; and the three pictures the program draws such
// a stack from: part 1 (left), 2 (middle, once per further piece), 3 (end).
QImage stackPicture(int value, int count, char look);
QImage stackPiece(int value, int part, char look);

} // namespace mediagen::games

namespace mediagen {
std::unique_ptr<Family> makeDominoFamily();
std::unique_ptr<Family> makeMoneyFamily();
std::unique_ptr<Family> makeGameSpeechFamily();
// The sliding puzzle of 410 and 501: puzzle.cpp.
std::unique_ptr<Family> makePuzzleFamily();
// The memory game 408: memory.cpp.
std::unique_ptr<Family> makeMemoryFamily();
// The picture hunt 409: findpicture.cpp.
std::unique_ptr<Family> makeHuntPictureFamily();
std::unique_ptr<Family> makeHuntSpeechFamily();
// Connect the numbers 406: connect.cpp.
std::unique_ptr<Family> makeConnectFamily();
// Build the wall 402: wall.cpp.
std::unique_ptr<Family> makeWallFamily();
// Fill in the picture 401: dotpicture.cpp.
std::unique_ptr<Family> makeDotPictureFamily();
// The maths maze 412: maze.cpp.
std::unique_ptr<Family> makeMazeFamily();
} // namespace mediagen
