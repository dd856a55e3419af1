// Fill in the picture: the three transforms on a known picture, the reader
// on rows of the wrong length or missing, the game's steps through its
// answer rule, and the generated picture files.
#include "games/dotpicture.h"
#include "support/generatorenv.h"
#include "platform/filestore.h"
#include "platform/inifile.h"
#include <QFile>
#include <QSet>
#include <QTest>

using namespace flumo;

namespace {

// Cells of a picture given as rows of 'x' and '.'.
std::vector<int> cells(const QStringList &rows)
{
    std::vector<int> out;
    for (const QString &r : rows)
        for (QChar ch : r)
            out.push_back(ch == u'x' ? 1 : 0);
    return out;
}

struct Host : test::RecordingHost {
    QByteArray file;
    QString asked;
    QList<int> drawnTiles;
    QMap<int, QRect> tiles, backs;
    QRect frame;
    Host()
    {
        parent = TileParent::Screen;
        size = [](const QString &) { return QSize(30, 30); };
    }
    QByteArray readDataFile(const QString &name) override
    {
        asked = name;
        return file;
    }
    void placeBox(GameBox box, int n, const QRect &rect) override
    {
        if (box == GameBox::Tile)
            tiles[n] = rect;
        else if (box == GameBox::Back)
            backs[n] = rect;
        else if (box == GameBox::Price)
            frame = rect;
    }
    void drawBox(GameBox box, int n) override
    {
        if (box == GameBox::Tile)
            drawnTiles << n;
    }
};

struct Game : test::GeneratorRun<DotPictureGame, Host> {
    DotPictureGame &game = gen;
    Game(const QByteArray &file, int level, int subtask) : GeneratorRun(401, level, subtask, 7)
    {
        host.file = file;
        build(true);
    }
    // What the exercise screen does with the answer on a tile.
    bool answer(int tile)
    {
        p.selectedTile = tile;
        return GeneratorRun::answer(tile);
    }
};

} // namespace

class TestDotPicture : public QObject {
    Q_OBJECT
private slots:
    void theThreeTransformsOfAKnownPicture()
    {
        // An "L" with its foot to the right and a dot at row 1, column 2.
        const std::vector<int> l = cells({"xx..", "x...", "x...", "xxx."});
        QCOMPARE(dotTargets(l, 4, 1), l);
        QCOMPARE(dotTargets(l, 4, 2), cells({"..xx", "...x", "...x", ".xxx"}));
        QCOMPARE(dotTargets(l, 4, 3), cells({"xxx.", "x...", "x...", "xx.."}));
    }

    void rowsOfTheWrongLengthStayInsideTheGrid()
    {
        const IniFile ini = IniFile::fromBytes("[Obr01]\nPocet=6\nRadek1=xxxxxxxx\nRadek2=x\nRadek4=..x.x\n"
                                               "Radek5=xxxx\nRadek6=xxxx\n"
                                               "[Obr02]\nPocet=-3\nRadek1=xxxx\n"
                                               "[Obr03]\nPocet=2\nRadek1=.o-x\nRadek2=X..x\n");
        // Characters past the width and rows past the height are not read;
        // a missing row ("abc") and a short one leave empty cells.
        QCOMPARE(readDotPicture(ini, 1, 4), cells({"xxxx", "x...", "....", "..x."}));
        QCOMPARE(readDotPicture(ini, 2, 4), std::vector<int>(16, 0));
        QCOMPARE(readDotPicture(ini, 3, 4), cells({"...x", "...x", "....", "...."}));
        QCOMPARE(readDotPicture(ini, 9, 8), std::vector<int>(64, 0));
    }

    void marksTheDotsOfTheSubtaskAndNothingElse()
    {
        // Picture 1 has no dot: whichever is drawn, picture 2 is played.
        Game g("[Obr01]\nPocet=4\n[Obr02]\nPocet=4\nRadek1=xx..\nRadek2=x...\nRadek3=\nRadek4=\n", 1, 2);
        QCOMPARE(g.host.asked, QString("Obr\\401\\Punt1.INI"));
        QCOMPARE(g.game.picture(), 2);
        QCOMPARE(g.p.answersNeeded, 3);
        // TargetDot in TileValue: the mirror image.
        const std::vector<int> values(g.p.tileValue.begin() + 1, g.p.tileValue.begin() + 17);
        QCOMPARE(values, cells({"..xx", "...x", "....", "...."}));
        QCOMPARE(g.p.targetTile, 3);

        // The answer grid lies right of the pattern grid, 12 pixels apart,
        // and the frame encloses both.
        QCOMPARE(g.host.backs[1].topLeft(), QPoint(g.p.gridLeft, g.p.gridTop));
        QCOMPARE(g.host.tiles[1].topLeft(), QPoint(g.p.gridLeft + 4 * 30 + 12, g.p.gridTop));
        for (int i = 1; i <= 16; ++i)
            QVERIFY(g.host.frame.contains(g.host.tiles[i]) && g.host.frame.contains(g.host.backs[i]));

        QVERIFY(!g.answer(1));                       // no dot there
        QVERIFY(g.answer(4));
        QCOMPARE(g.p.tileValue[4], kDotMarked);
        QCOMPARE(g.host.drawnTiles.last(), 4);
        QVERIFY(!g.answer(4));                       // already marked: not counted again
        QCOMPARE(g.p.answersGiven, 1);
        QCOMPARE(g.p.targetTile, 3);
        QVERIFY(g.answer(3));
        QCOMPARE(g.p.targetTile, 8);
        QVERIFY(g.answer(8));
        QCOMPARE(g.p.answersGiven, g.p.answersNeeded);
        QCOMPARE(g.p.selectedTile, 0);                // the last dot clears the selection
        QCOMPARE(g.p.targetTile, 0);
    }

    void upsideDownLiesBelowAndAFileWithoutPicturesStillPlays()
    {
        Game g(QByteArray(), 3, 3);
        QCOMPARE(g.game.picture(), 0);
        QCOMPARE(g.p.answersNeeded, 16);             // the two diagonals of 8 x 8 share no cell
        QCOMPARE(g.host.tiles[64].topLeft(), QPoint(g.p.gridLeft + 7 * 30, g.p.gridTop + 8 * 30 + 12 + 7 * 30));
        QVERIFY(g.host.frame.contains(g.host.tiles[64]));
        int right = 0;
        for (int i = 1; i <= 64; ++i)
            right += g.answer(i) ? 1 : 0;
        QCOMPARE(right, g.p.answersNeeded);
    }

    void generatedFilesHoldDistinctPicturesOfTheirSize()
    {
        const QString dir = qEnvironmentVariable("FLUMO_MEDIA_DIR");
        if (dir.isEmpty())
            QSKIP("FLUMO_MEDIA_DIR is not set (ctest sets it to the generated folder)");
        const FileStore files(dir);
        for (int level = 1; level <= 3; ++level) {
            QFile f(files.resolve(dotPictureFile(level)));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(dotPictureFile(level)));
            const IniFile ini = IniFile::fromBytes(f.readAll());
            const int side = dotGridSide(level);
            QSet<QString> seen;
            for (int n = 1; n <= dotPictureCount(level); ++n) {
                const QString section = QStringLiteral("Obr%1").arg(n, 2, 10, QChar(u'0'));
                QCOMPARE(ini.readInt(section, "Pocet", 0), side);
                for (int r = 1; r <= side; ++r)
                    QCOMPARE(ini.readString(section, "Radek" + QString::number(r)).size(), side);
                const std::vector<int> c = readDotPicture(ini, n, side);
                const int dots = int(std::count(c.begin(), c.end(), 1));
                QVERIFY2(dots >= 3 && dots < side * side, qPrintable(section));
                QString key;
                for (int v : c)
                    key += QChar(u'0' + v);
                seen.insert(key);
            }
            QCOMPARE(seen.size(), dotPictureCount(level));
        }
    }
};

QTEST_GUILESS_MAIN(TestDotPicture)
#include "test_dotpicture.moc"
