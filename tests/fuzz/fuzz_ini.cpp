// "Param1.INI" and the caption files: the INI reader, the settings load and
// the level/subtask menus built from them. Whatever the bytes, the settings
// stay inside the ranges of their controls and the exercise is one that
// exists.
#include "engine/catalog.h"
#include "engine/settings.h"
#include "fuzzcommon.h"
#include "platform/inifile.h"

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IniFile ini = IniFile::fromBytes(fuzz::bytesOf(data, size));
    for (const QString &section : ini.sections())
        for (const QString &key : ini.keys(section)) {
            fuzz::require(ini.hasKey(section, key), "a listed key is found");
            (void)ini.readInt(section, key, 0);
            (void)ini.readBool(section, key, false);
        }

    Scores scores;
    EngineState state;
    Settings settings(scores, state);
    if (settings.load(ini, [] { return true; })) {
        fuzz::require(settings.pointsPerCard() >= Settings::kPointsMin && settings.pointsPerCard() <= Settings::kPointsMax,
                      "points per card in range");
        fuzz::require(settings.maxErrors() >= Settings::kErrorsMin && settings.maxErrors() <= Settings::kErrorsMax,
                      "errors in range");
        fuzz::require(settings.autoAdvanceDelay() >= Settings::kDelayMin && settings.autoAdvanceDelay() <= Settings::kDelayMax,
                      "delay in range");
        fuzz::require(settings.cardCountIndex() == 0 || settings.cardCountIndex() == 1, "card count index");
        fuzz::require(findExercise(state.currentTask) != nullptr, "a known exercise");
        fuzz::require(state.currentLevel >= 1 && state.currentLevel <= 7, "level in range");
        IniFile out;
        settings.store(out);
    }
    for (int task : {101, 301, 409, 411})
        for (int current = 1; current <= 2; ++current) {
            (void)ReadLevelCaptions(ini, task, current);
            (void)ReadSubtaskCaptions(ini, task, current);
        }
    return 0;
}
