// The card collection screen: its texts, the places of sets of four and
// nine, what a viewing and a reward showing do to the score, the reward games
// and the choice of the picture set.
#include "engine/settings.h"
#include "screens/cardscreen.h"
#include "screens/paintbox.h"
#include "support/contextfixture.h"
#include "support/screenenv.h"
#include "support/testplatform.h"
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QScreen>
#include <QTimer>

using namespace flumo;

namespace {

struct Fixture : test::ContextFixture {
    CardScreen cards{ctx, DisplayMetrics{120, 32}};

    // Sets of four or nine with `earned` cards and some progress towards the next.
    void score(int perSet, int earned)
    {
        settings.setCardCountIndex(perSet == 4 ? 0 : 1);
        scores.cardsEarned = earned;
        scores.pointCount = 1;
        scores.errorCount = 2;
    }

    // Shows the screen in `mode`, runs `inspect` once it is up, then closes it
    // unless inspect did; a guard closes it if anything hangs.
    int show(int mode, const std::function<void()> &inspect)
    {
        QObject guard;
        QTimer::singleShot(0, &guard, [&] {
            inspect();
            if (cards.isVisible())
                cards.close();
        });
        QTimer::singleShot(3000, &guard, [&] {
            cards.close();
            QFAIL("card screen still open");
        });
        return cards.showModal(mode);
    }

    QStringList visibleBoxes() const
    {
        QStringList names;
        for (int n = 1; n <= CardScreen::kGridBoxes; ++n)
            if (cards.cardBox(n)->isVisible())
                names << cards.cardBox(n)->objectName();
        return names;
    }
    // Points and errors towards the next card were cleared.
    bool attemptCleared() const { return scores.pointCount == 0 && scores.errorCount == 0; }
};

// The colour the window shows now at the box's top-left corner (what was
// last painted, not a fresh rendering).
QRgb shownColour(PaintBox *box)
{
    QTest::qWait(20);
    const QPoint at = box->mapTo(box->window(), QPoint(3, 3));
    return box->window()->screen()->grabWindow(box->window()->winId(), at.x(), at.y(), 1, 1).toImage().pixel(0, 0);
}

} // namespace

class CardScreenTest : public QObject {
    Q_OBJECT
private slots:
    void viewingShowsTheCollectionAndStartsANewAttempt()
    {
        Fixture fx;
        test::TraceRecorder trace;
        // No card yet, sets of nine: nothing in the grid, inactive games.
        fx.score(9, 0);
        fx.show(CardScreen::kViewMode, [&] {
            QCOMPARE(fx.cards.messageLabel()->text(), "Zatím nemáš žádnou kartičku, chybí ti ještě 9.");
            QVERIFY(fx.visibleBoxes().isEmpty());
            QCOMPARE(fx.cards.gameButtonPictureName(2), "obr\\karticky\\tlacitko2s.Jpg");
            QTest::mouseClick(fx.cards.gameButton(1), Qt::LeftButton);
            QVERIFY(fx.cards.isVisible());
            QCOMPARE(fx.cards.showModal(), -1);   // already showing
            QTest::mouseClick(&fx.cards, Qt::LeftButton, {}, QPoint(300, 60));
            QTest::keyRelease(&fx.cards, Qt::Key_Space);
            QVERIFY(fx.cards.isVisible());
            QTest::mouseClick(fx.cards.closeButton(), Qt::LeftButton);
            QVERIFY(!fx.cards.isVisible());
        });
        QCOMPARE(fx.tp.dialogs.calls().size(), size_t(0));
        QVERIFY(fx.attemptCleared());

        // One card of four: the empty places around the 2 x 2 block show.
        fx.score(4, 1);
        fx.show(CardScreen::kViewMode, [&] {
            QCOMPARE(fx.cards.messageLabel()->text(), "Zatím máš 1 kartičku, chybí ti ještě 3.");
            QCOMPARE(fx.visibleBoxes(), (QStringList{"PK1", "PK3", "PK6", "PK7", "PK8", "PK9"}));
            QVERIFY(!fx.cards.gameButton(1)->isEnabled());
            QTest::keyRelease(&fx.cards, Qt::Key_Return);   // pressed elsewhere
            QVERIFY(fx.cards.isVisible());
            int helps = 0;
            fx.cards.setHelpAction([&] { ++helps; });
            QTest::keyClick(&fx.cards, Qt::Key_F1);
            QCOMPARE(helps, 1);
            QTest::keyClick(&fx.cards, Qt::Key_Return);
            QVERIFY(!fx.cards.isVisible());
        });
        QVERIFY(fx.scores.cardsEarned == 1 && fx.attemptCleared());
        QCOMPARE(fx.cards.tag(), CardScreen::kRewardMode);

        fx.score(4, 3);
        fx.show(CardScreen::kViewMode, [&] {
            QCOMPARE(fx.visibleBoxes(), (QStringList{"PK1", "PK2", "PK3", "PK4", "PK6", "PK7", "PK8", "PK9"}));
        });
        QCOMPARE(trace.lines("cards"),
                 (QStringList{"cards mode=view won=0 of=9", "cards mode=view won=1 of=4", "cards mode=view won=3 of=4"}));
        QCOMPARE(trace.lines("screen").size(), 6);
        QCOMPARE(cardViewMessage(5, 9), "Zatím máš 5 kartiček, chybí ti ještě 4.");
    }

    void rewardCompletesTheSetAndOffersTheGames()
    {
        Fixture fx;
        test::TraceRecorder trace;
        std::vector<int> started;
        bool hiddenAtStart = false;
        int earnedAtStart = -1;
        fx.cards.setGameHooks([](int) { return true; }, [&](int task) {
            started.push_back(task);
            hiddenAtStart = !fx.cards.isVisible();
            earnedAtStart = fx.scores.cardsEarned;
        });

        fx.score(4, 3);
        const int result = fx.show(CardScreen::kRewardMode, [&] {
            QCOMPARE(fx.scores.cardsEarned, 4);
            QCOMPARE(fx.cards.messageLabel()->text(), "Výborně, získals další kartičku.\n\nUž máš všechny kartičky.");
            QCOMPARE(fx.visibleBoxes().size(), 9);
            QCOMPARE(fx.cards.gameButtonPictureName(1), "obr\\karticky\\tlacitko1.Jpg");
            QCOMPARE(fx.cards.gameButtonPictureName(2), "obr\\karticky\\tlacitko2.Jpg");
            QVERIFY(fx.cards.gameButton(2)->isEnabled());
            QTest::mouseClick(fx.cards.gameButton(2), Qt::LeftButton);
        });
        QCOMPARE(result, 502);
        QCOMPARE(started, std::vector<int>{502});
        QVERIFY(hiddenAtStart && fx.attemptCleared());
        QCOMPARE(earnedAtStart, 0);
        QVERIFY(!fx.cards.gameButton(1)->isEnabled() && !fx.cards.gameButton(2)->isEnabled());
        QCOMPARE(fx.cards.gameButtonPictureName(1), "obr\\karticky\\tlacitko1s.Jpg");
        QVERIFY(trace.lines("card").contains("card won cards=4"));
        QVERIFY(trace.lines("cards").contains("cards mode=reward won=4 of=4"));

        // A game the exercise screen cannot build: the button beeps, the screen
        // stays; closed without a game, nothing starts and the set empties.
        fx.cards.setGameHooks([](int task) { return task == 501; }, [&](int task) { started.push_back(task); });
        fx.score(9, 8);
        QCOMPARE(fx.show(CardScreen::kRewardMode, [&] {
            QCOMPARE(fx.visibleBoxes().size(), 9);
            QTest::mouseClick(fx.cards.gameButton(2), Qt::LeftButton);
            QVERIFY(fx.cards.isVisible());
            QCOMPARE(fx.tp.dialogs.count(ScriptedDialogs::Call::Beep), 1);
            QCOMPARE(fx.tp.dialogs.calls().back().beep, BeepKind::Default);
            QTest::keyRelease(&fx.cards, Qt::Key_Escape);
        }), 0);
        QCOMPARE(fx.scores.cardsEarned, 0);
        QCOMPARE(started.size(), size_t(1));
    }

    void choosingASetRedrawsTheWonCards()
    {
        Fixture fx;
        for (const char *card : {"01", "03"}) {
            fx.tp.writeJpeg(QStringLiteral("obr/karticky/01/karta%1_1.Jpg").arg(card), 130, 130, Qt::red);
            fx.tp.writeJpeg(QStringLiteral("obr/karticky/05/karta%1_1.Jpg").arg(card), 130, 130, Qt::blue);
        }
        fx.score(9, 3);
        fx.scores.cardSet = 1;
        fx.show(CardScreen::kViewMode, [&] {
            QVERIFY(test::nearColour(shownColour(fx.cards.cardBox(3)), qRgb(255, 0, 0)));
            QCOMPARE(fx.cards.previewBox(5)->tag(), 5);
            QTest::mouseClick(fx.cards.previewBox(5), Qt::LeftButton);
            QCOMPARE(fx.scores.cardSet, 5);
            QVERIFY(test::nearColour(shownColour(fx.cards.cardBox(1)), qRgb(0, 0, 255)));
            QVERIFY(test::nearColour(shownColour(fx.cards.cardBox(3)), qRgb(0, 0, 255)));
            QCOMPARE(fx.visibleBoxes(), (QStringList{"PK1", "PK2", "PK3"}));
            QCOMPARE(fx.cards.messageLabel()->text(), "Zatím máš 3 kartičky, chybí ti ještě 6.");
        });
        QCOMPARE(fx.scores.cardsEarned, 3);
    }
};

FLUMO_SCREEN_TEST_MAIN(CardScreenTest, 1024, 768, 120)
#include "test_cardscreen.moc"
