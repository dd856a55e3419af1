// Every picture and sound the choice exercises can ask for, at every level,
// subtask and both settings of counting with zero, exists in the generated
// media folder (FLUMO_MEDIA_DIR, written by the build), and the pictures the
// build measures decode.
#include "engine/catalog.h"
#include "engine/generator.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "exercises/choice.h"
#include "media/pictureloader.h"
#include "platform/filestore.h"
#include <QSet>
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

    MediaHost(const PictureLoader &l, Problem &p, Random &r, int t) : loader(l), problem(p), random(r), task(t) {}

    QSize pictureSize(const QString &name) override
    {
        asked.insert(name);
        const Picture pic = loader.load(name);
        if (!pic.ok())
            broken << name + ": " + pic.error;
        return pic.ok() ? pic.image.size() : QSize();
    }
    void layOutTiles() override
    {
        const auto tiles = LayOutTiles(problem, task, TileParent::ChoicePanel, 744,
                                       [this](int, const QString &n) { return pictureSize(n); }, random);
        applyTileStems(problem, tiles);
    }
    void showTile(int) override {}
    void drawPatternRow(unsigned, bool, bool) override {}
    void playSound(const QString &name, bool) override { asked.insert(name); }
};

} // namespace

class TestChoiceMedia : public QObject {
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
        QStringList broken;
        int problems = 0;
        for (int task : {101, 102, 108, 111, 202, 204}) {
            QVERIFY(isPlayable(task));
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
                            SetUpExerciseLayout(p, {task, level, subtask, noZero, 9, 1});
                            ChoiceGenerator gen;
                            ProblemContext ctx{p, state, settings, random, host};
                            gen.build(ctx);
                            ++problems;
                            QSet<QString> names = host.asked;
                            for (const QString &n : gen.mediaNames(p))
                                names.insert(n);
                            for (const QString &n : std::as_const(names))
                                if (!files.exists(n))
                                    missing.insert(n);
                            broken += host.broken;
                        }
                }
        }
        QVERIFY(problems > 1000);
        QStringList list = missing.values();
        list.sort();
        QVERIFY2(list.isEmpty(), qPrintable(QString("%1 missing, e.g. %2").arg(list.size()).arg(list.mid(0, 8).join(", "))));
        QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 5).join("; ")));
    }
};

QTEST_GUILESS_MAIN(TestChoiceMedia)
#include "test_choice_media.moc"
