// The start-up's D-Bus decision: an unreachable session address only when no
// bus could be found or started, never over a bus that is there.
#include "app/startoptions.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace flumo;

class TestStartEnv : public QObject {
    Q_OBJECT
private slots:
    void busAddressOnlyWhenNoBusCanBeFound()
    {
        QTemporaryDir runtime, bin, empty;
        const QString noLauncher = empty.path() + QStringLiteral(":/nonexistent-folder");
        const QByteArray dead = unreachableBusAddress({}, runtime.path(), noLauncher);
        QVERIFY(dead.startsWith("unix:path=/nonexistent/"));

        // A bus named by the environment, a socket in the runtime folder, or
        // a launcher on the PATH that may still find one: left alone.
        QVERIFY(unreachableBusAddress("unix:path=/run/user/1000/bus", runtime.path(), noLauncher).isEmpty());
        QFile socket(runtime.path() + QStringLiteral("/bus"));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();
        QVERIFY(unreachableBusAddress({}, runtime.path(), noLauncher).isEmpty());
        QFile launcher(bin.path() + QStringLiteral("/dbus-launch"));
        QVERIFY(launcher.open(QIODevice::WriteOnly));
        launcher.close();
        QVERIFY(launcher.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(unreachableBusAddress({}, empty.path(), noLauncher + u':' + bin.path()).isEmpty());
        QVERIFY(!unreachableBusAddress({}, QString(), noLauncher).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStartEnv)
#include "test_startenv.moc"
