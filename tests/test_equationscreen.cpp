// 307 and 308 on the exercise screen, answered with the keyboard alone by
// following the traced target: every problem is solved, the found
// expressions line up in the display boxes, 308's solved picture sits in
// the middle of the upper panel.
#include "engine/generator.h"
#include "media/numbertext.h"
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/contextfixture.h"
#include "support/screenenv.h"
#include <QRegularExpression>
#include <QtTest>

using namespace flumo;
using S = ExerciseScreen;

namespace {

QString pad(int v) { return NumberToText(v, 2); }

// Picture stand-ins of the sizes the media pack gives them.
void writePictures(test::TestPlatform &tp)
{
    tp.writeJpeg("obr-pom/prazdny.jpg", 216, 160);
    for (int b = 0; b <= 10; ++b)
        for (int c = 0; c <= 10; ++c) {
            if (b + c <= 10)
                tp.writeJpeg("obr/soucty/sou" + pad(b) + "_" + pad(c) + "d.jpg", 200, 160);
            if (c <= b) {
                tp.writeJpeg("obr/rozdil/roz" + pad(b) + "_" + pad(c) + "d.jpg", 200, 160);
                tp.writeJpeg("obr/304/rov" + pad(b) + "_" + pad(c) + "_" + pad(b - c) + "d.jpg", 216, 160);
                tp.writeJpeg("obr/rovnice2/rov" + pad(b - c) + "_" + pad(b) + "_" + pad(c) + "d.jpg", 216, 160);
            }
        }
    for (int n = 1; n <= 38; ++n) {
        tp.writeJpeg("obr/308/ner" + pad(n) + "d.jpg", 216, 160);
        tp.writeJpeg("obr/nerovnice2/ner" + pad(n) + "d.jpg", 216, 160);
    }
}

// The target as the trace tells it: the problem line, then every change.
int tracedTarget(const test::TraceRecorder &rec)
{
    int target = 0;
    static const QRegularExpression problem(QStringLiteral("^problem .* target=(\\d+)")),
        change(QStringLiteral("^target tile=(\\d+)"));
    for (const QString &l : rec.lines()) {
        if (auto m = problem.match(l); m.hasMatch())
            target = m.captured(1).toInt();
        else if (auto c = change.match(l); c.hasMatch())
            target = c.captured(1).toInt();
    }
    return target;
}

// Space walks the cursor to the tile, Enter answers.
void answer(test::AnswerFixture &f, int tile)
{
    for (int guard = 0; f.problem().selectedTile != tile && guard < 10; ++guard)
        f.screen->FormKeyUp(S::KeySpace);
    f.screen->FormKeyUp(S::KeyEnter);
}

} // namespace

class TestEquationScreen : public QObject {
    Q_OBJECT
private slots:
    void keyboardFollowsTheTrace()
    {
        test::AnswerFixture f(&generatorFor);
        writePictures(f.tp);
        for (int task : {307, 308})
            for (int subtask = 1; subtask <= 2; ++subtask) {
                f.build(task, 3, subtask);
                for (int problem = 0; problem < 8; ++problem) {
                    test::TraceRecorder rec;
                    f.screen->ZamichUkl1Click();
                    const int needed = f.problem().answersNeeded;
                    const int errors = f.scores.errorCount, points = f.scores.pointCount;
                    for (int k = 1; k <= needed; ++k) {
                        answer(f, tracedTarget(rec));
                        QCOMPARE(f.scores.errorCount, errors);
                        if (task == 307) {
                            const PaintBox *box = f.screen->displayBox(k);
                            QVERIFY(box->isVisibleTo(f.screen->patternPanel()));
                            QCOMPARE(box->x(), 10 + (k - 1) * 210);
                        }
                    }
                    QCOMPARE(f.scores.pointCount, points + 1);
                    if (task == 308) {
                        const PaintBox *answerBox = test::named<PaintBox>(f.screen.get(), "PBvyb1");
                        QCOMPARE(answerBox->x(), (744 - 216) / 2);
                        QVERIFY(answerBox->isVisibleTo(f.screen->patternPanel()));
                    }
                    if (f.screen->timer1()->isActive())
                        f.screen->Timer1Timer();
                }
            }
    }
};

FLUMO_SCREEN_TEST_MAIN(TestEquationScreen, 1024, 768, 120)
#include "test_equationscreen.moc"
