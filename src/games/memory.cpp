#include "games/memory.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

constexpr int kPairsPerSet[kMemorySets] = {9, 9, 9, 10, 10, 9, 10, 8, 7, 21, 16, 21};
constexpr int kMatchPauseMs = 1000;
constexpr int kTurnBackPauseMs = 1500;

QString setFolder(int set)
{
    return QStringLiteral("obr\\408\\") + NumberToText(set, 2) + u'\\';
}

} // namespace

int memoryPairsOf(int set)
{
    return set >= 1 && set <= kMemorySets ? kPairsPerSet[set - 1] : 0;
}

QString MemoryGame::backStem(int set)
{
    return setFolder(set) + QStringLiteral("karta");
}

QString MemoryGame::faceStem(int set, int pair, int side)
{
    return setFolder(set) + QStringLiteral("pex") + NumberToText(pair, 2) + u'_' + QString::number(side);
}

QString MemoryGame::takenStem()
{
    return QStringLiteral("obr\\408\\kartp");
}

std::unique_ptr<Generator> makeMemoryGame()
{
    return std::make_unique<MemoryGame>();
}

void MemoryGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &r = ctx.random;
    m_set = r.range(1, kMemorySets);
    m_side.fill(0);
    p.tilePicturePrefix = setFolder(m_set) + QStringLiteral("pex");
    p.altPicturePrefix = backStem(m_set);
    p.answersNeeded = kMemoryCards;
    p.firstCard = kMemoryNoCard;
    p.targetTile = 0;   // any card may be turned

    const auto freeCard = [&] {
        int t;
        do {
            t = r.range(1, kMemoryCards);
        } while (m_side[static_cast<std::size_t>(t)] != 0);
        return t;
    };
    std::array<int, kMemoryCards / 2> drawn{};
    for (int k = 0; k < kMemoryCards / 2; ++k) {
        int pair;
        do {
            pair = r.range(1, memoryPairsOf(m_set));
        } while (std::find(drawn.begin(), drawn.begin() + k, pair) != drawn.begin() + k);
        drawn[static_cast<std::size_t>(k)] = pair;
        const int q = r.range(1, 2);
        for (int side : {q, 3 - q}) {
            const int t = freeCard();
            p.tileValue[static_cast<std::size_t>(t)] = pair;
            m_side[static_cast<std::size_t>(t)] = side;
        }
    }
    QStringList cards;
    for (int t = 1; t <= kMemoryCards; ++t) {
        p.tileInfo[static_cast<std::size_t>(t)].name = backStem(m_set);
        cards << QStringLiteral("%1_%2").arg(p.tileValue[static_cast<std::size_t>(t)]).arg(m_side[static_cast<std::size_t>(t)]);
    }
    trace("memory", {{"set", QString::number(m_set)}, {"cards", cards.join(u',')}});
    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int t = 1; t <= kMemoryCards; ++t)
        ctx.host.showTile(t);
}

void MemoryGame::show(ProblemContext &ctx, int t, const QString &stem)
{
    ctx.problem.tileInfo[static_cast<std::size_t>(t)].name = stem;
    ctx.host.drawBox(GameBox::Tile, t);
}

bool MemoryGame::judgeStep(ProblemContext &ctx, int t)
{
    Problem &p = ctx.problem;
    const auto turned = [&](const char *what) {
        trace("memory-turn", {{"tile", QString::number(t)}, {"result", QString::fromLatin1(what)},
                              {"given", QString::number(p.answersGiven)}});
    };
    if (t < 1 || t > kMemoryCards || m_side[static_cast<std::size_t>(t)] == 0) {
        turned("taken");
        return false;
    }
    const bool second = p.answersGiven % 2 == 1;
    if (second && t == p.firstCard) {
        ctx.host.beep();
        turned("same");
        return false;
    }
    EngineState &s = ctx.state;
    s.screenBusy = 1;
    show(ctx, t, faceStem(m_set, p.tileValue[static_cast<std::size_t>(t)], m_side[static_cast<std::size_t>(t)]));
    if (!second) {
        p.firstCard = t;
        turned("first");
        s.screenBusy = 0;
        return true;
    }
    const int first = p.firstCard;
    p.firstCard = kMemoryNoCard;
    if (p.tileValue[static_cast<std::size_t>(first)] == p.tileValue[static_cast<std::size_t>(t)]) {
        turned("pair");
        ctx.host.pause(kMatchPauseMs);
        for (int c : {first, t}) {
            m_side[static_cast<std::size_t>(c)] = 0;
            show(ctx, c, takenStem());
        }
        s.screenBusy = 0;
        return true;
    }
    turned("no-pair");
    ctx.host.beep();
    ctx.host.pause(kTurnBackPauseMs);
    for (int c : {first, t})
        show(ctx, c, backStem(m_set));
    --p.answersGiven;   // the first card of the try goes back
    s.screenBusy = 0;
    return false;
}

bool MemoryGame::quietWrong(const Problem &problem, int selected) const
{
    (void)problem, (void)selected;
    return true;
}

QStringList MemoryGame::mediaNames(const Problem &problem) const
{
    QStringList names;
    const auto looks = [&names](const QString &stem) {
        names << stem + QStringLiteral("n.Jpg") << stem + QStringLiteral("k.Jpg");
    };
    looks(backStem(m_set));
    looks(takenStem());
    for (int t = 1; t <= kMemoryCards; ++t)
        looks(faceStem(m_set, problem.tileValue[static_cast<std::size_t>(t)], m_side[static_cast<std::size_t>(t)]));
    return names;
}

} // namespace flumo
