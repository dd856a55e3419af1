// Every picture and sound each playable exercise can ask for, at every
// level, subtask and both settings of counting with zero, exists in the
// generated media folder (FLUMO_MEDIA_DIR, written by the build), the
// pictures the build measures decode, and the tiles fit inside their panel.
#include "engine/catalog.h"
#include "engine/generator.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/pictureloader.h"
#include "platform/filestore.h"
#include <QFile>
#include <QSet>
#include <map>
#include <QTest>

using namespace flumo;

namespace {

// Reads picture sizes from the real media folder and records every name.
struct MediaHost : ProblemHost {
    const PictureLoader &loader;
    Problem &problem;
    Random &random;
    int task;
    QSet<QString> asked;
    QStringList broken;
    QStringList outside;     // tiles that PanelVyb1 would cut off

    MediaHost(const PictureLoader &l, Problem &p, Random &r, int t) : loader(l), problem(p), random(r), task(t) {}

    QSize pictureSize(const QString &name) override
    {
        asked.insert(name);
        const Picture pic = loader.load(name);
        if (!pic.ok())
            broken << name + ": " + pic.error;
        return pic.ok() ? pic.image.size() : QSize();
    }
    std::map<int, QRect> tileRects;     // where each tile ends up
    void layOutTiles() override
    {
        const TileParent parent = tileParentFor(task).value_or(TileParent::Screen);
        const auto tiles = LayOutTiles(problem, task, parent, 744,
                                       [this](int, const QString &n) { return pictureSize(n); }, random);
        applyTileStems(problem, tiles);
        for (const TilePlacement &t : tiles)
            tileRects[t.tile] = t.rect;
    }
    void placeBox(GameBox box, int n, const QRect &rect) override
    {
        if (box == GameBox::Tile)
            tileRects[n] = rect;
    }
    // PanelVyb1 is 744 x 344 by design and 118/120 of that on displays
    // that are not at 120 pixels per inch; no tile may reach past it. Game
    // tiles lie on the 800 x 600 screen (or inside one of its panels).
    void checkTiles()
    {
        const bool panel = tileParentFor(task) == TileParent::ChoicePanel;
        const QRect area = panel ? QRect(0, 0, 744 * 118 / 120, 344 * 118 / 120) : QRect(0, 0, 800, 600);
        for (const auto &[tile, rect] : tileRects)
            if (!area.contains(rect))
                outside << QStringLiteral("%1 tiles %2, tile %3 at %4,%5 %6x%7")
                               .arg(task).arg(problem.tileCount).arg(tile).arg(rect.x())
                               .arg(rect.y()).arg(rect.width()).arg(rect.height());
    }
    void showTile(int) override {}
    void drawPatternRow(unsigned, bool, bool) override {}
    void playSound(const QString &name, bool) override { asked.insert(name); }
    // Games that read their pictures' pixels and data files.
    const FileStore *files = nullptr;
    QImage pictureImage(const QString &name) override
    {
        asked.insert(name);
        return loader.load(name).image;
    }
    QByteArray readDataFile(const QString &name) override
    {
        asked.insert(name);
        QFile f(files ? files->resolve(name) : QString());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

class TestExerciseMedia : public QObject {
    Q_OBJECT
private slots:
    void everyNameExistsInTheMediaFolder()
    {
        const QString dir = qEnvironmentVariable("FLUMO_MEDIA_DIR");
        if (dir.isEmpty())
            QSKIP("FLUMO_MEDIA_DIR is not set (ctest sets it to the generated folder)");
        const FileStore files(dir);
        QVERIFY2(files.exists("Obr\\Okno.PT0"), "the media folder is not generated");
        PictureLoader loader(files);

        QSet<QString> missing;
        QStringList broken, outside;
        int problems = 0;
        for (const CatalogEntry &entry : catalog()) {
            const int task = entry.taskId;
            if (!isPlayable(task))
                continue;
            for (int level = 1; level <= maxLevelOf(task); ++level)
                for (int subtask = 1; subtask <= subtaskCountOf(task); ++subtask) {
                    for (int take = 1; take <= promptCountOf(task); ++take) {
                        const QString prompt = promptFileName(task, promptVariant(task, subtask), take);
                        if (!files.exists(prompt))
                            missing.insert(prompt);
                    }
                    for (bool noZero : {true, false})
                        for (std::uint64_t seed = 1; seed <= 60; ++seed) {
                            Problem p;
                            EngineState state;
                            state.currentTask = task, state.currentLevel = level, state.currentSubtask = subtask;
                            GeneratorSettings settings;
                            settings.noZero = noZero;
                            Random random(seed);
                            MediaHost host(loader, p, random, task);
                            host.files = &files;
                            SetUpExerciseLayout(p, {task, level, subtask, noZero, 9, 1});
                            const std::unique_ptr<Generator> gen = generatorFor(task)();
                            ProblemContext ctx{p, state, settings, random, host};
                            gen->build(ctx);
                            host.checkTiles();
                            ++problems;
                            QSet<QString> names = host.asked;
                            for (const QString &n : gen->mediaNames(p))
                                names.insert(n);
                            for (const QString &n : std::as_const(names))
                                if (!files.exists(n))
                                    missing.insert(n);
                            broken += host.broken;
                            outside += host.outside;
                        }
                }
        }
        QVERIFY(problems > 1000);
        QStringList list = missing.values();
        list.sort();
        QVERIFY2(list.isEmpty(), qPrintable(QString("%1 missing, e.g. %2").arg(list.size()).arg(list.mid(0, 8).join(", "))));
        QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 5).join("; ")));
        QVERIFY2(outside.isEmpty(), qPrintable(QString("%1 tiles cut off, e.g. %2").arg(outside.size()).arg(outside.mid(0, 4).join("; "))));
    }
};

QTEST_GUILESS_MAIN(TestExerciseMedia)
#include "test_exercise_media.moc"
