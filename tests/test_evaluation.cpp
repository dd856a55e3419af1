// Judging answers on the exercise screen: scoring with the card decision,
// the games' exemption, the praise pause (which shuts input out) or the
// silent wait, several steps, and 204's own rule with its display boxes.
#include "exercises/choice.h"
#include "media/animation.h"
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/screenenv.h"
#include <QApplication>
#include <QTest>

using namespace flumo;
using S = ExerciseScreen;

class EvaluationTest : public QObject {
    Q_OBJECT
private slots:
    void cardWonWithHintText()
    {
        test::AnswerFixture f;
        f.build(101);
        test::TraceRecorder rec;
        f.click(2);
        f.click(2);   // PointsPerCard 2, MaxErrors 2
        QCOMPARE(rec.lines("card"), QStringList{"card won cards=1"});
        QCOMPARE(f.played("spravne"), 2);
        QVERIFY(f.screen->cardsButton()->hint().startsWith(QStringLiteral("Počet kartiček:  1 z 9\r")));
        QCOMPARE(f.screen->cardsButton()->toolTip().split(QLatin1Char('\n')).size(), 3);   // a tooltip breaks at \n only
    }

    void cardLostWhenErrorsDecide()
    {
        for (const int maxErrors : {0, 2}) {
            test::AnswerFixture f;
            f.settings.setMaxErrors(maxErrors);
            f.settings.setPointsPerCard(5);
            f.build(101);
            for (int i = 0; i <= maxErrors; ++i)
                f.screen->FormKeyUp(S::KeyEnter);     // tile 1 is wrong
            QCOMPARE(f.scores.errorCount, maxErrors + 1);
            QCOMPARE(f.tp.dialogs.count(ScriptedDialogs::Call::Beep), maxErrors + 1);
            test::TraceRecorder rec;
            f.click(2);                                // the first point decides
            QCOMPARE(rec.lines("card"), QStringList{"card lost cards=0"});
            QCOMPARE(f.scores.pointCount + f.scores.errorCount, 0);
        }
    }

    void lastCardOfTheSetOpensRewardModeThroughOneCall()
    {
        test::AnswerFixture f;
        f.settings.setPointsPerCard(1);
        f.scores.cardsEarned = f.scores.cardsPerSet - 1;
        int shown = 0;
        f.screen->setRewardModeHandler([&] { ++shown; });
        test::TraceRecorder rec;
        f.build(102);
        f.click(2);
        QCOMPARE(shown, 1);
        QVERIFY(rec.lines("card").isEmpty());
    }

    void withoutPraiseASilentWaitThenTheNextSubtask()
    {
        test::AnswerFixture f;
        f.settings.setUsePraise(false);
        f.settings.setAutoNextSubtask(true);
        f.build(101);
        f.state.currentSubtask = 4;   // the last of 101's four
        f.screen->ZamichUkl1Click();
        test::TraceRecorder rec;
        const qint64 before = f.tp.clock.tickCount();
        f.click(2);
        QCOMPARE(f.played("spravne"), 0);
        QVERIFY(!f.screen->praisePanel()->isVisibleTo(f.screen.get()));
        QVERIFY(f.tp.clock.tickCount() - before >= 2300);
        QCOMPARE(rec.lines("problem").size(), 1);
        QCOMPARE(f.state.currentSubtask, 1);
    }

    void stepsUntilSolvedThenPraise()
    {
        test::AnswerFixture f;
        f.settings.setAutoAdvance(true);
        test::StandInGenerator::needed = 2;
        test::StandInGenerator::rule = [](Problem &, int selected) { return selected >= 2; };
        f.build(103);
        f.screen->FormKeyUp(S::KeySpace);
        f.screen->FormKeyUp(S::KeyEnter);
        QCOMPARE(f.problem().answersGiven, 1);
        QVERIFY(f.screen->timer2()->isActive());       // walks on after a step
        test::TraceRecorder rec;
        f.screen->FormKeyUp(S::KeyEnter);
        QCOMPARE(f.state.screenBusy, 1);
        QVERIFY(f.screen->timer1()->isActive() && !f.screen->timer2()->isActive());
        QVERIFY(f.screen->praiseAnimation()->isVisibleTo(f.screen.get()));
        QVERIFY(f.screen->praisePanel()->isVisibleTo(f.screen.get()));
        // The pause shuts answers and commands out.
        f.screen->FormKeyUp(S::KeyEnter);
        f.screen->tileClicked(f.problem().selectedTile);
        f.screen->FormKeyUp(S::KeyF9);
        QCOMPARE(rec.lines("answer").size(), 1);
        QCOMPARE(rec.lines("problem").size(), 0);
        f.screen->Timer1Timer();
        QVERIFY(!f.screen->praisePanel()->isVisibleTo(f.screen.get()));
        QCOMPARE(rec.lines("problem").size(), 1);
    }

    void solvedAnswerWithFillerSurvivesTheCacheGrowing()
    {
        // 202/2 draws its solved answer and then loads the filler beside it;
        // at some cache size that load moves the cache's storage.
        for (int extra = 40; extra <= 140; ++extra) {
            test::AnswerFixture f([](int) -> GeneratorFactory { return &makeChoiceGenerator; });
            f.tp.writeJpeg(QStringLiteral("obr-pom/prazdny_2.jpg"), 200, 80, Qt::white);
            f.tp.writeJpeg(QStringLiteral("obr/prazdny6.jpg"), 100, 80, Qt::blue);
            f.build(202, 1, 1);
            f.state.currentSubtask = 2;
            f.screen->ZamichUkl1Click();
            Problem &p = f.problem();
            f.tp.writeJpeg(QString(p.stem(p.targetTile) + QStringLiteral("d.Jpg")).replace(u'\\', u'/'), 100, 80, Qt::green);
            for (int i = 0; i < extra; ++i)
                f.screen->picture(QStringLiteral("none%1.jpg").arg(i));
            p.selectedTile = p.targetTile;
            f.screen->FormKeyUp(S::KeyEnter);
            const QImage shot = f.screen->findChild<QWidget *>(QStringLiteral("PBvyb1"))->grab().toImage();
            QVERIFY2(test::nearColour(shot.pixel(50, 40), QColor(Qt::green).rgb())
                         && test::nearColour(shot.pixel(150, 40), QColor(Qt::blue).rgb()),
                     qPrintable(QStringLiteral("extra %1").arg(extra)));
        }
    }

    void numbersBeyondThePatternEachCountOnce()
    {
        test::AnswerFixture f([](int task) -> GeneratorFactory { return task == 204 ? &makeChoiceGenerator : nullptr; });
        for (int v = 0; v <= 11; ++v)
            f.tp.writeJpeg(QStringLiteral("obr/201/cisl%1d.jpg").arg(v, 3, 10, QLatin1Char('0')), 60, 80);
        f.build(204, 2, 1);
        f.state.currentSubtask = 3;   // a change of exercise starts at subtask 1
        f.screen->ZamichUkl1Click();
        Problem &p = f.problem();
        const bool more = dynamic_cast<const ChoiceGenerator *>(f.screen->generator())->state().relationMode == RelationMore;
        std::vector<int> right;
        for (int i = 1; i <= p.tileCount; ++i) {
            const int v = p.tileValue[static_cast<std::size_t>(i)];
            if (more ? v > p.problemValue() : v < p.problemValue())
                right.push_back(i);
        }
        QCOMPARE(int(right.size()), p.answersNeeded);
        test::TraceRecorder rec;
        p.selectedTile = right[0];
        f.screen->FormKeyUp(S::KeyEnter);
        QVERIFY(f.screen->displayBox(3)->isVisibleTo(f.screen.get()));
        f.screen->FormKeyUp(S::KeyEnter);              // counted already: now wrong
        QCOMPARE(p.answersGiven, 1);
        p.selectedTile = right[1];
        f.screen->FormKeyUp(S::KeyEnter);
        QCOMPARE(rec.lines("answer").filter("verdict=right").size(), 2);
        QCOMPARE(rec.lines("solved").size(), 1);
    }
};

FLUMO_SCREEN_TEST_MAIN(EvaluationTest, 1280, 1024, 120)

#include "test_evaluation.moc"
