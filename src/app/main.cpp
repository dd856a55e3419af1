// Flumo: the program's entry. The working folder is the media folder.
#include "app/application.h"
#include "platform/platform.h"
#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    flumo::SystemPlatform system(QDir::currentPath());
    flumo::Application flumo(system.platform());
    if (!flumo.createScreens())
        return 0;
    return flumo.exec();
}
