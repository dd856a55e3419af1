// Connect the numbers (406) and build the wall (402): figure files, bad ones
// included; the connect order and its keyboard cursor; the two phases with
// their lines and the picture choice; each gap's one fitting brick, the
// wall preview and the end of the wall; on the exercise screen the cursor
// keys and clicks of 406. With the generated media: every figure's finished
// picture runs through its own points.
#include "games/connect.h"
#include "games/wall.h"
#include "media/pictureloader.h"
#include "platform/filestore.h"
#include "platform/inifile.h"
#include "screens/paintbox.h"
#include "support/answerenv.h"
#include "support/generatorenv.h"
#include <QFile>
#include <QSet>
#include <QTest>

using namespace flumo;

namespace {

QByteArray figureFile(const QList<QPoint> &points, bool closed, int count = -1)
{
    QString text = QStringLiteral("[Obr01]\nSpojit=%1\nPocet bodu=%2\n").arg(closed ? 1 : 0).arg(count < 0 ? points.size() : count);
    for (int k = 0; k < points.size(); ++k)
        text += QStringLiteral("x%1=%2\ny%1=%3\n").arg(k + 1, 2, 10, QChar(u'0')).arg(points[k].x()).arg(points[k].y());
    return text.toLatin1();
}

struct Host : test::RecordingHost {
    std::function<QByteArray(const QString &)> data;   // figure files by name
    QSet<int> hiddenBacks;
    std::map<int, QRect> tiles;
    Host() { size = [](const QString &) { return QSize(50, 149); }; }
    void layOutTiles() override
    {
        Random none(1);
        for (const TilePlacement &t : LayOutTiles(*problem, 402, TileParent::Screen, 744,
                                                  [](int, const QString &) { return QSize(50, 149); }, none))
            tiles[t.tile] = t.rect;
    }
    void selectTile(int n) override { problem->selectedTile = n; }
    void placeBox(GameBox box, int n, const QRect &r) override
    {
        if (box == GameBox::Tile)
            tiles[n] = r;
    }
    void hideBox(GameBox box, int n) override
    {
        if (box == GameBox::Back)
            hiddenBacks.insert(n);
    }
    QByteArray readDataFile(const QString &name) override { return data ? data(name) : QByteArray(); }
};

template <class G>
struct Play : test::GeneratorRun<G, Host> {
    G &game = this->gen;
    Play(int task, int level, std::uint64_t seed) : test::GeneratorRun<G, Host>(task, level, 1, seed) { this->p.markReady(); }
    QStringList paint(GameBox box, int n, QChar look = u'n')
    {
        std::vector<PictureDraw> out;
        game.paintBox(this->p, box, n, look, {}, this->host, out);
        QStringList names;
        for (const PictureDraw &d : out)
            names << QStringLiteral("%1@%2").arg(d.name).arg(d.at.x());
        return names;
    }
};

// The lines' blue at `at` or, for pictures that went through JPEG, at one
// of its neighbours (no fill colour of the figures passes).
bool blueAt(const QImage &img, QPoint at, int near = 0)
{
    for (int dy = -near; dy <= near; ++dy)
        for (int dx = -near; dx <= near; ++dx) {
            const QColor c = img.pixelColor(at + QPoint(dx, dy));
            if (c.blue() > 130 && c.red() < 100 && c.green() < 90 && c.blue() > c.red() + 60 && c.alpha() == 255)
                return true;
        }
    return false;
}

} // namespace

class ConnectWallTest : public QObject {
    Q_OBJECT
private slots:
    void figureFilesKeepInsideTheArea()
    {
        const ConnectFigure f = readConnectFigure(IniFile::fromBytes(
            "[obr01]\nSpojit=1\nPocet bodu=3\nx01=-40\ny01=900\nx02=12\ny02=13\n"));
        QVERIFY(f.closed);
        QCOMPARE(f.points, (std::vector<QPoint>{{0, 450}, {12, 13}, {100, 100}}));   // point 3 missing: default
        QCOMPARE(readConnectFigure(IniFile::fromBytes("[Obr01]\nPocet bodu=99\n")).points.size(), std::size_t(kConnectMaxPoints));
        QVERIFY(readConnectFigure(IniFile::fromBytes("[Obr01]\nPocet bodu=-5\n")).points.empty());
        QVERIFY(readConnectFigure(IniFile::fromBytes("")).points.empty());
    }

    void orderAndKeyboardCursor()
    {
        const std::vector<int> order = connectOrder({{50, 40}, {10, 40}, {30, 5}, {0, 90}});
        QCOMPARE(order, (std::vector<int>{3, 2, 1, 4}));
        QCOMPARE(connectCursorStep(order, 0, 3, true), 2);
        QCOMPARE(connectCursorStep(order, 2, 3, true), 4);     // 2 and 1 are joined
        QCOMPARE(connectCursorStep(order, 2, 4, true), 3);     // cyclic
        QCOMPARE(connectCursorStep(order, 2, 3, false), 4);
        QCOMPARE(connectCursorStep(order, 3, 4, true), 4);     // the only one left
        QCOMPARE(connectCursorStep(order, 4, 4, true), 0);
    }

    void numbersInOrderThenThePicture()
    {
        for (bool closed : {true, false}) {
            Play<ConnectGame> g(406, 1, 7);
            const QList<QPoint> pts{{20, 20}, {300, 20}, {300, 300}, {20, 300}};
            g.host.data = [&](const QString &) { return figureFile(pts, closed); };
            g.game.build(g.ctx);
            Problem &p = g.p;
            QCOMPARE(p.tileCount, 4);
            QCOMPARE(p.answersNeeded, 5);
            QCOMPARE(p.targetTile, 1);
            QCOMPARE(p.selectedTile, 1);
            QCOMPARE(g.host.tiles[3], QRect(73 + 300, 85 + 300, 25, 18));
            const QImage before = g.game.canvas();
            QVERIFY(!g.answer(3));
            QCOMPARE(g.game.canvas(), before);
            QVERIFY(g.answer(1) && g.answer(2));
            QCOMPARE(p.targetTile, 3);
            QVERIFY(blueAt(g.game.canvas(), QPoint(73 + 160 + 11, 85 + 20 + 7)));
            QCOMPARE(g.paint(GameBox::Tile, 1, u'k'), QStringList{"obr\\406\\do10\\c01d.jpg@0"});
            QCOMPARE(g.paint(GameBox::Tile, 3, u'k'), QStringList{"obr\\406\\do10\\c03k.Jpg@0"});
            QVERIFY(g.answer(3) && g.answer(4));
            QCOMPARE(blueAt(g.game.canvas(), QPoint(73 + 20 + 11, 85 + 160 + 7)), closed);
            // Phase 1: the three pictures, one of them the figure's.
            QCOMPARE(p.problemValue(), 1);
            QCOMPARE(p.tileCount, 3);
            QCOMPARE(p.targetTile, g.game.rightChoice());
            const QString figure = QStringLiteral("obr\\406\\do10\\obr%1").arg(g.game.figure(), 2, 10, QChar(u'0'));
            QCOMPARE(p.stem(20 + g.game.rightChoice()), figure);
            QCOMPARE(g.paint(GameBox::Tile, g.game.rightChoice(), u'k'), QStringList{figure + "k.jpg@0"});
            QCOMPARE(g.host.tiles[2], QRect(573, 245, 150, 140));
            QVERIFY(!g.answer(g.game.rightChoice() % 3 + 1));
            QCOMPARE(p.tileCount, 3);
            QVERIFY(g.answer(g.game.rightChoice()));
            QCOMPARE(p.answersGiven, p.answersNeeded);
            QCOMPARE(g.paint(GameBox::Tile, 4), QStringList{figure + ".Jpg@0"});
            QCOMPARE(g.host.tiles[4], QRect(83, 95, 440, 440));
        }
    }

    void figuresWithoutPointsAreSkipped()
    {
        // Only figure 5 has points: every draw ends on it.
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            Play<ConnectGame> g(406, 2, seed);
            g.host.data = [](const QString &name) {
                return name.endsWith("obr05.INI") ? figureFile({{1, 1}, {9, 9}}, false) : figureFile({}, false);
            };
            g.game.build(g.ctx);
            QCOMPARE(g.game.figure(), 5);
            QCOMPARE(g.p.tileCount, 2);
            QSet<QString> choices{g.p.stem(21), g.p.stem(22), g.p.stem(23)};
            QCOMPARE(choices.size(), 3);
        }
        // No figure has any: the picture choice alone.
        Play<ConnectGame> g(406, 1, 3);
        g.game.build(g.ctx);
        QCOMPARE(g.p.problemValue(), 1);
        QCOMPARE(g.p.answersNeeded, 1);
        QVERIFY(g.answer(g.game.rightChoice()));
    }

    void everyGapHasExactlyOneBrick()
    {
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            Play<WallGame> g(402, 1, seed);
            g.game.build(g.ctx);
            Problem &p = g.p;
            QSet<int> gaps;
            for (int k = 1; k <= 8; ++k)
                gaps.insert(g.game.gap(k));
            QCOMPARE(gaps.size(), 8);
            QVERIFY(*std::min_element(gaps.begin(), gaps.end()) >= 1 && *std::max_element(gaps.begin(), gaps.end()) <= 10);
            QCOMPARE(g.host.tiles[1].topLeft(), QPoint(195, 371));
            QCOMPARE(g.game.wallRect(), QRect(186, 99, 420, 253));
            for (int k = 1; k <= 8; ++k) {
                const int gap = g.game.gap(k);
                QCOMPARE(p.samplePicture, QStringLiteral("obr\\402\\zed%1").arg(gap, 2, 10, QChar(u'0')));
                int fitting = 0, fits = 0;
                for (int i = 1; i <= 8; ++i)
                    if (p.tileValue[std::size_t(i)] + gap == 10)
                        fitting = i, ++fits;
                QCOMPARE(fits, 1);
                // Every other brick, the built ones too, is refused.
                for (int i = 1; i <= 8; ++i)
                    if (i != fitting)
                        QVERIFY(!g.answer(i));
                QVERIFY(g.answer(fitting));
                QCOMPARE(p.stem(fitting), QStringLiteral("obr\\402\\zed10"));
                QCOMPARE(p.tileValue[std::size_t(fitting)], 10 - gap);
            }
            QCOMPARE(p.answersGiven, 8);
            QVERIFY(g.host.hiddenBacks.contains(1));
        }
    }

    void wallPreviewStandsOverTheSelectedBrick()
    {
        Play<WallGame> g(402, 1, 11);
        g.game.build(g.ctx);
        g.p.selectedTile = 3;
        const QStringList names = g.paint(GameBox::Back, 1);
        const QString gap = g.p.samplePicture;
        QCOMPARE(names.size(), 8);
        QCOMPARE(names.last(), gap + "d.JPG@100");   // drawn last: it reaches into the next column
        QVERIFY(names.contains(gap + "d1.JPG@0") && names.contains(gap + "d1.JPG@350") && !names.contains(gap + "d1.JPG@100"));
    }

    void connectOnTheScreenByKeysAndClicks()
    {
        test::AnswerFixture f(&generatorFor);
        const QByteArray file = figureFile({{200, 50}, {100, 10}, {300, 10}}, true);
        for (int n = 1; n <= 22; ++n)
            f.tp.write(QStringLiteral("obr/406/do10/obr%1.INI").arg(n, 2, 10, QChar(u'0')), file);
        test::TraceRecorder rec;
        f.build(406);
        Problem &p = f.problem();
        QCOMPARE(p.selectedTile, 2);                        // the topmost, leftmost point
        using S = ExerciseScreen;
        f.screen->FormKeyUp(S::KeySpace);
        QCOMPARE(p.selectedTile, 3);
        f.screen->FormKeyUp(S::KeyRight);
        QCOMPARE(p.selectedTile, 1);
        f.screen->FormKeyUp(S::KeyEnter);
        QCOMPARE(p.answersGiven, 1);
        f.screen->FormKeyUp(S::KeySpace);
        QCOMPARE(p.selectedTile, 2);
        f.click(3);
        QCOMPARE(p.answersGiven, 1);
        QCOMPARE(f.scores.errorCount, 0);
        f.click(2);
        f.click(3);
        QCOMPARE(rec.lines("connect"), (QStringList{"connect number=1 of=3", "connect number=2 of=3", "connect number=3 of=3"}));
        QCOMPARE(p.problemValue(), 1);
        QVERIFY(f.screen->backBox(2)->isVisibleTo(f.screen.get()));
        QCOMPARE(f.screen->tile(2)->geometry(), QRect(573, 245, 150, 140));
        f.click(p.targetTile);
        QCOMPARE(rec.lines("solved").size(), 1);
    }

    void finishedPicturesRunThroughTheirPoints()
    {
        const QString dir = qEnvironmentVariable("FLUMO_MEDIA_DIR");
        if (dir.isEmpty())
            QSKIP("FLUMO_MEDIA_DIR is not set (ctest sets it to the generated folder)");
        const FileStore files(dir);
        const PictureLoader loader(files);
        int checked = 0;
        for (const auto &[folder, count] : {std::pair{"do10", 22}, std::pair{"do20", 27}})
            for (int n = 1; n <= count; ++n) {
                const QString stem = QStringLiteral("obr\\406\\%1\\obr%2").arg(folder).arg(n, 2, 10, QChar(u'0'));
                QFile f(files.resolve(stem + ".INI"));
                QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(stem));
                const ConnectFigure figure = readConnectFigure(IniFile::fromBytes(f.readAll()));
                QVERIFY(figure.points.size() >= 4 && figure.points.size() <= (count == 22 ? 10u : 20u));
                const QImage full = loader.load(stem + ".Jpg").image;
                QCOMPARE(full.size(), QSize(440, 440));
                // A line end sits at the label + (11, 7); the picture lies at the area + (10, 10).
                for (const QPoint &pt : figure.points)
                    QVERIFY2(blueAt(full.convertToFormat(QImage::Format_ARGB32), pt + QPoint(1, -3), 1),
                             qPrintable(QStringLiteral("%1 at %2,%3").arg(stem).arg(pt.x()).arg(pt.y())));
                ++checked;
            }
        QCOMPARE(checked, 49);
    }
};

QTEST_MAIN(ConnectWallTest)
#include "test_connect_wall.moc"
