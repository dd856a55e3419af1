// The picture hunt through its answer rule, with the property file the
// media generator wrote: reading property values, clues that are always
// true of the secret picture and never of the picked one, grey pictures
// that stay silent, and the find that greys the rest.
#include "games/findpicture.h"
#include "platform/filestore.h"
#include "support/generatorenv.h"
#include <QFile>
#include <QTest>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    const FileStore *files = nullptr;
    Host()
    {
        parent = TileParent::Screen;
        size = [](const QString &) { return QSize(126, 126); };
    }
    QByteArray readDataFile(const QString &name) override
    {
        QFile f(files->resolve(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

class TestFindPicture : public QObject {
    Q_OBJECT
private slots:
    void propertyValuesAreReadWithoutInventedCodes()
    {
        QCOMPARE(parseHuntProperties("11,21;32 41"), (HuntProperties{11, 21, 32, 41}));
        QCOMPARE(parseHuntProperties("11,,21"), (HuntProperties{11, 21}));
        QCOMPARE(parseHuntProperties(",11, 21,"), (HuntProperties{11, 21}));
        QCOMPARE(parseHuntProperties(""), HuntProperties{});
        QCOMPARE(parseHuntProperties("1,2,3,4,5,6,7,8,9,10,11,12"), (HuntProperties{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        // Slot clues, and what is said when the slots tell nothing.
        QCOMPARE(huntClues({11, 21, 31}, {12, 21, 32}), (std::vector<int>{11, 31}));
        QCOMPARE(huntClues({11, 21}, {0, 22}), std::vector<int>{21});
        QCOMPARE(huntFallbackClues({11, 21}, {21, 0}), std::vector<int>{11});
        QVERIFY(huntFallbackClues({11, 21}, {21, 11, 31}).empty());
    }

    void cluesTellTheSecretApartAndTheFindGreysTheRest()
    {
        const QString dir = qEnvironmentVariable("FLUMO_MEDIA_DIR");
        if (dir.isEmpty())
            QSKIP("FLUMO_MEDIA_DIR is not set (ctest sets it to the generated folder)");
        const FileStore files(dir);
        QSet<int> sets;
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            test::GeneratorRun<FindPictureGame, Host> run(409, 1, 1, seed);
            run.host.files = &files;
            run.build(true);
            auto [p, host, game, ctx] = std::tie(run.p, run.host, run.gen, run.ctx);
            sets.insert(game.set());
            QCOMPARE(host.sounds, QStringList{huntOpeningSound(game.set())});
            const int target = p.targetTile;
            const HuntProperties secret = game.properties(p.tileValue[target]);
            QVERIFY(secret[0] != 0);   // the file was read

            // Wrong picks in random order, each turned grey with a clue.
            Random order(seed * 7);
            const int wrongPicks = order.range(0, 19);
            for (int k = 0; k < wrongPicks; ++k) {
                const int t = order.range(1, 20);
                if (t == target)
                    continue;
                const bool grey = p.tileValue[t] > kHuntGrey;
                const HuntProperties chosen = game.properties(p.tileValue[t] % kHuntGrey);
                host.sounds.clear();
                QVERIFY(!game.judgeStep(ctx, t));
                QVERIFY(game.quietWrong(p, t));
                if (grey) {
                    QVERIFY(host.sounds.isEmpty());
                    continue;
                }
                const int clue = game.lastClue();
                QVERIFY(clue != 0);
                QVERIFY(std::find(secret.begin(), secret.end(), clue) != secret.end());
                QVERIFY(std::find(chosen.begin(), chosen.end(), clue) == chosen.end());
                QCOMPARE(host.sounds, QStringList{huntClueSound(game.set(), clue)});
                QVERIFY(files.exists(host.sounds.first()));
                QVERIFY(p.tileInfo[t].name.endsWith("_2"));
                QVERIFY(p.tileValue[t] > kHuntGrey);
            }
            p.selectedTile = target;
            QVERIFY(game.judgeStep(ctx, target));
            for (int i = 1; i <= 20; ++i)
                QVERIFY(p.tileInfo[i].name.endsWith(i == target ? "_1" : "_2"));
        }
        QCOMPARE(sets.size(), kHuntSets);
    }
};

QTEST_GUILESS_MAIN(TestFindPicture)
#include "test_findpicture.moc"
