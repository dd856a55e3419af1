#pragma once
// The exercise catalog: the 43 exercises of groups 1 to 4 and the two card
// games, their captions, limits and menu models. Everything here is pure
// data and pure functions; the exercise screen turns the menu models into
// real menus.
#include <QString>
#include <vector>

namespace flumo {

class IniFile;

// Group 5 is the submenu of the two card games (501, 502).
constexpr int kCardGameGroup = 5;
constexpr int kLevelMenuSize = 7;
constexpr int kSubtaskMenuSize = 4;
// The per-exercise tables have 4 groups x 12 indexes.
constexpr int kExerciseTableSize = 48;

struct CatalogEntry {
    int taskId;               // group * 100 + index
    const char *menuItem;     // item name of the hidden catalog menu
    const char *caption;      // UTF-8, exactly as shown, leading spaces kept
    int maxLevel;             // highest level; 1 for the card games
    int subtasks;             // 0 for the card games
    int promptVariants;       // spoken prompts per subtask variant; 0 = none
    int group;                // 1..4, kCardGameGroup for 501 and 502
};

// All 45 entries in TaskId order.
const std::vector<CatalogEntry> &catalog();
// The entry of a TaskId, or nullptr for a number that is no exercise.
const CatalogEntry *findExercise(int task);
QString exerciseCaption(int task);        // "" for an unknown TaskId

bool isCardGame(int task);                // 501 and 502
// Position (group - 1) * 12 + (index - 1) of the per-exercise tables, or -1
// when the TaskId lies outside 101..412 or has an index above 12.
int exerciseTableIndex(int task);

// MaxLevelTable, SubtaskCountTable, PromptCountTable: 0 for the indexes
// that have no exercise (209..212, 312) and for TaskIds outside the tables.
// The card games never read them.
int maxLevelOf(int task);
int subtaskCountOf(int task);
int promptCountOf(int task);

// "A  Uvod", "B  Poznavani", "C  Pocitani", "D  Hry"; "" for other numbers.
QString groupCaption(int group);
// Item names of the group submenus: "Uvod1" .. "Hry1", "Hodnoceni1" for 5.
QString groupMenuItem(int group);
// TaskIds of a group (1..5) in menu order; empty for other numbers.
std::vector<int> groupExercises(int group);

// The level clamp done at the start of every Problem build: a card game
// plays at level 1 and leaves the effective level alone (leaving the game
// restores it); an exercise lowers the level to its highest one, never
// raises it, and the effective level follows. A level below 1 becomes 1.
struct LevelChoice {
    int currentLevel;
    int effectiveLevel;
};
LevelChoice clampLevel(int task, int currentLevel, int effectiveLevel);

// The subtask a build runs with after the caption menus were filled: 1 when
// the exercise differs from the one of the previous Problem.
int subtaskAfterChange(int task, int lastTask, int currentSubtask);

// One item of the level or subtask menu.
struct MenuItemModel {
    QString caption;
    bool visible = false;
    bool checked = false;
};

constexpr const char *kLevelCaptionFile = "Urov1.INI";
constexpr const char *kSubtaskCaptionFile = "PodUkl1.INI";

// The design-time captions: "do 3" .. "do 100" and "1. podukol" ..
// "4. podukol"; index 1-based, "" outside the menu.
QString defaultLevelCaption(int level);
QString defaultSubtaskCaption(int subtask);

// The level menu (7 items) and the subtask menu (4 items) of an exercise,
// from the parsed "Urov1.INI" / "PodUkl1.INI". Section "Ukol" + three-digit
// TaskId; "Pocet" items are shown (missing section, missing file: none), the
// rest are hidden and keep their design captions. A missing caption key
// reads "xyz" (levels) or "abc" (subtasks). A "Pocet" above the menu size is
// cut to the menu size, a negative one counts as 0. The item equal to the
// current level / subtask is checked; hidden items are never checked.
std::vector<MenuItemModel> ReadLevelCaptions(const IniFile &ini, int task, int currentLevel);
std::vector<MenuItemModel> ReadSubtaskCaptions(const IniFile &ini, int task, int currentSubtask);

// The path of a caption file in the working folder, joined with "\". A
// drive root such as "C:\" contributes only "C:" so that a single separator
// follows the drive.
QString captionFilePath(const QString &workingFolder, const QString &fileName);

} // namespace flumo
