#include "engine/scoring.h"
#include "engine/random.h"
#include "platform/trace.h"

namespace flumo {

namespace {
constexpr int kFirstGame = 400;
constexpr int kSilentGame = 409;   // the picture hunt answers wrong picks with a clue only
} // namespace

bool countsScore(int taskId)
{
    return taskId < kFirstGame;
}

bool isQuietControlTile(int taskId, int selectedTile, bool nothingPaid)
{
    switch (taskId) {
    case 301: return selectedTile == 1 || selectedTile == 2;   // counter up and down
    case 403: return selectedTile == 10;                       // take a coin back
    case 404: return nothingPaid;
    default: return false;
    }
}

WrongSound reprimandKind(bool useDing)
{
    return useDing ? WrongSound::Ding : WrongSound::Reprimand;
}

WrongSound recordWrongAnswer(Scores &scores, int taskId, bool quietControl, bool useDing)
{
    if (quietControl)
        return WrongSound::None;
    if (countsScore(taskId))
        ++scores.errorCount;
    if (taskId == kSilentGame)
        return WrongSound::None;
    return reprimandKind(useDing);
}

void recordSolved(Scores &scores, int taskId)
{
    if (countsScore(taskId))
        ++scores.pointCount;
}

CardOutcome settleCard(Scores &scores, const Settings &settings)
{
    if (!settings.useCards())
        return CardOutcome::None;
    const bool withinErrors = scores.errorCount <= settings.maxErrors();
    if (scores.pointCount < settings.pointsPerCard() && withinErrors)
        return CardOutcome::None;
    if (scores.cardsEarned == scores.cardsPerSet - 1 && withinErrors)
        return CardOutcome::RewardMode;
    if (withinErrors)
        ++scores.cardsEarned;
    scores.pointCount = 0;
    scores.errorCount = 0;
    return withinErrors ? CardOutcome::CardWon : CardOutcome::CardLost;
}

void cardScreenOpened(Scores &scores, bool rewardMode)
{
    if (rewardMode)
        ++scores.cardsEarned;
    scores.pointCount = 0;
    scores.errorCount = 0;
}

void cardScreenClosed(Scores &scores)
{
    if (scores.cardsEarned == scores.cardsPerSet)
        scores.cardsEarned = 0;
}

int subtaskAfterSolved(bool autoNextSubtask, int currentSubtask, int subtaskCount)
{
    if (!autoNextSubtask)
        return currentSubtask;
    return currentSubtask >= subtaskCount ? 1 : currentSubtask + 1;
}

int pickTicked(const std::vector<SoundItem> &items, Random &random)
{
    bool any = false;
    for (const SoundItem &item : items)
        any = any || item.ticked;
    if (!any)
        return -1;
    const int last = static_cast<int>(items.size()) - 1;
    for (;;) {
        const int i = random.range(0, last);
        if (items[static_cast<std::size_t>(i)].ticked)
            return i;
    }
}

QString verdictSoundFile(bool right, const Settings &settings, Random &random)
{
    if (right && !settings.usePraise())
        return {};
    const std::vector<SoundItem> &items = right ? settings.praiseSounds() : settings.reprimandSounds();
    const int i = pickTicked(items, random);
    if (i < 0)
        return {};
    const QString folder = right ? QStringLiteral("zvuky\\spravne\\") : QStringLiteral("zvuky\\spatne\\");
    return folder + items[static_cast<std::size_t>(i)].name + QStringLiteral(".wav");
}

QString scoreHint(const Scores &scores, const Settings &settings)
{
    if (!settings.useCards())
        return {};
    const auto line = [](const QString &label, int value, int of) {
        return label + QString::number(value) + QStringLiteral(" z ") + QString::number(of);
    };
    return line(QStringLiteral("Počet kartiček:  "), scores.cardsEarned, scores.cardsPerSet)
        + QLatin1Char('\r')
        + line(QStringLiteral("Počet bodů     :  "), scores.pointCount, settings.pointsPerCard())
        + QLatin1Char('\r')
        + line(QStringLiteral("Počet chyb      :  "), scores.errorCount, settings.maxErrors());
}

void traceCard(CardOutcome outcome, const Scores &scores)
{
    const QString cards = QString::number(scores.cardsEarned);
    if (outcome == CardOutcome::CardWon)
        trace("card won", {{"cards", cards}});
    else if (outcome == CardOutcome::CardLost)
        trace("card lost", {{"cards", cards}});
}

void traceSolved(int taskId, const Scores &scores)
{
    trace("solved", {{"task", QString::number(taskId)},
                     {"points", QString::number(scores.pointCount)},
                     {"errors", QString::number(scores.errorCount)},
                     {"cards", QString::number(scores.cardsEarned)}});
}

} // namespace flumo
