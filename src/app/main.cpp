// Flumo: the program's entry. The working folder becomes the media folder.
#include "app/application.h"
#include "app/startoptions.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const flumo::StartOptions opts = flumo::parseStartOptions(args);
    switch (opts.action) {
    case flumo::StartOptions::Action::Help:
        std::fputs(flumo::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case flumo::StartOptions::Action::Version:
        std::fputs(flumo::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case flumo::StartOptions::Action::Error:
        std::fprintf(stderr, "flumo: %s\n", opts.error.toLocal8Bit().constData());
        return 2;
    case flumo::StartOptions::Action::Run:
        break;
    }

    const QByteArray bus = flumo::unreachableBusAddress(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
                                                        qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                                        qEnvironmentVariable("PATH"));
    if (!bus.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    QApplication app(argc, argv);
    const QString media = opts.mediaDir.isEmpty()
        ? flumo::findMediaFolder(QDir::currentPath(), QCoreApplication::applicationDirPath())
        : opts.mediaDir;
    QDir::setCurrent(media);
    flumo::SystemPlatform system(media);
    system.setSettingsFile(flumo::userSettingsFile());
    flumo::trace("media-folder", {{"path", media}});
    flumo::Application flumo(system.platform());
    if (!flumo.createScreens())
        return 0;
    return flumo.exec();
}
