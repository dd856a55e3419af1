#include "engine/problem.h"
#include "engine/catalog.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"

namespace flumo {

QString Problem::stem(int i) const
{
    if (i < 0 || i >= kTileInfoCount)
        return {};
    return tileInfo[static_cast<std::size_t>(i)].name;
}

void Problem::beginBuild()
{
    selectedTile = 0;
    freshProblem = true;
    problemReady = false;
}

void Problem::markReady()
{
    answersGiven = 0;
    problemReady = true;
}

int promptVariant(int task, int subtask)
{
    switch (task) {
    case 101:
    case 302:
        return subtask <= 2 ? 1 : 2;
    case 102:
    case 107:
    case 202:
    case 206:
    case 207:
    case 301:
    case 401:
        return subtask;
    case 304:
        return (subtask - 1) / 2 + 1;
    default:
        return 1;
    }
}

QString promptFileName(int task, int variant, int take)
{
    const QString ttt = NumberToText(task, 3);
    return QStringLiteral("Zvuky\\") + ttt + QStringLiteral("\\uv") + ttt + u'_'
        + QString::number(variant) + u'-' + QString::number(take) + QStringLiteral(".wav");
}

PromptPlan planPrompt(const EngineState &state, Random &random)
{
    PromptPlan plan;
    const int task = state.currentTask;
    if (task >= 500)
        return plan;
    const int prompts = promptCountOf(task);
    if (prompts == 0)
        return plan;
    const bool changed = task != state.lastTask || state.currentSubtask != state.lastSubtask;
    if (!changed && !state.exerciseChosen)
        return plan;

    plan.speak = true;
    plan.animation = random.range(1, 4);
    plan.animationFile = QStringLiteral("obr-pom\\nulinka") + QString::number(plan.animation)
        + QStringLiteral(".GIF");
    plan.take = random.range(1, prompts);
    plan.variant = promptVariant(task, state.currentSubtask);
    plan.soundFile = promptFileName(task, plan.variant, plan.take);
    return plan;
}

PraiseAnimation choosePraiseAnimation(Random &random)
{
    PraiseAnimation out;
    out.number = random.range(1, 30);
    out.file = QStringLiteral("obr-pom\\nulák") + NumberToText(out.number, 2) + QStringLiteral(".GIF");
    return out;
}

QPoint placePraisePanel(QSize animation, Random &random)
{
    // Random(0..bound) with a bound below 0 would reach outside the screen
    // area the offsets are meant for; such an animation sits at the corner.
    const auto offset = [&random](int bound) { return bound < 0 ? 0 : random.range(0, bound); };
    const int left = 30 + offset(740 - animation.width() - 1);
    const int top = 240 + offset(340 - animation.height() - 1);
    return {left, top};
}

} // namespace flumo
