#pragma once
// One problem of a family built without the exercise screen: a host that
// lays the tiles out with the engine's own layout and picture sizes the
// suite chooses and records the sounds in order, and the objects a build
// needs around it. Suites derive the host for the calls they watch.
#include "engine/generator.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include <QStringList>
#include <functional>
#include <memory>
#include <type_traits>

namespace flumo::test {

struct RecordingHost : ProblemHost {
    Problem *problem = nullptr;
    Random *random = nullptr;
    int task = 0;
    TileParent parent = TileParent::ChoicePanel;
    std::function<QSize(const QString &)> size = [](const QString &) { return QSize(100, 100); };
    QStringList sounds;       // every sound, "!wait" appended to those waited for when markWaits
    bool markWaits = false;

    QSize pictureSize(const QString &name) override { return size(name); }
    void layOutTiles() override
    {
        applyTileStems(*problem, LayOutTiles(*problem, task, parent, 744,
                                             [this](int, const QString &n) { return pictureSize(n); }, *random));
    }
    void showTile(int) override {}
    void drawPatternRow(unsigned, bool, bool) override {}
    void playSound(const QString &name, bool wait) override { sounds << name + (markWaits && wait ? "!wait" : ""); }
};

// G is a generator class, or std::unique_ptr<Generator> for the one the
// dispatch table gives the task. Built in place: the context refers to the
// members.
template <class G, class H = RecordingHost>
struct GeneratorRun {
    Problem p;
    EngineState state;
    GeneratorSettings settings;
    Random random;
    H host;
    G gen;
    ProblemContext ctx{p, state, settings, random, host};

    GeneratorRun(int task, int level, int subtask, std::uint64_t seed, bool noZero = true, int cardsPerSet = 9,
                 int cardSet = 1)
        : random(seed)
    {
        state.currentTask = task, state.currentLevel = level, state.currentSubtask = subtask;
        settings.noZero = noZero;
        settings.cardsPerSet = cardsPerSet, settings.cardSet = cardSet;
        host.problem = &p, host.random = &random, host.task = task;
        SetUpExerciseLayout(p, {task, level, subtask, noZero, cardsPerSet, cardSet});
        if constexpr (std::is_same_v<G, std::unique_ptr<Generator>>)
            gen = generatorFor(task)();
    }
    GeneratorRun(const GeneratorRun &) = delete;
    GeneratorRun &operator=(const GeneratorRun &) = delete;

    Generator &generator()
    {
        if constexpr (std::is_same_v<G, std::unique_ptr<Generator>>)
            return *gen;
        else
            return gen;
    }
    // Builds as the screen does; a game's problem is ready before its build.
    GeneratorRun &build(bool readyFirst = false)
    {
        if (readyFirst)
            p.markReady();
        generator().build(ctx);
        return *this;
    }
    int value(int i) const { return p.tileValue[std::size_t(i)]; }
    // The common frame's part of a game's answer (G a generator class).
    bool answer(int tile)
    {
        const bool right = gen.judgeStep(ctx, tile);
        if (right)
            ++p.answersGiven;
        return right;
    }
};

} // namespace flumo::test
