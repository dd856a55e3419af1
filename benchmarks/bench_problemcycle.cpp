// Times the problem cycle on the real media folder: a Problem build of each
// playable exercise (the same exercise again, so no prompt is spoken) and the
// move of the highlight from one Tile to another. Sounds go to a recording
// device and waits to a fake clock, so the figures are the program's own
// work. Usage: bench_problemcycle [media folder] [TaskId...] (default: the
// build's media, every playable exercise); naming exercises narrows the run,
// e.g. for a profiler; BENCH_RUNS sets the builds per exercise (100).
// Under callgrind, --dump-before=benchPart gives one profile part per
// exercise and step (first build, builds, highlight moves).
// The colouring games also time the fill of the largest region of each of
// ten pictures (finding its pixels, filling and hatching them).
#include "engine/catalog.h"
#include "engine/settings.h"
#include "engine/state.h"
#include "games/colouring.h"
#include "media/pictureloader.h"
#include "platform/platform.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include <QApplication>
#include <QDir>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace flumo;

namespace {

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Where a profiler splits the run; does nothing itself.
extern "C" __attribute__((noinline)) void benchPart(int task, int step)
{
    asm volatile("" : : "r"(task), "r"(step) : "memory");
}

struct Figures {
    double mean = 0, worst = 0;
};

template <typename F>
Figures timeIt(int runs, F &&f)
{
    std::vector<double> t;
    t.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        f(i);
        t.push_back(cpuMs() - start);
    }
    Figures out;
    for (double v : t)
        out.mean += v;
    out.mean /= runs;
    out.worst = *std::max_element(t.begin(), t.end());
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString media = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(FLUMO_DEFAULT_MEDIA_DIR);
    if (!QDir(media).exists()) {
        std::fprintf(stderr, "no media folder %s\n", qPrintable(media));
        return 1;
    }
    QDir::setCurrent(media);

    FakeClock clock;
    FileStore files(media);
    RecordingSoundDevice sound(&clock);
    ScriptedDialogs dialogs;
    FakePointer pointer;
    FakeOpticalDrives drives;
    Platform platform{files, dialogs, sound, clock, pointer, drives};
    EngineState state;
    Scores scores;
    Settings settings(scores, state);
    PictureLoader pictures(files);
    AppContext ctx{platform, settings, state, scores, pictures};

    ExerciseScreen screen(ctx, DisplayMetrics{120, 32});
    screen.show();
    QCoreApplication::processEvents();

    const int runs = qEnvironmentVariableIsSet("BENCH_RUNS") ? std::max(1, qEnvironmentVariableIntValue("BENCH_RUNS")) : 100;
    QSet<int> only;
    for (int i = 2; i < argc; ++i)
        only.insert(QString::fromLocal8Bit(argv[i]).toInt());

    std::printf("media: %s\n", qPrintable(media));
    std::printf("%-6s %-28s %12s %12s %12s\n", "task", "step", "first ms", "mean ms", "worst ms");
    for (const CatalogEntry &entry : catalog()) {
        const int task = entry.taskId;
        if (!screen.canBuild(task) || (!only.isEmpty() && !only.contains(task)))
            continue;
        state.currentTask = task;
        state.currentLevel = maxLevelOf(task);
        state.exerciseChosen = true;
        benchPart(task, 1);
        const double first = cpuMs();
        screen.ZamichUkl1Click();   // prompt, panels, full repaint
        const double firstMs = cpuMs() - first;
        QCoreApplication::processEvents();
        benchPart(task, 2);
        const Figures build = timeIt(runs, [&](int) {
            screen.ZamichUkl1Click();
            QCoreApplication::processEvents();   // the Tiles' paints count too
        });
        std::printf("%-6d %-28s %12.3f %12.3f %12.3f\n", task, "build (same exercise)", firstMs, build.mean, build.worst);

        if (const auto *colouring = dynamic_cast<const ColouringGame *>(screen.generator())) {
            benchPart(task, 4);
            Figures fill;
            for (int picture = 0; picture < 10; ++picture) {
                screen.ZamichUkl1Click();
                QImage canvas = colouring->canvas();
                QPoint largest;
                std::size_t most = 0;
                for (const ColourRegion &r : colouring->regions()) {
                    const std::size_t n = regionPixels(canvas, r.mark).size();
                    if (n > most)
                        most = n, largest = r.mark;
                }
                const Figures f = timeIt(10, [&](int) {
                    const std::vector<int> px = regionPixels(canvas, largest);
                    fillPixels(canvas, px, kColouringWhite);
                    hatchPixels(canvas, px, true);
                });
                fill.mean += f.mean / 10;
                fill.worst = std::max(fill.worst, f.worst);
            }
            std::printf("%-6d %-28s %12s %12.3f %12.3f\n", task, "largest region fill", "", fill.mean, fill.worst);
        }

        benchPart(task, 3);
        const int tiles = screen.problem().tileCount;
        if (tiles < 2)
            continue;
        const Figures hover = timeIt(400, [&](int i) { screen.tilePointerMoved(i % 2 == 0 ? 2 : 1); });
        std::printf("%-6d %-28s %12s %12.3f %12.3f\n", task, "highlight move", "", hover.mean, hover.worst);
    }
    return 0;
}
