// The exercise screen's decoded pictures stay within their budget however
// many problems are built: past it the pictures used longest ago are dropped.
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
        const QStringList trims = trace.lines(QStringLiteral("picture-cache-trimmed"));
        QVERIFY2(!trims.isEmpty(), "120 problems never reached the budget");
        const auto field = [](const QString &line, const QString &key) {
            return line.section(key + u'=', 1).section(u' ', 0, 0).toLongLong();
        };
        for (const QString &line : trims) {
            // The budget (1.5 MiB) and at most one problem's pictures beyond it.
            QVERIFY2(field(line, QStringLiteral("bytes")) < 4LL * 1024 * 1024, qPrintable(line));
            const qint64 kept = field(line, QStringLiteral("kept"));
            QVERIFY2(kept > 0 && kept <= 1536 * 1024, qPrintable(line));
        }
    }
};

QTEST_MAIN(TestPictureCache)
#include "test_picturecache.moc"
