#pragma once
// Process-wide state shared by the screens: which exercise is on, and the
// score. Owned by the application (by value) and handed out by reference.

namespace flumo {

struct EngineState {
    int currentTask = 101;     // TaskId: 101..412, 501, 502
    int lastTask = 0;
    int currentLevel = 1;      // 1..7
    int effectiveLevel = 1;
    int currentSubtask = 1;    // 1..4
    int lastSubtask = 0;
    int currentGroup = 1;      // 1..4, the intro screen's selected group
    bool exerciseChosen = false;
    int screenBusy = 0;
    int lastTileCount = 0;
    int extraPanelCount = 0;
};

struct Scores {
    int pointCount = 0;
    int errorCount = 0;
    int cardsEarned = 0;
    int cardsPerSet = 9;       // 4 or 9
    int cardSet = 1;           // picture set 1..10
};

} // namespace flumo
