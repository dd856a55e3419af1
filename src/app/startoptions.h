#pragma once
// The program's command line and the places it looks for its media folder
// and for a user's own settings file. Nothing here needs a display, so
// "--help" and "--version" answer before any window system is touched.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace flumo {

struct StartOptions {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString mediaDir;   // from "--media DIR"; empty: found by findMediaFolder
    QString error;      // for Action::Error, one line for stderr
};

// args: the arguments after the program name. Arguments with a single dash
// belong to the window system ("-platform offscreen") and are passed over.
StartOptions parseStartOptions(const QStringList &args);

QString helpText();
QString versionText();

// True when folder holds a media folder: its marker "Obr\Okno.PT0", found
// without regard to letter case.
bool holdsMedia(const QString &folder);

// The media folder to run in when none is named: the current folder when it
// holds the media, else the install's data folder (<prefix>/share/flumo for
// the program in <prefix>/bin), else "media" beside the program (the build
// tree), else the program's own folder. When none holds the media the
// current folder is used, where the media-root search asks for the disc.
QString findMediaFolder(const QString &currentDir, const QString &programDir);

// A user's own "flumo/Param1.INI" in the XDG configuration folder when it
// exists, else empty (the media folder's "Param1.INI" is read).
QString userSettingsFile();

// The D-Bus session address to set before the application starts, or empty
// to keep the environment as it is. Qt's accessibility bridge asks for the
// session bus when the first window shows; with no bus to be found libdbus
// tries to start one by running "dbus-launch --autolaunch" from every folder
// on the PATH (a fork and a dozen failing program starts on the way to the
// first painted screen). When no bus can come of that - no address given, no
// "$XDG_RUNTIME_DIR/bus" socket, no dbus-launch on the PATH - an address
// that cannot be reached lets the lookup fail at once, as it would anyway.
QByteArray unreachableBusAddress(const QByteArray &sessionAddress, const QString &runtimeDir, const QString &path);

} // namespace flumo
