#include "app/startoptions.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace flumo {

namespace {

// The entry of folder whose name matches name without regard to case.
QString findEntry(const QString &folder, const QString &name, QDir::Filters filter)
{
    const QStringList entries = QDir(folder).entryList(filter | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    return {};
}

} // namespace

StartOptions parseStartOptions(const QStringList &args)
{
    StartOptions opts;
    auto fail = [&opts](const QString &text) {
        opts.action = StartOptions::Action::Error;
        opts.error = text;
        return opts;
    };
    bool named = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            opts.action = StartOptions::Action::Help;
            return opts;
        }
        if (a == QLatin1String("--version")) {
            opts.action = StartOptions::Action::Version;
            return opts;
        }
        if (a == QLatin1String("--media")) {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("--media needs a folder"));
            opts.mediaDir = args[++i];
            named = true;
        } else if (a.startsWith(QLatin1String("--media="))) {
            opts.mediaDir = a.mid(8);
            named = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("unknown option %1 (see --help)").arg(a));
        } else if (!a.startsWith(QLatin1Char('-'))) {
            return fail(QStringLiteral("unexpected argument %1 (see --help)").arg(a));
        }
    }
    if (named) {
        if (opts.mediaDir.isEmpty() || !QFileInfo(opts.mediaDir).isDir())
            return fail(QStringLiteral("no such folder: %1").arg(opts.mediaDir));
        opts.mediaDir = QFileInfo(opts.mediaDir).absoluteFilePath();
    }
    return opts;
}

QString versionText()
{
    return QStringLiteral("flumo " FLUMO_VERSION "\n");
}

QString helpText()
{
    return QStringLiteral(
        "Usage: flumo [--media DIR]\n"
        "Flumo - počítání pro nejmenší (an early-maths trainer for young children).\n"
        "\n"
        "  --media DIR   run with the media folder DIR\n"
        "  --help        show this text and end\n"
        "  --version     show the version and end\n"
        "\n"
        "Without --media the media folder is the current folder when it holds\n"
        "the media (obr/Okno.PT0), else the installed one (share/flumo beside\n"
        "the program's bin/), else the folder beside the program.\n"
        "\n"
        "Settings are read from Param1.INI in the media folder and never written.\n"
        "A user's own settings file %1\n"
        "is read instead when it exists (copy the installed Param1.INI there and\n"
        "edit it; no root rights are needed).\n")
        .arg(QDir::toNativeSeparators(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/flumo/Param1.INI")));
}

bool holdsMedia(const QString &folder)
{
    const QString obr = findEntry(folder, QStringLiteral("Obr"), QDir::Dirs);
    return !obr.isEmpty() && !findEntry(obr, QStringLiteral("Okno.PT0"), QDir::Files).isEmpty();
}

QString findMediaFolder(const QString &currentDir, const QString &programDir)
{
    const QString candidates[] = {
        currentDir,
        QDir::cleanPath(programDir + QStringLiteral("/../share/flumo")),
        programDir + QStringLiteral("/media"),
        programDir,
    };
    for (const QString &dir : candidates)
        if (holdsMedia(dir))
            return QFileInfo(dir).absoluteFilePath();
    return currentDir;
}

QString userSettingsFile()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    const QString path = config + QStringLiteral("/flumo/Param1.INI");
    return QFileInfo(path).isFile() ? path : QString();
}

QByteArray unreachableBusAddress(const QByteArray &sessionAddress, const QString &runtimeDir, const QString &path)
{
    if (!sessionAddress.isEmpty())
        return {};
    if (!runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus")))
        return {};
    const QStringList folders = path.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!QStandardPaths::findExecutable(QStringLiteral("dbus-launch"), folders).isEmpty())
        return {};
    return QByteArrayLiteral("unix:path=/nonexistent/flumo-no-session-bus");
}

} // namespace flumo
