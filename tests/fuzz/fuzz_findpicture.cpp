// The find-the-picture property file "Vyroky.INI": every set is built from
// it and every tile picked; a clue said is always a property of the secret
// picture that the picked one lacks.
#include "fuzzcommon.h"
#include "gamehost.h"
#include "games/findpicture.h"
#include <algorithm>

using namespace flumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    // One generator reads the file once and builds problem after problem,
    // as while the exercise is on; the seeds between them draw every set.
    FindPictureGame game;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        Problem p;
        EngineState state;
        state.currentTask = 409;
        GeneratorSettings settings;
        Random random(seed);
        fuzz::GameHost host(p, random, 409, bytes);
        SetUpExerciseLayout(p, {409, 1, 1, true, 9, 1});
        p.markReady();
        ProblemContext ctx{p, state, settings, random, host};
        game.build(ctx);
        (void)game.mediaNames(p);
        const int secret = p.tileValue[static_cast<std::size_t>(p.targetTile)];
        for (int t = 1; t <= kHuntTiles; ++t) {
            if (t == p.targetTile)
                continue;
            const int picked = p.tileValue[static_cast<std::size_t>(t)];
            fuzz::require(!game.judgeStep(ctx, t), "a wrong pick does not find");
            const int clue = game.lastClue();
            if (clue != 0) {
                const HuntProperties &s = game.properties(secret);
                const HuntProperties &c = game.properties(picked);
                fuzz::require(std::find(s.begin(), s.end(), clue) != s.end(), "clue is the secret's");
                fuzz::require(std::find(c.begin(), c.end(), clue) == c.end(), "clue is not the picked one's");
            }
        }
        fuzz::require(game.judgeStep(ctx, p.targetTile), "the secret is found");
    }
    return 0;
}
