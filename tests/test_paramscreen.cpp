// The settings screen: controls in step with the store, the modal closing
// rules, the OK checks, the untouched settings file, the sound lists and the
// layout at the design resolution and scaled.
#include "screens/paramscreen.h"
#include "support/contextfixture.h"
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace flumo;
using test::named;

namespace {

struct Fixture : test::ContextFixture {
    Fixture()
    {
        tp.writeJpeg(QStringLiteral("obr-pom/bgr_p.jpg"), 457, 530, Qt::darkCyan);
        tp.writeJpeg(QStringLiteral("obr-pom/ok_p.Jpg"), 51, 34, Qt::green);
        tp.writeWav(QStringLiteral("zvuky/spravne/bravo.wav"));
        tp.writeWav(QStringLiteral("zvuky/spravne/super.wav"));
        tp.writeWav(QStringLiteral("zvuky/spatne/ne.wav"));
    }
    std::unique_ptr<ParamScreen> screen(std::function<bool()> locate = [] { return true; })
    {
        return std::make_unique<ParamScreen>(ctx, std::move(locate));
    }
};

// Runs showModal() while step() acts on the open screen. -1 when the screen
// was still open after a while (closed by force so that the test goes on).
int runModal(ParamScreen &s, const std::function<void()> &step)
{
    bool stuck = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &s, [&] { stuck = true; s.close(); });
    guard.start(3000);
    QTimer::singleShot(0, &s, step);
    const int result = s.showModal();
    return stuck ? -1 : result;
}

void clickOk(ParamScreen &s) { QTest::mouseClick(named(&s, "PaintBox1"), Qt::LeftButton, {}, QPoint(10, 10)); }
void escape(ParamScreen &s) { QTest::keyClick(&s, Qt::Key_Escape); }

} // namespace

class TestParamScreen : public QObject {
    Q_OBJECT
private slots:
    void controlsAndStoreStayInStep()
    {
        Fixture f;
        f.tp.write(QStringLiteral("PARAM1.ini"), "[Hodnoceni]\r\nKarticka za=0\r\nPocet karticek=0\r\n"
                                                 "[Obecne]\r\nPosun po=2\r\nBez nuly=0\r\n[Pochvaly]\r\nsuper=0\r\n");
        auto s = f.screen();
        QVERIFY(s->loadSucceeded());
        // The loaded file, clamped by the spin edits; counting with zero shown inverted.
        auto *points = named<QSpinBox>(s.get(), "MinPocBodu1");
        auto *four = named<QRadioButton>(s.get(), "PocetKart1Ctyri");
        QCOMPARE((QList<int>{points->value(), named<QSpinBox>(s.get(), "PosKurzPo1")->value()}), (QList<int>{1, 5}));
        QVERIFY(four->isChecked() && named<QCheckBox>(s.get(), "SNulou1")->isChecked());
        auto *praise = named<QListWidget>(s.get(), "Pochvaly1");
        QCOMPARE(praise->count(), 2);
        QCOMPARE(praise->item(1)->text(), QStringLiteral("super"));
        QCOMPARE(praise->item(1)->checkState(), Qt::Unchecked);

        // Control edits reach the store.
        named<QSpinBox>(s.get(), "MaxPocChyb1")->setValue(25);
        QCOMPARE(f.settings.maxErrors(), 20);
        named<QCheckBox>(s.get(), "SNulou1")->setChecked(false);
        QVERIFY(f.settings.noZero());
        named<QListWidget>(s.get(), "Pokarani1")->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(f.settings.reprimandSounds().at(0).ticked, false);
        f.scores.cardsEarned = 2;
        named<QRadioButton>(s.get(), "PocetKart1Devet")->click();
        QCOMPARE(f.scores.cardsPerSet, 9);
        QCOMPARE(f.scores.cardsEarned, 0);

        // Store changes reach the controls.
        f.settings.setPointsPerCard(9);
        QCOMPARE(points->value(), 9);
        f.settings.setCardCountIndex(0);
        QVERIFY(four->isChecked());
        f.settings.setPraiseTicked(1, true);
        QCOMPARE(praise->item(1)->checkState(), Qt::Checked);
    }

    void enterAndEscCloseWithoutChecks()
    {
        Fixture f;
        test::TraceRecorder trace;
        auto s = f.screen();
        f.settings.setPraiseTicked(0, false);
        f.settings.setPraiseTicked(1, false);
        QVERIFY(!f.settings.okCheckMessage().isEmpty());
        // Released on the screen, in a spin edit's text field and on a list.
        QWidget *targets[] = {s.get(), named<QSpinBox>(s.get(), "PosKurzPo1")->findChild<QWidget *>(),
                              named<QListWidget>(s.get(), "Pochvaly1")->viewport()};
        for (QWidget *target : targets)
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                QVERIFY(target);
                QCOMPARE(runModal(*s, [&] { QTest::keyClick(target, key); }), int(ParamScreen::Closed));
                QVERIFY(!s->isVisible());
            }
        QVERIFY(f.tp.dialogs.calls().empty());
        const QStringList lines = trace.lines(QStringLiteral("screen"));
        QCOMPARE(lines.count(), 18);
        QCOMPARE(lines.mid(0, 2), (QStringList{"screen name=FParam1 shown", "screen name=FParam1 hidden"}));

        // Other keys leave it open, and so does the Enter or Esc that
        // dismissed the OK box's message: its press went to the message.
        bool open = false;
        QCOMPARE(runModal(*s, [&] {
                     QTest::keyRelease(s.get(), Qt::Key_Space);
                     s->okBoxClicked();
                     QTest::keyRelease(s.get(), Qt::Key_Return);
                     QTest::keyRelease(s.get(), Qt::Key_Escape);
                     open = s->isVisible();
                     escape(*s);
                 }),
                 int(ParamScreen::Closed));
        QVERIFY(open);
    }

    void okBoxChecksThenCloses()
    {
        Fixture f;
        auto s = f.screen();
        auto *praise = named<QListWidget>(s.get(), "Pochvaly1");
        for (int i = 0; i < praise->count(); ++i)
            praise->item(i)->setCheckState(Qt::Unchecked);
        named<QListWidget>(s.get(), "Pokarani1")->item(0)->setCheckState(Qt::Unchecked);
        auto *ding = named<QCheckBox>(s.get(), "PouzDing1");
        ding->setChecked(false);
        QList<bool> openAfterClick;
        QCOMPARE(runModal(*s, [&] {
                     clickOk(*s);
                     openAfterClick << s->isVisible();
                     praise->item(1)->setCheckState(Qt::Checked);
                     clickOk(*s);
                     openAfterClick << s->isVisible();
                     ding->setChecked(true);
                     clickOk(*s);
                 }),
                 int(ParamScreen::Accepted));
        QCOMPARE(openAfterClick, (QList<bool>{true, true}));

        // Each refusal: a ding, then the message.
        using Call = ScriptedDialogs::Call;
        const auto &calls = f.tp.dialogs.calls();
        QCOMPARE(calls.size(), size_t(4));
        QCOMPARE((QList<int>{calls[0].kind, calls[1].kind, calls[2].kind, calls[3].kind}),
                 (QList<int>{Call::Beep, Call::ErrorOk, Call::Beep, Call::ErrorOk}));
        QVERIFY(calls[1].text.contains(QStringLiteral("pochvalu")) && calls[3].text.contains(QStringLiteral("pokárání")));
    }

    void tagsAndUntouchedFile()
    {
        Fixture f;
        const QByteArray original = "; nastaveni\r\n[Obecne]\r\nTlacitka nahore=0\r\nCislo ukolu=502\r\nPosun po=12\r\n";
        f.tp.write(QStringLiteral("Param1.INI"), original);
        {
            auto s = f.screen();
            auto *toolbar = named<QCheckBox>(s.get(), "TlacNahore1");
            auto *zero = named<QCheckBox>(s.get(), "SNulou1");
            QCOMPARE(runModal(*s, [&] {
                         toolbar->setChecked(true);
                         zero->setChecked(true);
                         named<QSpinBox>(s.get(), "MinPocBodu1")->setValue(8);
                         clickOk(*s);
                     }),
                     int(ParamScreen::Accepted));
            // The tags keep the states from before the edits.
            QCOMPARE(QList<int>({s->toolbarTagOnShow(), s->zeroTagOnShow(), toolbar->property("tag").toInt()}),
                     QList<int>({0, 0, 0}));
            QCOMPARE(runModal(*s, [&] { escape(*s); }), int(ParamScreen::Closed));
            QCOMPARE(QList<int>({s->toolbarTagOnShow(), s->zeroTagOnShow(), zero->property("tag").toInt()}),
                     QList<int>({1, 1, 1}));
            s->storeOnClose();
        }
        QFile file(f.tp.dir() + QStringLiteral("/Param1.INI"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
        QCOMPARE(f.settings.pointsPerCard(), 8);   // the change lives in memory only
    }

    void doubleClickPlaysSound()
    {
        Fixture f;
        auto s = f.screen();
        s->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.get()));
        auto doubleClick = [&](const char *listName, int row) {
            auto *list = named<QListWidget>(s.get(), listName);
            // A double click follows a press and release; aim at the text, off the tick box.
            const QPoint onText = list->visualItemRect(list->item(row)).center() + QPoint(20, 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onText);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onText);
        };
        doubleClick("Pochvaly1", 1);
        doubleClick("Pokarani1", 0);
        QCOMPARE(f.tp.sound.played(), (std::vector<QString>{f.tp.dir() + "/zvuky/spravne/super.wav",
                                                            f.tp.dir() + "/zvuky/spatne/ne.wav"}));
        for (const auto &e : f.tp.sound.events())
            QVERIFY(!e.wait);

        // A sound removed after the list was filled is skipped silently.
        QFile::remove(f.tp.dir() + QStringLiteral("/zvuky/spravne/bravo.wav"));
        f.tp.files.rescan();
        f.tp.sound.clear();
        doubleClick("Pochvaly1", 0);
        QVERIFY(f.tp.sound.events().empty());
    }

    void layoutScalesAtOtherDensities()
    {
        Fixture f;
        auto s = f.screen();
        s->applyLayout(96);
        // 120 -> 96 rounded, then 118/96 rounded (212 -> 170 -> 209); the window keeps its size.
        QCOMPARE(named(s.get(), "PaintBox1")->geometry(), QRect(209, 479, 50, 33));
        QCOMPARE(s->rect(), QRect(0, 0, 457, 530));
    }

    void missingBackgroundReportedOnce()
    {
        Fixture f;
        QFile::remove(f.tp.dir() + QStringLiteral("/obr-pom/bgr_p.jpg"));
        f.tp.files.rescan();
        auto s = f.screen();
        // Painted twice at once and again later: one message.
        runModal(*s, [&] {
            s->repaint();
            s->repaint();
            QTimer::singleShot(0, s.get(), [&] { s->repaint(); QCoreApplication::processEvents(); escape(*s); });
        });
        QCOMPARE(f.tp.dialogs.count(ScriptedDialogs::Call::ErrorOk), 1);
    }
};

QTEST_MAIN(TestParamScreen)
#include "test_paramscreen.moc"
