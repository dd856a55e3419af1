#pragma once
// Media of the pictures-and-equations exercises and of the wrong and right
// examples: objects in two groups, taken away or cut off, single
// quantities, written expressions and equations, the fixed sets of wrong
// equations, the second set of signs and the red signs, and the spoken
// equations, results and tasks.
#include "family.h"
#include "prompts.h"

#include <QImage>
#include <QString>
#include <vector>

namespace mediagen::equations {

// The counting kind (1..30) that picture kind k (1..12) shows.
int objectKind(int k);

// Wrong equation n (1..38) of the addition set (subtraction false:
// x + y = shown) or the subtraction set (x - y = shown). Numbers 1..9
// contain a zero, 10..38 do not; 1..3 and 10..16 use numbers up to 3, 4..6
// and 17..24 up to 5, the others up to 10. shown is never the true result.
struct WrongEquation {
    int x = 0, y = 0, shown = 0;
};
WrongEquation wrongEquation(bool subtraction, int n);

// Spoken equations: "Dva a tři je pět.", "Pět bez dvou jsou tři."
QString sumSentence(int b, int c);
QString differenceSentence(int b, int c);

void addPictures(std::vector<MediaFile> &out);
std::vector<SpokenText> spokenTexts();

} // namespace mediagen::equations
