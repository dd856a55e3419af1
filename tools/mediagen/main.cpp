// mediagen: writes the program's media folder.
//   mediagen --list      every file name, sorted, one a line
//   mediagen --out DIR [--speech-cache DIR2]
//                        (re)writes every file whose bytes differ; with
//                        DIR2, synthesised speech is kept there for later runs
//   mediagen --icons DIR writes the desktop icons (an icon theme tree)
#include "family.h"
#include "mascot.h"
#include "packwriter.h"
#include "speech.h"

#include <QCryptographicHash>
#include <QFile>

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

namespace {
int usage()
{
    std::fprintf(stderr, "usage: mediagen --list | --out DIR [--speech-cache DIR] | --icons DIR\n");
    return 2;
}

// The fingerprint of this program's own build: whatever the code draws, the
// same executable draws the same bytes.
QString buildFingerprint()
{
    QFile self(QCoreApplication::applicationFilePath());
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!self.open(QIODevice::ReadOnly) || !hash.addData(&self))
        return {};
    return QStringLiteral("build:") + QString::fromLatin1(hash.result().toHex());
}
} // namespace

int main(int argc, char **argv)
{
    // Text is painted on images only; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 2 && args[0] == QLatin1String("--icons")) {
        QString error;
        if (!mediagen::writeIcons(args[1], &error)) {
            std::fprintf(stderr, "mediagen: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }

    const bool list = args.size() == 1 && args[0] == QLatin1String("--list");
    const bool out = (args.size() == 2 || (args.size() == 4 && args[2] == QLatin1String("--speech-cache")))
        && args[0] == QLatin1String("--out");
    if (!list && !out)
        return usage();
    if (out && args.size() == 4)
        mediagen::setSpeechCache(args[3]);

    const auto families = mediagen::allFamilies();
    std::vector<mediagen::PackEntry> entries;
    QString error;
    if (!mediagen::collectFiles(families, &entries, &error)) {
        std::fprintf(stderr, "mediagen: %s\n", qPrintable(error));
        return 1;
    }

    if (list) {
        for (const QString &name : mediagen::sortedNames(entries))
            std::printf("%s\n", name.toUtf8().constData());
        return 0;
    }

    QElapsedTimer timer;
    timer.start();
    const mediagen::WriteResult result = mediagen::writePack(entries, args[1], 2, buildFingerprint());
    for (const QString &line : result.errors)
        std::fprintf(stderr, "mediagen: %s\n", line.toUtf8().constData());
    std::printf("%d files, %d written, %lld ms\n", result.files, result.written,
                static_cast<long long>(timer.elapsed()));
    return result.errors.isEmpty() ? 0 : 1;
}
