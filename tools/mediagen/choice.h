#pragma once
// Media of the choice exercises (pairs, colours, largest and smallest, same /
// fewer / more, quantity and number, comparing numbers) and the number and
// sign pictures of "obr\201\" that many exercises share. Each add function
// appends its files, named exactly as the program asks for them.
#include "family.h"
#include "prompts.h"

#include <QImage>
#include <vector>

namespace mediagen::choice {

enum class Look;

// "obr\101\obr" and "obr\101\pikt" + NNN (1..160) + n/k/d.
void addObjectPictures(std::vector<MediaFile> &out);
// "obr\102\past" + NNN (1..15) + n/k; "obr\102\vzor" + D (1..7) + "d.jpg"
// and + "_" + CC + "d.jpg".
void addColourPictures(std::vector<MediaFile> &out);
// "obr\108\obr" + KK (1..69) + "_" + v (1..4) + n/k/d.
void addSizePictures(std::vector<MediaFile> &out);
// "obr\111\poc" + KK (1..30) + "_" + CC (0..10) + n/k/d, and the one-digit
// "d" names the size exercise forms from them.
void addCountPictures(std::vector<MediaFile> &out);
// "obr\201\cisl", "obr\201\male\cisl", "obr\201\cervene\cisl" + NNN
// (0..100) + n/k/d; the sign pictures; "obr\rovnase.Jpg", "obr\prazdny6.jpg".
void addNumberPictures(std::vector<MediaFile> &out);

// The pictures behind those names (for the add functions and the tests).
QImage objectPicture(int n, bool pictogram, Look look);
QImage paintPicture(int colour, Look look);
QImage sampleObject(int object, int colour);   // colour 0: uncoloured
QImage sizePicture(int set, int size, Look look);
QImage countPicture(int kind, int count, Look look);
enum class NumberStyle { Large, Small, Red };
QImage numberPicture(NumberStyle style, int n, Look look);

// Every spoken task of the choice exercises ("Zvuky\TTT\zv....wav").
std::vector<SpokenText> spokenTasks();
// The accusative of colour c (1..15) as the colour task speaks it;
// precise: the name used at the highest level where lighter shades appear.
QString colourAccusative(int c, bool precise);

} // namespace mediagen::choice
