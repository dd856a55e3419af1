// A colouring data file (palette, regions, places coloured in advance) in
// the task (both subtasks) and in the reward game: the build, every region
// stepped through and coloured with its right colour, pointer moves and
// clicks on every region mark.
#include "fuzzcommon.h"
#include "gamehost.h"
#include "games/colouring.h"

using namespace flumo;

namespace {

void play(const QByteArray &bytes, int task, int subtask)
{
    Problem p;
    EngineState state;
    state.currentTask = task, state.currentLevel = 2, state.currentSubtask = subtask;
    GeneratorSettings settings;
    settings.cardSet = 1;
    Random random(7);
    fuzz::GameHost host(p, random, task, bytes);
    SetUpExerciseLayout(p, {task, 2, subtask, true, 9, 1});
    p.markReady();
    ColouringGame game;
    ProblemContext ctx{p, state, settings, random, host};
    game.build(ctx);
    (void)game.mediaNames(p);
    const int regions = static_cast<int>(game.regions().size());
    for (int r = 1; r <= regions; ++r) {
        (void)game.taskPicture(r);
        const QPoint mark = game.regions()[static_cast<std::size_t>(r - 1)].mark;
        game.pointerMoved(ctx, GameBox::Price, 0, mark);
        const int tile = game.tileFor(p, game.currentRegion());
        if (tile >= 1)
            host.selectTile(tile);
        int key = GameKey::Enter;
        game.takeKey(ctx, key, InputFrom::Keyboard, 0);
        key = GameKey::Enter;
        game.takeKey(ctx, key, InputFrom::Keyboard, 0);
        (void)game.judgeStep(ctx, p.selectedTile);
        key = GameKey::Space;
        game.takeKey(ctx, key, InputFrom::Keyboard, 0);
        game.click(ctx, GameBox::Price, 0, mark);
        std::vector<PictureDraw> draws;
        for (GameBox box : {GameBox::Price, GameBox::Task, GameBox::Picture})
            game.paintBox(p, box, 0, u'n', QSize(465, 380), host, draws);
    }
    fuzz::require(game.canvas().size() == game.mask().size(), "canvas and mask agree");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    // Region marks and the count are read from the bytes; the colours of a
    // region outside the outline must be as harmless as one inside.
    play(bytes, 411, 1);
    play(bytes, 411, 2);
    play(bytes, kColouringReward, 1);
    return 0;
}
