// Scoring rules: card attempts decided at solved problems, the last card of a
// set, games that count nothing, wrong-answer sounds, the subtask step, the
// verdict sound pick and the hint text of the cards button.
#include "engine/random.h"
#include "engine/scoring.h"
#include "support/testplatform.h"
#include <QTest>
#include <map>

using namespace flumo;

namespace {

struct Store {
    Scores scores;
    EngineState state;
    Settings settings{scores, state};
    void set(int cards, int points, int errors) { scores.cardsEarned = cards, scores.pointCount = points, scores.errorCount = errors; }
    QList<int> counts() const { return {scores.cardsEarned, scores.pointCount, scores.errorCount}; }
    CardOutcome solve(int task) { recordSolved(scores, task); return settleCard(scores, settings); }
};

std::vector<SoundItem> items(const QList<bool> &ticks)
{
    std::vector<SoundItem> out;
    for (int i = 0; i < ticks.size(); ++i)
        out.push_back({QStringLiteral("s%1").arg(i), ticks[i]});
    return out;
}

} // namespace

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void attempts()
    {
        // Script letters: 'w' a wrong answer and 's' a solved problem of 101;
        // outcomes has one letter (None, Won, Lost) per 's'.
        const struct { int pointsPerCard, maxErrors; const char *script, *outcomes; int cards; } rows[] = {
            {2, 2, "ssssss", "-W-W-W", 3}, {2, 0, "wss", "L-", 0},  {2, 2, "wwwss", "L-", 0},
            {2, 2, "swws", "-W", 1},       {1, 1, "wswws", "WL", 1}, {1, 0, "sss", "WWW", 3},
            {20, 0, "sws", "-L", 0},
        };
        for (const auto &r : rows) {
            Store s;
            s.settings.setPointsPerCard(r.pointsPerCard);
            s.settings.setMaxErrors(r.maxErrors);
            QString seen;
            for (char c : QByteArray(r.script)) {
                if (c == 'w') {
                    recordWrongAnswer(s.scores, 101, false, true);
                    continue;
                }
                const CardOutcome o = s.solve(101);
                seen += "-WLR"[int(o)];
                if (o == CardOutcome::CardWon || o == CardOutcome::CardLost)
                    QCOMPARE(s.counts().mid(1), (QList<int>{0, 0}));
            }
            QCOMPARE(seen, QString(r.outcomes));
            QCOMPARE(s.scores.cardsEarned, r.cards);
        }
    }

    void secondSolvedWinsCardAndHintShowsIt()
    {
        Store s; // defaults: sets of nine, 2 points per card, 2 errors allowed
        QCOMPARE(s.solve(204), CardOutcome::None);
        QCOMPARE(scoreHint(s.scores, s.settings),
                 QString::fromUtf8("Počet kartiček:  0 z 9\rPočet bodů     :  1 z 2\rPočet chyb      :  0 z 2"));
        QCOMPARE(s.solve(204), CardOutcome::CardWon);
        QCOMPARE(s.scores.cardsEarned, 1);
    }

    void cardsOffDecidesNothing()
    {
        Store s;
        s.settings.setUseCards(false);
        s.set(8, 5, 7);
        QVERIFY(scoreHint(s.scores, s.settings).isEmpty());
        QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::None);
        QCOMPARE(s.counts(), (QList<int>{8, 5, 7}));
    }

    void lastCardOfSetAndCardScreen()
    {
        Store s;
        s.settings.setCardCountIndex(0); // sets of four
        s.scores.cardsEarned = 3;
        recordWrongAnswer(s.scores, 303, false, true);
        recordSolved(s.scores, 303);
        // The card screen does the counting; the decision leaves the score alone.
        QCOMPARE(s.solve(303), CardOutcome::RewardMode);
        QCOMPARE(s.counts(), (QList<int>{3, 2, 1}));
        cardScreenOpened(s.scores, true);
        QCOMPARE(s.counts(), (QList<int>{4, 0, 0}));
        cardScreenClosed(s.scores);
        QCOMPARE(s.scores.cardsEarned, 0);
        // The last card with too many errors is lost like any other.
        s.set(3, 2, 3);
        QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::CardLost);
        QCOMPARE(s.scores.cardsEarned, 3);
        // Viewing the cards starts a new attempt; an incomplete set is kept.
        s.set(2, 1, 2);
        cardScreenOpened(s.scores, false);
        QCOMPARE(s.counts(), (QList<int>{2, 0, 0}));
        cardScreenClosed(s.scores);
        QCOMPARE(s.scores.cardsEarned, 2);

        // Sets of nine: the ninth card, decided by points, not before.
        Store n;
        n.scores.cardsEarned = 8;
        QCOMPARE(n.solve(101), CardOutcome::None);
        QCOMPARE(n.solve(101), CardOutcome::RewardMode);
    }

    void gamesCountNothingButRunAccounting()
    {
        Store s;
        s.settings.setPointsPerCard(3);
        for (int game : {402, 405, 410, 412, 501, 502}) {
            QCOMPARE(recordWrongAnswer(s.scores, game, false, false), WrongSound::Reprimand);
            recordSolved(s.scores, game);
        }
        QCOMPARE(s.counts(), (QList<int>{0, 0, 0}));
        // Points of group C, then fewer points per card in the settings: the
        // next solved game decides with the counts it found.
        QCOMPARE(s.solve(311), CardOutcome::None);
        QCOMPARE(s.solve(311), CardOutcome::None);
        s.settings.setPointsPerCard(2);
        QCOMPARE(s.solve(402), CardOutcome::CardWon);
        QCOMPARE(s.scores.cardsEarned, 1);
        // Errors left over from group A lose the attempt at a game's end.
        for (int i = 0; i < 3; ++i)
            recordWrongAnswer(s.scores, 112, false, true);
        QCOMPARE(s.solve(407), CardOutcome::CardLost);
        QCOMPARE(s.scores.cardsEarned, 1);
    }

    void wrongAnswers()
    {
        using W = WrongSound;
        const struct { int task, tile; bool nothingPaid, useDing; int errors; WrongSound sound; } rows[] = {
            {101, 3, false, true, 1, W::Ding},        {101, 3, false, false, 1, W::Reprimand},
            {399, 1, false, true, 1, W::Ding},        {301, 1, false, false, 0, W::None},      // counter up
            {301, 2, false, true, 0, W::None},        {301, 3, false, false, 1, W::Reprimand}, // check tile
            {403, 10, false, false, 0, W::None},      {403, 11, false, true, 0, W::Ding},      // coin back, pay short
            {404, 7, true, false, 0, W::None},        {404, 7, false, false, 0, W::Reprimand}, // nothing paid / too little
            {402, 4, false, false, 0, W::Reprimand},  {409, 2, false, false, 0, W::None},
            {409, 2, false, true, 0, W::None},        {310, 10, true, true, 1, W::Ding},
        };
        for (const auto &r : rows) {
            Scores scores;
            scores.errorCount = 4;
            scores.pointCount = 1;
            const QByteArray at = QByteArray::number(r.task) + " tile " + QByteArray::number(r.tile);
            QVERIFY2(recordWrongAnswer(scores, r.task, isQuietControlTile(r.task, r.tile, r.nothingPaid), r.useDing) == r.sound, at);
            QVERIFY2(scores.errorCount == 4 + r.errors && scores.pointCount == 1, at);
        }
    }

    void subtaskStep()
    {
        const int rows[][4] = {{0, 3, 3, 3}, {1, 1, 3, 2}, {1, 3, 3, 1}, {1, 4, 4, 1}, {1, 1, 1, 1}}; // auto, current, count, next
        for (const auto &r : rows)
            QCOMPARE(subtaskAfterSolved(r[0], r[1], r[2]), r[3]);
    }

    void pickTicked()
    {
        const std::vector<SoundItem> list = items({false, true, false, true, true});
        std::map<int, int> counts;
        for (std::uint64_t seed = 0; seed < 3000; ++seed) {
            Random r(seed);
            ++counts[flumo::pickTicked(list, r)];
        }
        QCOMPARE(counts.size(), std::size_t(3));
        for (const auto &[i, n] : counts)
            QVERIFY2(i >= 0 && i < 5 && list[std::size_t(i)].ticked && n > 850 && n < 1150, qPrintable(QStringLiteral("item %1: %2").arg(i).arg(n)));

        // Nothing ticked: silence, and no number is used up.
        for (const QList<bool> &ticks : {QList<bool>{}, QList<bool>{false}, QList<bool>{false, false, false}}) {
            Random a(99), b(99);
            QCOMPARE(flumo::pickTicked(items(ticks), a), -1);
            QCOMPARE(a.next(), b.next());
        }
    }

    void verdictFiles()
    {
        test::TestPlatform tp;
        tp.writeWav("zvuky/spravne/bravo.wav");
        tp.writeWav("zvuky/spatne/ne.wav");
        Store s, empty;
        s.settings.fillSoundLists(tp.files);
        Random r(1);
        const auto both = [&r](const Store &st) {
            return QStringList{verdictSoundFile(true, st.settings, r), verdictSoundFile(false, st.settings, r)};
        };
        QCOMPARE(both(s), (QStringList{"zvuky\\spravne\\bravo.wav", "zvuky\\spatne\\ne.wav"}));
        s.settings.setUsePraise(false);
        QCOMPARE(both(s), (QStringList{"", "zvuky\\spatne\\ne.wav"}));
        s.settings.setUsePraise(true);
        s.settings.setPraiseTicked(0, false);
        s.settings.setReprimandTicked(0, false);
        QCOMPARE(both(s), (QStringList{"", ""}));
        QCOMPARE(both(empty), (QStringList{"", ""})); // empty sound folders
    }

};

QTEST_GUILESS_MAIN(TestScoring)
#include "test_scoring.moc"
