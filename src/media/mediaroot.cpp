#include "media/mediaroot.h"
#include "platform/devices.h"
#include "platform/dialogs.h"
#include "platform/filestore.h"

namespace flumo {
namespace {

bool holdsMarker(const QString &root, const QString &marker)
{
    // An empty root would index the process's current folder; it never
    // stands for a drive.
    return !root.isEmpty() && FileStore(root).exists(marker);
}

} // namespace

std::optional<QString> LocateMediaRoot(const FileStore &working, const OpticalDrives &drives,
                                       Dialogs &dialogs, QString &cdDrive)
{
    const QString marker = QStringLiteral("Obr\\Okno.PT0");
    if (working.exists(marker))
        return QString();
    const QString prompt = QStringLiteral("Vložte do počítače CD Flumo!\n\n"
                                          "Máte-li již vloženo CD, stiskněte Ano,\n"
                                          "chcete-li program ukončit, Stiskněte Ne.");
    for (;;) {
        const QStringList mounts = drives.mountPoints();
        if (!mounts.isEmpty())
            cdDrive = mounts.first();
        const QString root = cdDrive;
        if (holdsMarker(root, marker))
            return root;
        dialogs.beep(BeepKind::Ding);
        if (!dialogs.errorYesNo(QStringLiteral("Chyba"), prompt))
            return std::nullopt;
    }
}

} // namespace flumo
