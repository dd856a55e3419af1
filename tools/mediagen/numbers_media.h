#pragma once
// Media of the number exercises of group B beyond the choice family: the
// ordinal numbers (ordinal_media.cpp), decomposition and its explorer
// (decomposition_media.cpp), the number introduction (numberrow_media.cpp).
#include "prompts.h"

#include <QImage>
#include <vector>

namespace mediagen::ordinal {
// "Zvuky\203\zvMM_P.wav": the k-th (MM 01..10), the middle (33) and the
// last (99) picture of set P (1..4).
std::vector<SpokenText> spokenTasks();
} // namespace mediagen::ordinal

namespace mediagen::decomposition {
// The Czech number word (0..10) as it is read in "Pět je tři a dva.".
QString numberWord(int n);
// "Zvuky\205\zvWW-T.wav" (T 1..8) and "Zvuky\205\zvWW_LL_RR.wav".
std::vector<SpokenText> spokenTexts();
// W objects of kind K in two groups of P1 and P2 (tile or display look).
QImage objectGroups(int whole, int first, int second, int kind, bool display, bool highlighted);
} // namespace mediagen::decomposition

namespace mediagen::numberrow {
// A hand (or two) showing n fingers, 0..10.
QImage fingers(int n);
// "Zvuky\201\zvNN.wav": the number spoken.
std::vector<SpokenText> spokenNumbers();
} // namespace mediagen::numberrow
