#pragma once
// What the generator knows about the exercises: the engine's catalog (menu
// captions, how many levels and subtasks each offers) with the generator's
// own texts, the captions of those levels and subtasks (the contents of
// "Urov1.INI", "PodUkl1.INI" and the toolbar label pictures).
#include <QString>
#include <QStringList>
#include <vector>

namespace mediagen {

struct ExerciseInfo {
    int taskId = 0;          // 101..412
    QString menuCaption;     // as the exercise menu stores it, leading spaces included
    QString title;           // the same for pictures: no number, full diacritics
    QStringList levels;      // one caption per level, 1..highest level
    QStringList subtasks;    // one caption per subtask
};

struct GroupInfo {
    int group = 0;           // 1..4
    QString letter;          // "A".."D"
    QString name;            // "Úvod", ...
    QString description;     // several sentences for the intro screen
};

// The 43 exercises in TaskId order.
const std::vector<ExerciseInfo> &exercises();
// The four groups.
const std::vector<GroupInfo> &groups();
// Exercises of one group, in row order.
std::vector<const ExerciseInfo *> exercisesOfGroup(int group);

} // namespace mediagen
