// The maths maze: the reader on bad rows and characters, the solvability
// rule, walking (walls block, numbers only in order, Space and Enter, clicks
// next to the walker), collecting, and every generated maze played through
// to the end by the game's own steps.
#include "games/maze.h"
#include "support/generatorenv.h"
#include "platform/filestore.h"
#include "platform/inifile.h"
#include <QFile>
#include <QTest>
#include <deque>
#include <map>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    QByteArray file;
    QList<int> handed;
    QStringList sounds;   // the game's own, "!wait" on those waited for
    int timer = -1;
    Host()
    {
        parent = TileParent::Screen;
        size = [](const QString &) { return QSize(40, 40); };
    }
    void playDirect(const QString &name, bool wait) override { sounds << name + (wait ? "!wait" : ""); }
    QByteArray readDataFile(const QString &) override { return file; }
    void setGameTimer(int ms) override { timer = ms; }
    void handKey(int key, InputFrom) override { handed << key; }
};

struct Game : test::GeneratorRun<MazeGame, Host> {
    MazeGame &game = gen;
    explicit Game(const QByteArray &file, std::uint64_t seed = 1) : GeneratorRun(412, 1, 1, seed)
    {
        host.file = file;
        build(true);
    }
    // A key as the exercise screen hands it: when the game passes an Enter
    // on, the frame judges and counts the step. Returns whether the walker moved.
    bool key(int k)
    {
        const int row = game.walkerRow(), column = game.walkerColumn();
        int code = k;
        if (!game.takeKey(ctx, code, InputFrom::Keyboard, 0) && code == GameKey::Enter && game.judgeStep(ctx, p.selectedTile))
            ++p.answersGiven;
        return row != game.walkerRow() || column != game.walkerColumn();
    }
};

QByteArray section(int m, const QStringList &rows, int count = -1)
{
    QByteArray s = "[Blud" + QByteArray::number(m).rightJustified(3, '0') + "]\nPocet="
        + QByteArray::number(count < 0 ? rows.size() : count) + "\n";
    for (int r = 0; r < rows.size(); ++r)
        if (!rows[r].isNull())
            s += "Radek" + QByteArray::number(r + 1).rightJustified(2, '0') + "=" + rows[r].toLatin1() + "\n";
    return s;
}

// A corridor: row 1 "/1x2x3...", everything else wall.
QStringList corridor(const QString &first)
{
    QStringList rows{first.leftJustified(20, u'-')};
    for (int r = 2; r <= 16; ++r)
        rows << QString(20, u'-');
    return rows;
}

// The arrows from the walker to the next number, found over the game's own
// rule; empty when it cannot be reached.
QList<int> pathToNext(const MazeGrid &g, int row, int column, int given)
{
    std::map<std::pair<int, int>, std::pair<std::pair<int, int>, int>> from;
    std::deque<std::pair<int, int>> open{{row, column}};
    from[{row, column}] = {{0, 0}, 0};
    while (!open.empty()) {
        const auto [r, c] = open.front();
        open.pop_front();
        if (g.at(r, c) == given + 1) {
            QList<int> keys;
            for (std::pair<int, int> at{r, c}; at != std::pair{row, column}; at = from[at].first)
                keys.prepend(from[at].second);
            return keys;
        }
        const std::tuple<int, int, int> steps[] = {{-1, 0, GameKey::Up}, {1, 0, GameKey::Down},
                                                   {0, -1, GameKey::Left}, {0, 1, GameKey::Right}};
        for (const auto &[dr, dc, key] : steps) {
            const int nr = r + dr, nc = c + dc;
            if (nr < 1 || nr > kMazeRows || nc < 1 || nc > kMazeColumns || from.count({nr, nc})
                || !mazeCanEnter(g.at(nr, nc), given))
                continue;
            from[{nr, nc}] = {{r, c}, key};
            open.emplace_back(nr, nc);
        }
    }
    return {};
}

} // namespace

class TestMaze : public QObject {
    Q_OBJECT
private slots:
    void badRowsAndCharactersGiveWalls()
    {
        // Row 1 too long, row 2 short, row 3 missing ("abc"), unknown
        // characters, and more rows than the grid has.
        QStringList rows{"/x1-x23456789x0xxxxxxxxxx", "xx?x", QString(), "xAx*"};
        for (int r = 5; r <= 18; ++r)
            rows << QString(20, u'x');
        const MazeGrid g = readMaze(IniFile::fromBytes(section(7, rows)), 7);
        QCOMPARE(QList<int>({g.startRow, g.startColumn}), QList<int>({1, 1}));
        QCOMPARE(QList<int>({g.at(1, 1), g.at(1, 3), g.at(1, 4), g.at(1, 15), g.at(1, 20)}),
                 QList<int>({kMazeOpen, 1, kMazeWall, 10, kMazeOpen}));
        QCOMPARE(QList<int>({g.at(2, 2), g.at(2, 3), g.at(2, 5), g.at(2, 20)}),
                 QList<int>({kMazeOpen, kMazeWall, kMazeWall, kMazeWall}));
        for (int c = 1; c <= 20; ++c)
            QCOMPARE(int(g.at(3, c)), int(kMazeWall));
        QCOMPARE(QList<int>({g.at(4, 1), g.at(4, 2), g.at(4, 4), g.at(16, 20)}),
                 QList<int>({kMazeOpen, kMazeWall, kMazeWall, kMazeOpen}));
        // A section that is not there is all wall and has no start.
        const MazeGrid none = readMaze(IniFile::fromBytes(section(7, rows)), 8);
        QVERIFY(none.startRow == 0 && std::all_of(none.cells.begin(), none.cells.end(), [](auto v) { return v == kMazeWall; }));
    }

    void solvableOnlyWhenEveryNumberCanBeReachedInOrder()
    {
        const auto solvable = [](const QString &row) {
            return mazeSolvable(readMaze(IniFile::fromBytes(section(1, corridor(row))), 1));
        };
        QVERIFY(solvable("/1x2x3x4x5x6x7x8x9x0"));
        QVERIFY(!solvable("/2x1x3x4x5x6x7x8x9x0"));   // 2 stands before 1
        QVERIFY(!solvable("/1x2x3x4x5x6x7x8x9xx"));   // no 10
        QVERIFY(!solvable("/1x2x3x4x5x6x7x8x9-0"));   // 10 walled off
        QVERIFY(!solvable("x1x2x3x4x5x6x7x8x9x0"));   // no start
        QVERIFY(mazeSolvable(builtInMaze()));
    }

    void wallsBlockAndNumbersComeOnlyInOrder()
    {
        // Start at row 2, column 2: right of it 2, below it 1, the rest a
        // pocket of open cells; 3..10 in row 4.
        QStringList rows(16, QString(20, u'-'));
        rows[1] = "-/2x----------------";
        rows[2] = "-1xx----------------";
        rows[3] = "-x34567890x---------";
        Game g(section(5, rows));
        QCOMPARE(g.game.maze(), 5);
        QCOMPARE(g.host.timer, 150);
        QCOMPARE(g.game.heading(), QChar(u'p'));
        QVERIFY(!g.key(GameKey::Up));                 // wall
        QCOMPARE(g.game.heading(), QChar(u'n'));
        QVERIFY(!g.key(GameKey::Left));               // wall
        QVERIFY(!g.key(GameKey::Right));              // 2 before 1
        QVERIFY(!g.key(GameKey::Enter));              // turns clockwise, p -> d
        QCOMPARE(g.game.heading(), QChar(u'd'));
        QVERIFY(g.key(GameKey::Space));               // walks down onto 1
        QCOMPARE(g.p.answersGiven, 1);
        QCOMPARE(g.host.sounds, QStringList({"zvuky\\blud.wav"}));
        QCOMPARE(int(g.game.grid().at(3, 2)), int(kMazeWalker));   // eaten, the walker on it
        QVERIFY(g.key(GameKey::Right));
        QCOMPARE(int(g.game.grid().at(3, 2)), int(kMazeOpen));     // an open path behind it
        QCOMPARE(int(g.game.grid().at(2, 2)), int(kMazeOpen));     // the start too
        QVERIFY(g.key(GameKey::Up));                  // now 2 may be entered
        QCOMPARE(g.p.answersGiven, 2);
        for (int k : {GameKey::Left, GameKey::Down, GameKey::Down, GameKey::Right})
            g.key(k);
        QCOMPARE(g.p.answersGiven, 3);

        // A click on a neighbour cell is the arrow towards it; any other
        // cell, the walker's own among them, gives nothing.
        const int x = (g.game.walkerColumn() - 1) * 30 + 15, y = (g.game.walkerRow() - 1) * 30 + 15;
        for (QPoint at : {QPoint(x + 30, y), QPoint(x, y - 30), QPoint(x, y), QPoint(x + 30, y + 30), QPoint(x - 60, y)})
            g.game.click(g.ctx, GameBox::Price, 0, at);
        QCOMPARE(g.host.handed, QList<int>({GameKey::Right, GameKey::Up}));

        for (int k = 0; k < 7; ++k)
            g.key(GameKey::Right);
        QCOMPARE(g.p.answersGiven, 10);
        QVERIFY(!g.game.walkerShown());
        QCOMPARE(g.host.timer, 0);
        QCOMPARE(g.host.sounds.last(), QString("zvuky\\blud.wav!wait"));
        QVERIFY(!g.key(GameKey::Left));               // no walker, no steps
    }

    void anUnplayableFileFallsBackToAPlayableMaze()
    {
        // Maze 3 lacks its 10; nothing else is in the file.
        Game g(section(3, corridor("/1x2x3x4x5x6x7x8x9xx")), 11);
        QCOMPARE(g.game.maze(), 0);
        QVERIFY(mazeSolvable(builtInMaze()));
        QCOMPARE(QList<int>({g.game.walkerRow(), g.game.walkerColumn()}),
                 QList<int>({builtInMaze().startRow, builtInMaze().startColumn}));
    }

    void everyGeneratedMazeIsPlayedToTheEnd()
    {
        const QString dir = qEnvironmentVariable("FLUMO_MEDIA_DIR");
        if (dir.isEmpty())
            QSKIP("FLUMO_MEDIA_DIR is not set (ctest sets it to the generated folder)");
        QFile f(FileStore(dir).resolve(mazeFileName()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const IniFile ini = IniFile::fromBytes(f.readAll());
        for (int m = 1; m <= kMazeCount; ++m) {
            const MazeGrid maze = readMaze(ini, m);
            QVERIFY2(mazeSolvable(maze), qPrintable(QString::number(m)));
            // The file with only this maze in it: the game must pick it.
            QStringList rows;
            for (int r = 1; r <= kMazeRows; ++r)
                rows << ini.readString(QStringLiteral("Blud%1").arg(m, 3, 10, QChar(u'0')), QStringLiteral("Radek%1").arg(r, 2, 10, QChar(u'0')));
            Game g(section(1, rows), std::uint64_t(m));
            QCOMPARE(g.game.maze(), 1);
            for (int k = 0; k < kMazeNumbers; ++k) {
                const QList<int> keys = pathToNext(g.game.grid(), g.game.walkerRow(), g.game.walkerColumn(), g.p.answersGiven);
                QVERIFY2(!keys.isEmpty(), qPrintable(QStringLiteral("maze %1, number %2").arg(m).arg(k + 1)));
                for (int key : keys)
                    QVERIFY(g.key(key));
                QCOMPARE(g.p.answersGiven, k + 1);
            }
            QVERIFY(!g.game.walkerShown());
        }
    }
};

QTEST_GUILESS_MAIN(TestMaze)
#include "test_maze.moc"
