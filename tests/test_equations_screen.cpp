// The counter (301) and the number riddle (405) on the exercise screen: the
// counter's steps redraw the pattern row and are never errors; the riddle is
// told from the sound-start timer before its cards appear, and an answer
// turns the other cards face down.
#include "engine/generator.h"
#include "exercises/addortake.h"
#include "exercises/chains.h"
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include <QTest>

using namespace flumo;
using namespace flumo::test;

class TestEquationsScreen : public QObject {
    Q_OBJECT
private slots:
    void counterStepsAreNoErrors()
    {
        AnswerFixture f(&generatorFor);
        f.build(301, 3, 3);
        f.build(301, 3, 3);   // a new exercise starts at subtask 1
        auto *gen = dynamic_cast<AddOrTakeGenerator *>(f.screen->generator());
        QVERIFY(gen);
        QCOMPARE(f.screen->signPictureName(), QString("obr\\201\\nerovna.Jpg"));
        int steps = 0;
        while (f.problem().targetTile != 3 && steps++ < 12)
            f.click(f.problem().targetTile);
        QCOMPARE(gen->count(), gen->target());
        QCOMPARE(f.screen->signPictureName(), QString("obr\\201\\cervene\\rovnase.Jpg"));
        QCOMPARE(f.screen->answerPictureName(),
                 QString("obr\\201\\cervene\\cisl%1d.jpg").arg(gen->count(), 3, 10, QChar('0')));
        QCOMPARE(f.scores.errorCount, 0);
        QCOMPARE(f.played("spatne"), 0);
        f.click(3);
        QCOMPARE(f.scores.pointCount, 1);
    }

    void riddleIsToldBeforeTheCardsAppear()
    {
        AnswerFixture f(&generatorFor);
        for (int v = 1; v <= 10; ++v)
            for (const char *tail : {"_11", "_10", "_21", "_20", "_31"})
                f.tp.writeWav(QString("zvuky/405/zv%1%2.wav").arg(v, 2, 10, QChar('0')).arg(tail), 20);
        for (int r = 1; r <= 2; ++r)
            f.tp.writeWav(QString("zvuky/405/uv405_1-%1.wav").arg(r), 20);
        f.build(405, 1, 2);
        f.build(405, 1, 2);   // a new exercise starts at subtask 1
        for (int i = 1; i <= 6; ++i)
            QVERIFY(!f.screen->tile(i)->isVisibleTo(f.screen.get()));
        QTRY_COMPARE(f.played("_31.wav"), 1);
        QCOMPARE(f.played("405/"), 4);   // the opening, two steps, the result
        for (int i = 1; i <= 6; ++i)
            QVERIFY(f.screen->tile(i)->isVisibleTo(f.screen.get()));
        const int wrong = f.problem().targetTile == 1 ? 2 : 1;
        f.click(wrong);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(f.screen->tilePictureName(i) == "obr\\405\\Karta-otocena.Jpg", i != wrong);
    }

    void riddleWithoutItsSoundsStillShowsTheCards()
    {
        AnswerFixture f(&generatorFor);
        f.build(405);
        QTRY_VERIFY(f.screen->tile(6)->isVisibleTo(f.screen.get()));
    }
};

QTEST_MAIN(TestEquationsScreen)
#include "test_equations_screen.moc"
