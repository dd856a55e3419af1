// On the exercise screen: the shape, odd-picture and some choice exercises
// keep the answer box hidden while the task is on and show the found picture in it,
// centred in the upper panel, once the problem is solved; the multi-step
// shapes instead stand in a row of display boxes.
#include "engine/generator.h"
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/screenenv.h"
#include <QTest>

using namespace flumo;

class FoundPictureTest : public QObject {
    Q_OBJECT
private slots:
    void solvedShapeShowsCentredInTheAnswerBox()
    {
        // The choice exercises that show no pattern row (108, 202 subtasks 3
        // and 4) do the same.
        for (const auto &[task, subtask] : {std::pair{103, 1}, {106, 1}, {110, 1}, {108, 2}, {202, 3}}) {
            test::AnswerFixture f(&generatorFor);
            f.build(task);
            f.state.currentSubtask = subtask;   // a change of exercise starts at subtask 1
            f.screen->ZamichUkl1Click();
            auto *vyb = f.screen->findChild<QWidget *>(QStringLiteral("PBvyb1"));
            QVERIFY(vyb && vyb->isHidden());
            const int target = f.problem().targetTile;
            QString found = f.problem().stem(target) + QStringLiteral("d.Jpg");
            f.tp.writeJpeg(found.replace(u'\\', u'/'), 60, 50);
            // Seen during the praise pause, before the next problem.
            f.screen->tilePointerMoved(target);
            f.screen->tileClicked(target);
            QCOMPARE(f.scores.pointCount, 1);
            QVERIFY(vyb->isVisibleTo(vyb->parentWidget()));
            QCOMPARE(vyb->size(), QSize(60, 50));
            QCOMPARE(vyb->x(), (vyb->parentWidget()->width() - 60) / 2);
        }
    }

    void severalShapesStandInARow()
    {
        test::AnswerFixture f(&generatorFor);
        f.build(107, 1, 2);
        Problem &p = f.problem();
        for (int k = 1; k <= 3; ++k) {
            QString found = p.stem(p.tileValue[std::size_t(k)]) + QStringLiteral("d.jpg");
            f.tp.writeJpeg(found.replace(u'\\', u'/'), 30 + 10 * k, 40);
        }
        // The third pair's shape before its turn is an error.
        f.click(p.tileValue[3]);
        QCOMPARE(f.scores.errorCount, 1);
        int left = 10;
        for (int k = 1; k <= 2; ++k) {
            QCOMPARE(p.targetTile, p.tileValue[std::size_t(k)]);
            f.click(p.targetTile);
            auto *box = f.screen->findChild<QWidget *>(QStringLiteral("PBoxDisp%1").arg(k));
            QVERIFY(box && box->isVisibleTo(box->parentWidget()));
            QCOMPARE(box->geometry().left(), left);
            QCOMPARE(box->width(), 30 + 10 * k);
            left += box->width();
        }
        QCOMPARE(f.scores.pointCount, 0);
        f.click(p.tileValue[3]);
        QCOMPARE(f.scores.pointCount, 1);
    }
};

FLUMO_SCREEN_TEST_MAIN(FoundPictureTest, 1280, 1024, 120)

#include "test_found_picture.moc"
