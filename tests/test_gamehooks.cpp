// The exercise screen hands a game what is the game's: its cursor steps, its
// keys, the painting of its boxes, clicks on them, its timer, and the
// context its answer rule needs; everything else stays with the common frame.
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/screenenv.h"
#include <QApplication>
#include <QTest>

using namespace flumo;
using S = ExerciseScreen;

namespace {

struct HookGame : Generator, AnswerRule {
    static inline int ticks = 0, keys = 0, clicks = 0;
    static inline bool silent = false;
    void build(ProblemContext &ctx) override
    {
        Problem &p = ctx.problem;
        for (int i = 1; i <= p.tileCount; ++i)
            p.tileValue[static_cast<std::size_t>(i)] = i;
        p.answersNeeded = 5;
        ctx.host.layOutTiles();
        p.selectedTile = 1;
        for (int i = 1; i <= p.tileCount; ++i)
            ctx.host.showTile(i);
        ctx.host.placeBox(GameBox::Back, 1, QRect(10, 10, 40, 30));
        ctx.host.drawBox(GameBox::Back, 1);
        ctx.host.setGameTimer(5);
    }
    int cursorStep(const Problem &, int key, int) const override
    {
        return key == GameKey::Space ? 3 : key == GameKey::Left ? 0 : -1;
    }
    bool takeKey(ProblemContext &, int &key, InputFrom from, int) override
    {
        if (key != GameKey::Enter || from != InputFrom::Keyboard)
            return false;
        ++keys;
        return true;
    }
    bool click(ProblemContext &, GameBox box, int n, QPoint) override
    {
        clicks += box == GameBox::Back && n == 1;
        return true;
    }
    bool paintBox(const Problem &, GameBox box, int n, QChar, QSize, ProblemHost &,
                  std::vector<PictureDraw> &out) const override
    {
        if (box != GameBox::Back || n != 1)
            return false;
        out.push_back({QStringLiteral("obr\\game.jpg"), {0, 0}});
        return true;
    }
    void tick(ProblemContext &) override { ++ticks; }
    bool judgeStep(ProblemContext &ctx, int selected) override
    {
        ctx.host.hideBox(GameBox::Back, 1);
        return selected == 2;
    }
    bool quietWrong(const Problem &, int) const override { return silent; }
};

std::unique_ptr<Generator> makeHookGame() { return std::make_unique<HookGame>(); }
GeneratorFactory lookup(int task)
{
    return task == 407 ? &makeHookGame : test::standInLookup(task);
}

} // namespace

class GameHooksTest : public QObject {
    Q_OBJECT
private slots:
    void init() { HookGame::ticks = HookGame::keys = HookGame::clicks = 0, HookGame::silent = false; }

    void cursorAndKeysGoToTheGameFirst()
    {
        test::AnswerFixture f(&lookup);
        f.build(407);
        f.screen->FormKeyUp(S::KeySpace);
        QCOMPARE(f.problem().selectedTile, 3);
        f.screen->FormKeyUp(S::KeyLeft);
        QCOMPARE(f.problem().selectedTile, 3);
        f.screen->FormKeyUp(S::KeyRight);   // the common grid rule
        QCOMPARE(f.problem().selectedTile, 4);
        f.screen->FormKeyUp(S::KeyEnter);
        QCOMPARE(HookGame::keys, 1);
        QCOMPARE(f.problem().answersGiven, 0);
        // A tile click is not the game's key here: the common frame judges it.
        f.click(2);
        QCOMPARE(HookGame::keys, 1);
        QCOMPARE(f.problem().answersGiven, 1);
    }

    void theGamePaintsAndHearsItsBoxes()
    {
        test::AnswerFixture f(&lookup);
        f.tp.writeJpeg(QStringLiteral("obr/game.jpg"), 40, 30, Qt::blue);
        f.screen->show();
        f.build(407);
        PaintBox *back = f.screen->backBox(1);
        QVERIFY(back->isVisible());
        QCOMPARE(back->geometry(), QRect(10, 10, 40, 30));
        QVERIFY(test::nearColour(back->grab().toImage().pixel(20, 15), qRgb(0, 0, 255), 40));
        QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(HookGame::clicks, 1);
        // The answer rule reaches the host through its context.
        f.click(3);
        QVERIFY(back->isHidden());
    }

    void theTimerTicksWhileTheGameIsOn()
    {
        test::AnswerFixture f(&lookup);
        f.build(407);
        QTRY_VERIFY(HookGame::ticks >= 2);
        f.build(101);   // another exercise: the game's timer stops
        const int ticks = HookGame::ticks;
        QTest::qWait(40);
        QCOMPARE(HookGame::ticks, ticks);
    }

    void aQuietWrongAnswerIsNotReprimanded()
    {
        test::AnswerFixture f(&lookup);
        f.settings.setUseDing(false);
        f.build(407);
        HookGame::silent = true;
        f.click(3);
        QCOMPARE(f.played("spatne"), 0);
        HookGame::silent = false;
        f.click(3);
        QCOMPARE(f.played("spatne"), 1);
    }
};

FLUMO_SCREEN_TEST_MAIN(GameHooksTest, 1024, 768, 120)
#include "test_gamehooks.moc"
