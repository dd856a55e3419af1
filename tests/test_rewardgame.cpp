// The card that completes a set opens the reward showing; a game button
// there builds the reward game once: the end of the problem that won the
// card must not build it a second time under the child's eyes.
#include "support/answerenv.h"
#include "support/screenenv.h"
#include <QTest>

using namespace flumo;

class RewardGameTest : public QObject {
    Q_OBJECT
private slots:
    void theGameButtonBuildsTheRewardGameOnce()
    {
        for (const bool chooseGame : {true, false}) {
            test::AnswerFixture f;
            f.settings.setPointsPerCard(1);
            f.scores.cardsEarned = f.scores.cardsPerSet - 1;
            f.screen->setRewardModeHandler([&] {
                if (chooseGame) {
                    f.state.currentTask = 501;
                    f.screen->ZamichUkl1Click();
                }
            });
            f.build(102);
            test::TraceRecorder rec;
            f.click(2);
            QCOMPARE(f.state.currentTask, chooseGame ? 501 : 102);
            // Closed without a game, the exercise goes on with a new problem.
            QCOMPARE(rec.lines("problem").size(), 1);
            QVERIFY(rec.lines("problem").first().contains(chooseGame ? "task=501" : "task=102"));
        }
    }
};

FLUMO_SCREEN_TEST_MAIN(RewardGameTest, 1280, 1024, 120)

#include "test_rewardgame.moc"
