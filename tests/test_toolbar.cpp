// The toolbar strip of the exercise screen: arrows at their limits, the
// popup menus (where they open, what a choice does), the settings round
// trip and the way back from a reward game.
#include "engine/catalog.h"
#include "engine/settings.h"
#include "media/pictureloader.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include "support/contextfixture.h"
#include "support/screenenv.h"
#include "support/testplatform.h"
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace flumo;

namespace {

int builds = 0;

struct Counting : Generator {
    void build(ProblemContext &) override { ++builds; }
};

// Every exercise but 109 can be built.
GeneratorFactory lookup(int task)
{
    return findExercise(task) && task != 109 ? +[]() -> std::unique_ptr<Generator> { return std::make_unique<Counting>(); }
                                             : nullptr;
}

struct Fixture : test::ContextFixture {
    std::unique_ptr<ExerciseScreen> screen;
    ExerciseScreen::ScreenLinks links;
    std::vector<int> rows;

    Fixture()
    {
        settings.setAutoAdvance(false);
        settings.setToolbarOnTop(true);
        screen = std::make_unique<ExerciseScreen>(ctx, DisplayMetrics{120, 32});
        screen->setGeneratorLookup(&lookup);
        links.selectRow = [this](int row) { rows.push_back(row); };
        screen->setScreenLinks(links);
        screen->show();
    }
    void start(int task, int level = 1)
    {
        state.currentTask = task;
        state.currentGroup = task / 100;
        state.currentLevel = level;
        screen->BuildExerciseMenu();
        screen->ZamichUkl1Click();
    }
    PaintBox *box(const char *name) const { return screen->toolbar()->findChild<PaintBox *>(QLatin1String(name)); }
    // Presses and releases an arrow; whether it looked pressed while held.
    bool press(const char *name)
    {
        QTest::mousePress(box(name), Qt::LeftButton);
        const bool pressed = screen->toolbarPictureName(*box(name)).endsWith(QLatin1String("k.Jpg"));
        QTest::mouseRelease(box(name), Qt::LeftButton);
        return pressed;
    }
};

} // namespace

class ToolbarTest : public QObject {
    Q_OBJECT
private slots:
    void arrowsStepAndStopAtTheirLimits()
    {
        Fixture f;
        f.start(101);   // first of its group, one level, subtask 1
        const int before = builds;
        for (const char *arrow : {"PBsip1", "PBsip3", "PBsip5", "PBsip6"})
            QVERIFY2(!f.press(arrow), arrow);
        QCOMPARE(builds, before);
        QCOMPARE(f.tp.clock.totalSlept(), 0);

        f.state.currentSubtask = 3;
        QVERIFY(f.press("PBsip2"));
        QVERIFY(f.state.currentTask == 102 && f.state.currentSubtask == 1);
        QCOMPARE(f.rows, std::vector<int>{2});
        QCOMPARE(f.tp.clock.totalSlept(), 100);
        QCOMPARE(f.screen->toolbarPictureName(*f.box("PBsip2")), QStringLiteral("obr\\tlacitka\\sipka2n.Jpg"));

        QVERIFY(!f.press("PBsip4"));   // 102 has one subtask and levels 1..3
        for (int i = 0; i < 3; ++i)
            f.screen->stepLevel(+1);
        QCOMPARE(f.state.currentLevel, 3);
        QVERIFY(!f.press("PBsip6"));
        QVERIFY(f.press("PBsip5"));
        QCOMPARE(f.state.currentLevel, 2);

        f.start(112);   // last of its group
        QVERIFY(!f.press("PBsip2"));
        f.start(108);   // next one has no generator
        QVERIFY(!f.press("PBsip2"));
        QCOMPARE(f.state.currentTask, 108);
    }

    void menusOpenAtTheirLabelsAndChoose()
    {
        Fixture f;
        f.tp.write(QStringLiteral("Urov1.INI"), "[Ukol305]\r\nPocet=5\r\nUrov1=do 3\r\nUrov2=do 5\r\n");
        f.tp.write(QStringLiteral("PodUkl1.INI"), "[Ukol305]\r\nPocet=4\r\n");
        f.start(108);
        const QList<QAction *> ex = f.screen->exerciseMenu()->actions();
        QVERIFY(ex.at(7)->isChecked() && !ex.at(8)->isEnabled());
        f.start(305, 2);
        QCOMPARE(ex.at(0)->text(), exerciseCaption(301));
        QVERIFY(!ex.at(7)->isChecked() && ex.at(4)->isChecked());
        QCOMPARE(f.screen->groupExerciseCount(), 11);
        QVERIFY(ex.at(10)->isVisible() && !ex.at(11)->isVisible());

        const QPoint origin = f.screen->mapToGlobal(QPoint(0, 0));
        const auto opensAt = [&](const char *label, QMenu *menu, QPoint at) {
            QTest::mouseClick(f.box(label), Qt::LeftButton);
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(menu->pos(), origin + at);
            menu->hide();
        };
        opensAt("PBuk1", f.screen->exerciseMenu(), {20 + 100 - 14, 12});
        opensAt("PBvar1", f.screen->subtaskMenu(), {20 + 324 + 2, 12});
        opensAt("PBurov1", f.screen->levelMenu(), {20 + 522 + 2, 12});
        const QList<QAction *> levels = f.screen->levelMenu()->actions();
        QCOMPARE(levels.at(2)->text(), QStringLiteral("xyz"));   // key missing from the file
        QVERIFY(levels.at(4)->isVisible() && !levels.at(5)->isVisible());
        QVERIFY(levels.at(1)->isChecked() && !levels.at(0)->isChecked());
        f.settings.setToolbarOnTop(false);
        f.screen->ZmenaPozTlacitek();
        opensAt("PBurov1", f.screen->levelMenu(), {20 + 522 + 2, 198 + 2});

        test::TraceRecorder trace;
        f.screen->subtaskMenu()->actions().at(2)->trigger();
        levels.at(3)->trigger();
        ex.at(5)->trigger();
        QVERIFY(f.state.currentTask == 306 && f.state.currentSubtask == 1 && f.state.currentLevel == 4);
        QCOMPARE(trace.lines("menu"),
                 (QStringList{"menu kind=subtask choice=3", "menu kind=level choice=4", "menu kind=exercise choice=6"}));

        // A level choice in 201 forgets the prompt; elsewhere it stays.
        for (int task : {201, 202}) {
            f.start(task);
            f.screen->soundPlayer().setLastSoundName("Zvuky\\201\\uv201_1-1.wav");
            f.screen->N1uroven1Click(2);
            QCOMPARE(f.screen->soundPlayer().lastSoundName().isEmpty(), task == 201);
        }
    }

    void settingsRoundTrip()
    {
        Fixture f;
        std::function<void()> userChanges;
        f.links.showSettings = [&] {
            ExerciseScreen::SettingsTags tags{f.settings.toolbarOnTop(), f.settings.countWithZero()};
            f.tp.pointer.setPos(QPoint(5, 5));
            userChanges();
            return tags;
        };
        f.screen->setScreenLinks(f.links);
        f.tp.pointer.setPos(QPoint(300, 200));

        userChanges = [&] { f.settings.setToolbarOnTop(false); };
        f.start(305);
        int before = builds;
        f.screen->PBtl1Click(3);
        QCOMPARE(f.screen->toolbar()->y(), 198);
        QVERIFY(f.tp.pointer.pos() == QPoint(300, 200) && builds == before);
        f.settings.setToolbarOnTop(true);
        f.start(402);
        f.screen->PBtl1Click(3);
        QCOMPARE(f.screen->toolbar()->y(), 10);   // games keep the strip on top

        userChanges = [&] { f.settings.setAutoAdvance(true); f.settings.setUseCards(true); };
        f.start(305);
        before = builds;
        QVERIFY(!f.screen->timer2()->isActive());
        f.screen->PBtl1Click(3);
        QVERIFY(f.screen->timer2()->isActive() && !f.box("PBtl2")->hint().isEmpty() && builds == before);
        userChanges = [&] { f.settings.setNoZero(!f.settings.noZero()); };
        f.screen->PBtl1Click(3);
        QCOMPARE(builds, before + 1);
    }

    void cardsAndTheWayBackFromARewardGame()
    {
        Fixture f;
        int cards = 0, intro = 0;
        f.links.showCards = [&] { ++cards; f.tp.pointer.setPos(QPoint(1, 1)); };
        f.links.showIntro = [&] { ++intro; };
        f.screen->setScreenLinks(f.links);
        f.tp.pointer.setPos(QPoint(40, 50));
        f.settings.setUseCards(false);
        f.screen->PBtl1Click(2);
        QCOMPARE(cards, 0);
        f.settings.setUseCards(true);
        f.screen->PBtl1Click(2);
        QVERIFY(cards == 1 && f.tp.pointer.pos() == QPoint(40, 50));

        f.start(306, 5);
        f.state.currentTask = 502;
        f.screen->ZamichUkl1Click();
        QCOMPARE(f.state.currentLevel, 1);
        f.screen->timer2()->setEnabled(true);
        f.rows.clear();
        f.screen->PBtl1Click(1);
        QVERIFY(f.state.currentTask == 306 && f.state.currentLevel == 5);
        QCOMPARE(f.rows, std::vector<int>{6});
        QVERIFY(intro == 1 && !f.screen->timer2()->isActive());
    }
};

FLUMO_SCREEN_TEST_MAIN(ToolbarTest, 1280, 1024, 120)
#include "test_toolbar.moc"
