#pragma once
// An exercise screen for the answer and evaluation suites: a stand-in
// generator (tile i holds value i, tile 2 is the target unless the suite
// gives a rule), one ticked praise and one reprimand sound, a fake clock.
#include "engine/catalog.h"
#include "engine/problem.h"
#include "engine/settings.h"
#include "media/pictureloader.h"
#include "screens/exercisescreen.h"
#include "support/contextfixture.h"
#include "support/testplatform.h"
#include <functional>
#include <memory>

namespace flumo::test {

class StandInGenerator : public Generator, public ExerciseScreen::AnswerRule {
public:
    void build(ProblemContext &ctx) override
    {
        Problem &p = ctx.problem;
        for (int i = 1; i <= p.tileCount; ++i)
            p.tileValue[static_cast<std::size_t>(i)] = i;
        p.targetTile = 2;
        p.answersNeeded = needed;
        ctx.host.layOutTiles();
        p.selectedTile = 1;
        for (int i = 1; i <= p.tileCount; ++i)
            ctx.host.showTile(i);
    }
    bool judgeAnswer(Problem &p, int selected) override { return rule ? rule(p, selected) : selected == p.targetTile; }
    static inline int needed = 1;
    static inline std::function<bool(Problem &, int)> rule;
};

inline std::unique_ptr<Generator> makeStandIn() { return std::make_unique<StandInGenerator>(); }
inline GeneratorFactory standInLookup(int task) { return findExercise(task) ? &makeStandIn : nullptr; }

struct AnswerFixture : ContextFixture {
    std::unique_ptr<ExerciseScreen> screen;

    explicit AnswerFixture(GeneratorFactory (*lookup)(int) = &standInLookup)
    {
        StandInGenerator::needed = 1;
        StandInGenerator::rule = nullptr;
        tp.writeWav(QStringLiteral("zvuky/spravne/bravo.wav"), 100);
        tp.writeWav(QStringLiteral("zvuky/spatne/chyba.wav"), 100);
        settings.fillSoundLists(tp.files);
        settings.setAutoAdvance(false);
        screen = std::make_unique<ExerciseScreen>(ctx, DisplayMetrics{120, 32});
        screen->setGeneratorLookup(lookup);
    }
    void build(int task, int level = 1, int subtask = 1)
    {
        state.currentTask = task, state.currentLevel = level, state.currentSubtask = subtask;
        screen->ZamichUkl1Click();
    }
    Problem &problem() { return screen->problem(); }
    // Points at tile n and clicks it; a praise pause it starts ends at once.
    void click(int n)
    {
        screen->tilePointerMoved(n);
        screen->tileClicked(n);
        if (screen->timer1()->isActive())
            screen->Timer1Timer();
    }
};

} // namespace flumo::test
