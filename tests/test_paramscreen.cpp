// The settings screen: controls in step with the store, the modal closing
// rules, the OK checks, the untouched settings file, the sound lists and the
// layout at the design resolution and scaled.
#include "media/pictureloader.h"
#include "screens/paramscreen.h"
#include "support/testplatform.h"
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace flumo;
using flumo::test::TestPlatform;
using flumo::test::TraceRecorder;

namespace {

struct Fixture {
    TestPlatform tp;
    Scores scores;
    EngineState state;
    Settings settings{scores, state};
    PictureLoader pictures{tp.files};
    AppContext ctx{tp.platform, settings, state, scores, pictures};

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

template <typename T = QWidget>
T *child(ParamScreen &s, const char *name)
{
    T *w = s.findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

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

void clickOk(ParamScreen &s)
{
    QTest::mouseClick(child(s, "PaintBox1"), Qt::LeftButton, {}, QPoint(10, 10));
}

void escape(ParamScreen &s)
{
    QTest::keyRelease(&s, Qt::Key_Escape);
}

} // namespace

class TestParamScreen : public QObject {
    Q_OBJECT
private slots:
    void controlsAndStoreStayInStep();
    void enterAndEscCloseWithoutChecks();
    void okBoxChecksThenCloses();
    void tagsAndUntouchedFile();
    void mediaRootFailureEndsLoad();
    void doubleClickPlaysSound();
    void layoutAtDesignAndScaled();
    void missingBackgroundReportedOnce();
};

void TestParamScreen::controlsAndStoreStayInStep()
{
    Fixture f;
    f.tp.write(QStringLiteral("PARAM1.ini"), "[Hodnoceni]\r\nKarticka za=0\r\nPocet karticek=0\r\n"
                                             "[Obecne]\r\nPosun po=2\r\nBez nuly=0\r\n[Pochvaly]\r\nsuper=0\r\n");
    auto s = f.screen();
    QVERIFY(s->loadSucceeded());
    // The loaded file, clamped by the spin edits; counting with zero shown inverted.
    QCOMPARE(child<QSpinBox>(*s, "MinPocBodu1")->value(), 1);
    QCOMPARE(child<QSpinBox>(*s, "PosKurzPo1")->value(), 5);
    QVERIFY(child<QRadioButton>(*s, "PocetKart1Ctyri")->isChecked());
    QVERIFY(child<QCheckBox>(*s, "SNulou1")->isChecked());
    auto *praise = child<QListWidget>(*s, "Pochvaly1");
    QCOMPARE(praise->count(), 2);
    QCOMPARE(praise->item(1)->text(), QStringLiteral("super"));
    QCOMPARE(praise->item(1)->checkState(), Qt::Unchecked);

    // Control edits reach the store.
    child<QSpinBox>(*s, "MaxPocChyb1")->setValue(25);
    QCOMPARE(f.settings.maxErrors(), 20);
    child<QCheckBox>(*s, "SNulou1")->setChecked(false);
    QVERIFY(f.settings.noZero());
    child<QListWidget>(*s, "Pokarani1")->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(f.settings.reprimandSounds().at(0).ticked, false);
    f.scores.cardsEarned = 2;
    child<QRadioButton>(*s, "PocetKart1Devet")->click();
    QCOMPARE(f.scores.cardsPerSet, 9);
    QCOMPARE(f.scores.cardsEarned, 0);

    // Store changes reach the controls.
    f.settings.setPointsPerCard(9);
    QCOMPARE(child<QSpinBox>(*s, "MinPocBodu1")->value(), 9);
    f.settings.setCardCountIndex(0);
    QVERIFY(child<QRadioButton>(*s, "PocetKart1Ctyri")->isChecked());
    f.settings.setPraiseTicked(1, true);
    QCOMPARE(praise->item(1)->checkState(), Qt::Checked);
}

void TestParamScreen::enterAndEscCloseWithoutChecks()
{
    Fixture f;
    TraceRecorder trace;
    auto s = f.screen();
    f.settings.setPraiseTicked(0, false);
    f.settings.setPraiseTicked(1, false);
    QVERIFY(!f.settings.okCheckMessage().isEmpty());

    // Released on the screen, in a spin edit's text field and on a list.
    QWidget *targets[] = {s.get(), child<QSpinBox>(*s, "PosKurzPo1")->findChild<QWidget *>(),
                          child<QListWidget>(*s, "Pochvaly1")->viewport()};
    for (QWidget *target : targets) {
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QVERIFY(target);
            QCOMPARE(runModal(*s, [&] { QTest::keyRelease(target, key); }), int(ParamScreen::Closed));
            QVERIFY(!s->isVisible());
        }
    }
    QVERIFY(f.tp.dialogs.calls().empty());
    const QStringList lines = trace.lines(QStringLiteral("screen"));
    QCOMPARE(lines.count(), 18);
    QCOMPARE(lines.mid(0, 2), (QStringList{"screen name=FParam1 shown", "screen name=FParam1 hidden"}));

    // Other keys leave it open.
    bool open = false;
    QCOMPARE(runModal(*s, [&] {
                 QTest::keyRelease(s.get(), Qt::Key_Space);
                 open = s->isVisible();
                 escape(*s);
             }),
             int(ParamScreen::Closed));
    QVERIFY(open);
}

void TestParamScreen::okBoxChecksThenCloses()
{
    Fixture f;
    auto s = f.screen();
    auto *praise = child<QListWidget>(*s, "Pochvaly1");
    for (int i = 0; i < praise->count(); ++i)
        praise->item(i)->setCheckState(Qt::Unchecked);
    child<QListWidget>(*s, "Pokarani1")->item(0)->setCheckState(Qt::Unchecked);
    child<QCheckBox>(*s, "PouzDing1")->setChecked(false);

    QList<bool> openAfterClick;
    const int result = runModal(*s, [&] {
        clickOk(*s);
        openAfterClick << s->isVisible();
        praise->item(1)->setCheckState(Qt::Checked);
        clickOk(*s);
        openAfterClick << s->isVisible();
        child<QCheckBox>(*s, "PouzDing1")->setChecked(true);
        clickOk(*s);
    });
    QCOMPARE(result, int(ParamScreen::Accepted));
    QCOMPARE(openAfterClick, (QList<bool>{true, true}));

    using Call = ScriptedDialogs::Call;
    const auto &calls = f.tp.dialogs.calls();
    QCOMPARE(calls.size(), size_t(4));
    QCOMPARE(calls[0].kind, Call::Beep);
    QCOMPARE(calls[0].beep, BeepKind::Ding);
    QCOMPARE(calls[1].kind, Call::ErrorOk);
    QCOMPARE(calls[1].title, QStringLiteral("Chyba"));
    QCOMPARE(calls[1].text, QStringLiteral("Nemáte zatrženu žádnou pochvalu !"));
    QCOMPARE(calls[2].beep, BeepKind::Ding);
    QCOMPARE(calls[3].text, QStringLiteral("Nemáte zatrženo žádné pokárání !"));
}

void TestParamScreen::tagsAndUntouchedFile()
{
    Fixture f;
    const QByteArray original = "; nastaveni\r\n[Obecne]\r\nTlacitka nahore=0\r\nCislo ukolu=502\r\nPosun po=12\r\n";
    f.tp.write(QStringLiteral("Param1.INI"), original);
    {
        auto s = f.screen();
        auto *toolbar = child<QCheckBox>(*s, "TlacNahore1");
        auto *zero = child<QCheckBox>(*s, "SNulou1");
        QCOMPARE(runModal(*s, [&] {
                     toolbar->setChecked(true);
                     zero->setChecked(true);
                     child<QSpinBox>(*s, "MinPocBodu1")->setValue(8);
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

void TestParamScreen::mediaRootFailureEndsLoad()
{
    Fixture f;
    f.tp.write(QStringLiteral("Param1.INI"), "[Obecne]\r\nCislo ukolu=203\r\n");
    auto s = f.screen([] { return false; });
    QVERIFY(!s->loadSucceeded());
    QCOMPARE(f.state.currentTask, 101);
}

void TestParamScreen::doubleClickPlaysSound()
{
    Fixture f;
    auto s = f.screen();
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    auto doubleClick = [&](const char *listName, int row) {
        auto *list = child<QListWidget>(*s, listName);
        // A widget double click arrives after a press and release; aim at
        // the text, away from the tick box.
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

void TestParamScreen::layoutAtDesignAndScaled()
{
    Fixture f;
    auto s = f.screen();
    auto at = [&](const char *name) { return child(*s, name)->geometry(); };
    s->applyLayout(120);
    QCOMPARE(at("PaintBox1"), QRect(212, 488, 51, 34));
    QCOMPARE(at("GroupBox1"), QRect(24, 324, 409, 153));
    QCOMPARE(at("PosKurzPo1"), QRect(104, 44, 41, 26));
    QCOMPARE(s->size(), QSize(457, 530));

    // 96 dpi: 120 -> 96 rounded, then 118/96 rounded (212 -> 170 -> 209).
    s->applyLayout(96);
    QCOMPARE(at("PaintBox1"), QRect(209, 479, 50, 33));
    QCOMPARE(at("GroupBox1"), QRect(23, 318, 402, 150));
    QCOMPARE(at("PosKurzPo1"), QRect(102, 43, 41, 26));
    QCOMPARE(s->size(), QSize(457, 530));
}

void TestParamScreen::missingBackgroundReportedOnce()
{
    Fixture f;
    QFile::remove(f.tp.dir() + QStringLiteral("/obr-pom/bgr_p.jpg"));
    f.tp.files.rescan();
    auto s = f.screen();
    runModal(*s, [&] {
        s->repaint();
        s->repaint();
        QTimer::singleShot(0, s.get(), [&] {
            s->repaint();
            QCoreApplication::processEvents();
            escape(*s);
        });
    });
    QCOMPARE(f.tp.dialogs.count(ScriptedDialogs::Call::ErrorOk), 1);
}

QTEST_MAIN(TestParamScreen)
#include "test_paramscreen.moc"
