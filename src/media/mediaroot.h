#pragma once
#include <QString>
#include <optional>

namespace flumo {

class FileStore;
class OpticalDrives;
class Dialogs;

// LocateMediaRoot. "" when "Obr\Okno.PT0" is in the working folder;
// otherwise the first optical mount point holding it (searched again on
// every "Ano" of the disc prompt). std::nullopt when the user answers "Ne":
// the caller ends the program with exit code 0 before any screen shows.
// cdDrive keeps the last drive found between calls, like the drive letter.
std::optional<QString> LocateMediaRoot(const FileStore &working, const OpticalDrives &drives,
                                       Dialogs &dialogs, QString &cdDrive);

} // namespace flumo
