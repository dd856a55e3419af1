#pragma once
// The shell family: pictures of the exercise screen's frame and toolbar, the
// intro screen, the settings screen and the card screen, the two pointers,
// the media-root marker and the program's INI files. Each part appends its
// files; names are spelt as the program asks for them.
#include "family.h"

#include <QImage>
#include <vector>

namespace mediagen::shell {

// "Obr\Okno.PT0", "Param1.INI", "Urov1.INI", "PodUkl1.INI" and "obr-pom\".
void addFrameFiles(std::vector<MediaFile> &out);
// "obr\tlacitka\": buttons, arrows and the exercise, subtask and level labels.
void addToolbarFiles(std::vector<MediaFile> &out);
// "obr\uvod\": the intro and task selection screen.
void addIntroFiles(std::vector<MediaFile> &out);
// "obr\karticky\": the card collection screen and the ten card sets.
void addCardFiles(std::vector<MediaFile> &out);

// The INI texts (UTF-16 here; written as Windows-1250 with CR LF).
QString levelCaptionsIni();
QString subtaskCaptionsIni();
QString settingsIni();

// The intro screen's background (800 × 600); its buttons are drawn on
// pieces of it so that their rounded corners sit on the same picture.
QImage introBackground();
// The colour of the intro's exercise list, behind its rows.
QColor introListColour();
// The card screen's background (584 × 540).
QImage cardBackground();
// The picture of card set n (1..10) as a side × side square.
QImage cardTheme(int set, int side);

} // namespace mediagen::shell
