// The exercise screen's decoded pictures stay within their budget however
// many problems are built: the cache is cleared once it grows past it.
#include "engine/catalog.h"
#include "engine/settings.h"
#include "engine/state.h"
#include "media/pictureloader.h"
#include "platform/filestore.h"
#include "platform/platform.h"
#include "screens/context.h"
#include "screens/exercisescreen.h"
#include "support/testplatform.h"
#include <QDir>
#include <QTest>

using namespace flumo;

class TestPictureCache : public QObject {
    Q_OBJECT
private slots:
    void cacheIsBoundedAcrossManyProblems()
    {
        const QString media = qEnvironmentVariable("FLUMO_MEDIA_DIR");
        if (media.isEmpty() || !QDir(media).exists())
            QSKIP("FLUMO_MEDIA_DIR is not set (ctest sets it to the generated folder)");
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

        test::TraceRecorder trace;
        // Exercises whose problems show many different pictures.
        for (int task : {101, 102, 409}) {
            if (!screen.canBuild(task))
                continue;
            state.currentTask = task;
            state.exerciseChosen = true;
            for (int n = 0; n < 40; ++n) {
                screen.ZamichUkl1Click();
                QCoreApplication::processEvents();
                state.exerciseChosen = false;
            }
        }
        const QStringList clears = trace.lines(QStringLiteral("picture-cache-cleared"));
        QVERIFY2(!clears.isEmpty(), "120 problems never reached the budget");
        for (const QString &line : clears) {
            const qint64 bytes = line.section(QStringLiteral("bytes="), 1).section(u' ', 0, 0).toLongLong();
            // The budget (4 MiB) and at most one problem's pictures beyond it.
            QVERIFY2(bytes < 8LL * 1024 * 1024, qPrintable(line));
        }
    }
};

QTEST_MAIN(TestPictureCache)
#include "test_picturecache.moc"
