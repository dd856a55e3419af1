// Scoring rules: card attempts decided at solved problems, the last card of a
// set, games that count nothing, wrong-answer sounds, the subtask step, the
// verdict sound pick and the hint text of the cards button.
#include "engine/random.h"
#include "engine/scoring.h"
#include "support/testplatform.h"
#include <QTest>
#include <map>

using namespace flumo;
using flumo::test::TestPlatform;
using flumo::test::TraceRecorder;

Q_DECLARE_METATYPE(flumo::WrongSound)

namespace {

struct Store {
    Scores scores;
    EngineState state;
    Settings settings{scores, state};
};

std::vector<SoundItem> items(const QList<bool> &ticks)
{
    std::vector<SoundItem> out;
    for (int i = 0; i < ticks.size(); ++i)
        out.push_back({QStringLiteral("s%1").arg(i), ticks[i]});
    return out;
}

// One letter per outcome, for compact expectations.
QChar letter(CardOutcome outcome)
{
    switch (outcome) {
    case CardOutcome::None: return QLatin1Char('-');
    case CardOutcome::CardWon: return QLatin1Char('W');
    case CardOutcome::CardLost: return QLatin1Char('L');
    case CardOutcome::RewardMode: return QLatin1Char('R');
    }
    return QLatin1Char('?');
}

} // namespace

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void attempts_data();
    void attempts();
    void secondSolvedWinsCardAndHintShowsIt();
    void hintIsEmptyAndNothingDecidedWithoutCards();
    void lastCardOfSetOpensRewardMode();
    void cardScreenViewModeAndClose();
    void gamesCountNothingButRunAccounting();
    void wrongAnswers_data();
    void wrongAnswers();
    void subtaskStep_data();
    void subtaskStep();
    void pickDrawsOnlyTickedItems();
    void pickWithNothingTickedIsSilent();
    void verdictFiles();
    void traceLines();
};

// Script letters: 'w' a wrong answer and 's' a solved problem of exercise 101,
// followed by the card accounting; outcomes lists the outcome of each 's'.
void TestScoring::attempts_data()
{
    QTest::addColumn<int>("pointsPerCard");
    QTest::addColumn<int>("maxErrors");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<int>("cards");

    QTest::newRow("two points per card") << 2 << 2 << "ssssss" << "-W-W-W" << 3;
    QTest::newRow("no errors allowed, one wrong") << 2 << 0 << "wss" << "L-" << 0;
    QTest::newRow("three wrong before first point") << 2 << 2 << "wwwss" << "L-" << 0;
    QTest::newRow("errors at the limit still win") << 2 << 2 << "swws" << "-W" << 1;
    QTest::newRow("errors counted again after a card") << 1 << 1 << "wswws" << "WL" << 1;
    QTest::newRow("one point per card") << 1 << 0 << "sss" << "WWW" << 3;
    QTest::newRow("many points, errors decide") << 20 << 0 << "sws" << "-L" << 0;
}

void TestScoring::attempts()
{
    QFETCH(int, pointsPerCard);
    QFETCH(int, maxErrors);
    QFETCH(QString, script);
    QFETCH(QString, outcomes);
    QFETCH(int, cards);

    Store s;
    s.settings.setPointsPerCard(pointsPerCard);
    s.settings.setMaxErrors(maxErrors);
    QString seen;
    for (QChar c : script) {
        if (c == QLatin1Char('w')) {
            recordWrongAnswer(s.scores, 101, false, true);
            continue;
        }
        recordSolved(s.scores, 101);
        const CardOutcome outcome = settleCard(s.scores, s.settings);
        seen += letter(outcome);
        if (outcome == CardOutcome::CardWon || outcome == CardOutcome::CardLost) {
            QCOMPARE(s.scores.pointCount, 0);
            QCOMPARE(s.scores.errorCount, 0);
        }
    }
    QCOMPARE(seen, outcomes);
    QCOMPARE(s.scores.cardsEarned, cards);
}

void TestScoring::secondSolvedWinsCardAndHintShowsIt()
{
    Store s;   // defaults: sets of nine, 2 points per card, 2 errors allowed
    recordSolved(s.scores, 204);
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::None);
    QCOMPARE(scoreHint(s.scores, s.settings),
             QString::fromUtf8("Počet kartiček:  0 z 9\rPočet bodů     :  1 z 2\rPočet chyb      :  0 z 2"));

    recordSolved(s.scores, 204);
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::CardWon);
    QCOMPARE(s.scores.cardsEarned, 1);

    const QString hint = scoreHint(s.scores, s.settings);
    QCOMPARE(hint.toUtf8(),
             QByteArray("Po\xc4\x8d" "et karti\xc4\x8d" "ek:  1 z 9\r"
                        "Po\xc4\x8d" "et bod\xc5\xaf     :  0 z 2\r"
                        "Po\xc4\x8d" "et chyb      :  0 z 2"));
    const QStringList lines = hint.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].indexOf(QLatin1Char('1')), 17);
    QCOMPARE(lines[1].indexOf(QLatin1Char('0')), 18);
    QCOMPARE(lines[2].indexOf(QLatin1Char('0')), 19);
    QVERIFY(!hint.contains(QLatin1Char('\n')));
}

void TestScoring::hintIsEmptyAndNothingDecidedWithoutCards()
{
    Store s;
    s.settings.setUseCards(false);
    s.scores.pointCount = 5;
    s.scores.errorCount = 7;
    s.scores.cardsEarned = 8;
    QVERIFY(scoreHint(s.scores, s.settings).isEmpty());
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::None);
    QCOMPARE(s.scores.pointCount, 5);
    QCOMPARE(s.scores.errorCount, 7);
    QCOMPARE(s.scores.cardsEarned, 8);
}

void TestScoring::lastCardOfSetOpensRewardMode()
{
    Store s;
    s.settings.setCardCountIndex(0);   // sets of four
    s.scores.cardsEarned = 3;
    recordWrongAnswer(s.scores, 303, false, true);
    recordSolved(s.scores, 303);
    recordSolved(s.scores, 303);

    // The card screen does the counting; the decision leaves the score alone.
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::RewardMode);
    QCOMPARE(s.scores.cardsEarned, 3);
    QCOMPARE(s.scores.pointCount, 2);
    QCOMPARE(s.scores.errorCount, 1);

    cardScreenOpened(s.scores, true);
    QCOMPARE(s.scores.cardsEarned, 4);
    QCOMPARE(s.scores.pointCount, 0);
    QCOMPARE(s.scores.errorCount, 0);
    cardScreenClosed(s.scores);
    QCOMPARE(s.scores.cardsEarned, 0);

    // The last card with too many errors is lost like any other.
    s.scores.cardsEarned = 3;
    s.scores.pointCount = 2;
    s.scores.errorCount = 3;
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::CardLost);
    QCOMPARE(s.scores.cardsEarned, 3);

    // Sets of nine: the ninth card, decided by points, not before.
    Store n;
    n.scores.cardsEarned = 8;
    recordSolved(n.scores, 101);
    QCOMPARE(settleCard(n.scores, n.settings), CardOutcome::None);
    recordSolved(n.scores, 101);
    QCOMPARE(settleCard(n.scores, n.settings), CardOutcome::RewardMode);
}

void TestScoring::cardScreenViewModeAndClose()
{
    Scores scores;
    scores.cardsEarned = 5;
    scores.pointCount = 1;
    scores.errorCount = 2;
    cardScreenOpened(scores, false);
    QCOMPARE(scores.cardsEarned, 5);
    QCOMPARE(scores.pointCount, 0);
    QCOMPARE(scores.errorCount, 0);
    cardScreenClosed(scores);
    QCOMPARE(scores.cardsEarned, 5);   // an incomplete set is kept
}

void TestScoring::gamesCountNothingButRunAccounting()
{
    Store s;
    s.settings.setPointsPerCard(3);
    for (int game : {402, 405, 410, 412, 501, 502}) {
        QCOMPARE(recordWrongAnswer(s.scores, game, false, false), WrongSound::Reprimand);
        recordSolved(s.scores, game);
    }
    QCOMPARE(s.scores.pointCount, 0);
    QCOMPARE(s.scores.errorCount, 0);

    // Points of group C, then fewer points per card in the settings: the
    // next solved game decides with the counts it found.
    recordSolved(s.scores, 311);
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::None);
    recordSolved(s.scores, 311);
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::None);
    s.settings.setPointsPerCard(2);
    recordSolved(s.scores, 402);
    QCOMPARE(s.scores.pointCount, 2);
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::CardWon);
    QCOMPARE(s.scores.cardsEarned, 1);

    // Errors left over from group A lose the attempt at a game's end.
    for (int i = 0; i < 3; ++i)
        recordWrongAnswer(s.scores, 112, false, true);
    recordSolved(s.scores, 407);
    QCOMPARE(settleCard(s.scores, s.settings), CardOutcome::CardLost);
    QCOMPARE(s.scores.cardsEarned, 1);
}

void TestScoring::wrongAnswers_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("tile");
    QTest::addColumn<bool>("nothingPaid");
    QTest::addColumn<bool>("useDing");
    QTest::addColumn<int>("errors");
    QTest::addColumn<WrongSound>("sound");

    QTest::newRow("101 ding") << 101 << 3 << false << true << 1 << WrongSound::Ding;
    QTest::newRow("101 reprimand") << 101 << 3 << false << false << 1 << WrongSound::Reprimand;
    QTest::newRow("399 counts") << 399 << 1 << false << true << 1 << WrongSound::Ding;
    QTest::newRow("301 counter up") << 301 << 1 << false << false << 0 << WrongSound::None;
    QTest::newRow("301 counter down") << 301 << 2 << false << true << 0 << WrongSound::None;
    QTest::newRow("301 check tile") << 301 << 3 << false << false << 1 << WrongSound::Reprimand;
    QTest::newRow("403 coin back") << 403 << 10 << false << false << 0 << WrongSound::None;
    QTest::newRow("403 pay short") << 403 << 11 << false << true << 0 << WrongSound::Ding;
    QTest::newRow("404 nothing paid") << 404 << 7 << true << false << 0 << WrongSound::None;
    QTest::newRow("404 paid too little") << 404 << 7 << false << false << 0 << WrongSound::Reprimand;
    QTest::newRow("402 game") << 402 << 4 << false << false << 0 << WrongSound::Reprimand;
    QTest::newRow("409 silent") << 409 << 2 << false << false << 0 << WrongSound::None;
    QTest::newRow("409 silent with ding") << 409 << 2 << false << true << 0 << WrongSound::None;
    QTest::newRow("tile 10 elsewhere") << 310 << 10 << true << true << 1 << WrongSound::Ding;
}

void TestScoring::wrongAnswers()
{
    QFETCH(int, task);
    QFETCH(int, tile);
    QFETCH(bool, nothingPaid);
    QFETCH(bool, useDing);
    QFETCH(int, errors);
    QFETCH(WrongSound, sound);

    Scores scores;
    scores.errorCount = 4;
    scores.pointCount = 1;
    const bool quiet = isQuietControlTile(task, tile, nothingPaid);
    QCOMPARE(recordWrongAnswer(scores, task, quiet, useDing), sound);
    QCOMPARE(scores.errorCount, 4 + errors);
    QCOMPARE(scores.pointCount, 1);
}

void TestScoring::subtaskStep_data()
{
    QTest::addColumn<bool>("autoNext");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");

    QTest::newRow("off keeps the subtask") << false << 3 << 3 << 3;
    QTest::newRow("next") << true << 1 << 3 << 2;
    QTest::newRow("last of three wraps") << true << 3 << 3 << 1;
    QTest::newRow("last of four wraps") << true << 4 << 4 << 1;
    QTest::newRow("single subtask") << true << 1 << 1 << 1;
}

void TestScoring::subtaskStep()
{
    QFETCH(bool, autoNext);
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(int, expected);
    QCOMPARE(subtaskAfterSolved(autoNext, current, count), expected);
}

void TestScoring::pickDrawsOnlyTickedItems()
{
    const std::vector<SoundItem> list = items({false, true, false, true, true});
    std::map<int, int> counts;
    for (std::uint64_t seed = 0; seed < 3000; ++seed) {
        Random r(seed);
        const int i = pickTicked(list, r);
        QVERIFY2(i >= 0 && i < 5 && list[static_cast<std::size_t>(i)].ticked,
                 qPrintable(QStringLiteral("seed %1 picked %2").arg(seed).arg(i)));
        ++counts[i];
    }
    QCOMPARE(counts.size(), std::size_t(3));
    for (const auto &[i, n] : counts)
        QVERIFY2(n > 850 && n < 1150, qPrintable(QStringLiteral("item %1: %2").arg(i).arg(n)));

    // With every item ticked the pick is the first draw of 0..count-1, so a
    // seed gives the same sound whatever else the list holds.
    const std::vector<SoundItem> all = items({true, true, true, true, true, true, true});
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        Random a(seed), b(seed);
        QCOMPARE(pickTicked(all, a), b.range(0, 6));
        QCOMPARE(a.next(), b.next());
    }
}

void TestScoring::pickWithNothingTickedIsSilent()
{
    for (const QList<bool> &ticks : {QList<bool>{}, QList<bool>{false}, QList<bool>{false, false, false}}) {
        Random a(99), b(99);
        QCOMPARE(pickTicked(items(ticks), a), -1);
        QCOMPARE(a.next(), b.next());   // no number is used up
    }
}

void TestScoring::verdictFiles()
{
    TestPlatform tp;
    tp.writeWav(QStringLiteral("zvuky/spravne/bravo.wav"));
    tp.writeWav(QStringLiteral("zvuky/spatne/ne.wav"));
    Store s;
    s.settings.fillSoundLists(tp.files);
    Random r(1);

    QCOMPARE(verdictSoundFile(true, s.settings, r), QStringLiteral("zvuky\\spravne\\bravo.wav"));
    QCOMPARE(verdictSoundFile(false, s.settings, r), QStringLiteral("zvuky\\spatne\\ne.wav"));

    s.settings.setUsePraise(false);
    QVERIFY(verdictSoundFile(true, s.settings, r).isEmpty());
    QCOMPARE(verdictSoundFile(false, s.settings, r), QStringLiteral("zvuky\\spatne\\ne.wav"));

    s.settings.setUsePraise(true);
    s.settings.setPraiseTicked(0, false);
    s.settings.setReprimandTicked(0, false);
    QVERIFY(verdictSoundFile(true, s.settings, r).isEmpty());
    QVERIFY(verdictSoundFile(false, s.settings, r).isEmpty());

    // Empty sound folders.
    Store empty;
    QVERIFY(verdictSoundFile(true, empty.settings, r).isEmpty());
    QVERIFY(verdictSoundFile(false, empty.settings, r).isEmpty());
}

void TestScoring::traceLines()
{
    TraceRecorder trace;
    Scores scores;
    scores.cardsEarned = 2;
    scores.pointCount = 1;
    scores.errorCount = 3;
    traceSolved(305, scores);
    traceCard(CardOutcome::CardWon, scores);
    traceCard(CardOutcome::CardLost, scores);
    traceCard(CardOutcome::None, scores);
    traceCard(CardOutcome::RewardMode, scores);
    QCOMPARE(trace.lines(), (QStringList{"solved task=305 points=1 errors=3 cards=2",
                                         "card won cards=2", "card lost cards=2"}));
}

QTEST_GUILESS_MAIN(TestScoring)
#include "test_scoring.moc"
