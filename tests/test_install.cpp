// The installed program: `cmake --install` into a temporary prefix, then the
// installed program started from elsewhere with a fresh home must find its
// installed media, read the right settings file and reach the intro screen.
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = QStringLiteral("cz.flumo.Flumo");

QByteArray fileHash(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_prefix;
    QString m_media;

    // Runs a helper tool; its exit code, output in *out.
    static int runTool(const QString &program, const QStringList &args, QString *out = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        if (!p.waitForFinished(300000))
            return -1;
        if (out)
            *out = QString::fromUtf8(p.readAll());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // Starts the installed program in cwd with home as a fresh HOME, waits
    // until the intro screen is shown, ends it and returns its trace.
    QString startUntilIntro(const QString &cwd, const QString &home, const QStringList &args = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.remove(QStringLiteral("FLUMO_MEDIA_DIR"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("flumo.trace=true"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(cwd);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(m_prefix + QStringLiteral("/bin/flumo"), args);
        QString trace;
        QElapsedTimer clock;
        clock.start();
        while (!trace.contains(QLatin1String("screen name=FUvodObr1 shown")) && clock.elapsed() < 90000) {
            if (p.state() == QProcess::NotRunning)
                break;
            p.waitForReadyRead(500);
            trace += QString::fromUtf8(p.readAll());
        }
        p.kill();
        p.waitForFinished();
        trace += QString::fromUtf8(p.readAll());
        return trace;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        const QString media = qEnvironmentVariable("FLUMO_MEDIA_DIR");
        QVERIFY2(!media.isEmpty(), "FLUMO_MEDIA_DIR names the build's media folder");
        const QString build = QFileInfo(media).absolutePath();
        m_prefix = m_tmp.filePath(QStringLiteral("prefix"));
        m_media = m_prefix + QStringLiteral("/share/flumo");
        QString out;
        QCOMPARE(runTool(QStringLiteral("cmake"), {QStringLiteral("--install"), build, QStringLiteral("--prefix"), m_prefix}, &out), 0);
    }

    void installedProgramStartsFromItsShareFolder()
    {
        QVERIFY(QFileInfo(m_prefix + QStringLiteral("/bin/flumo")).isExecutable());
        // Copied, never a link back into a build folder.
        QVERIFY(!QFileInfo(m_media).isSymLink());
        QVERIFY(QFileInfo::exists(m_media + QStringLiteral("/obr/Okno.PT0")));
        QVERIFY(QFileInfo::exists(m_media + QStringLiteral("/help/Pocty.htm")));
        QVERIFY(QFileInfo::exists(m_prefix + QStringLiteral("/share/icons/hicolor/scalable/apps/flumo.svg")));
        // Debian looks for these under the package's name; the generator's
        // change cache is no part of the install.
        for (const char *doc : {"/share/doc/flumo/copyright", "/share/doc/flumo/changelog.gz", "/share/man/man1/flumo.1.gz"})
            QVERIFY2(QFileInfo(m_prefix + QLatin1String(doc)).size() > 0, doc);
        QVERIFY(!QFileInfo::exists(m_media + QStringLiteral("/.mediagen-fingerprints")));
        for (int size : {16, 48, 256}) {
            const QImage icon(m_prefix + QStringLiteral("/share/icons/hicolor/%1x%1/apps/flumo.png").arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            // Drawn, not blank: the centre pixel is opaque.
            QVERIFY(qAlpha(icon.pixel(size / 2, size / 2)) == 255);
        }
        const QString desktop = m_prefix + QStringLiteral("/share/applications/") + kAppId + QStringLiteral(".desktop");
        const QString metainfo = m_prefix + QStringLiteral("/share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml");
        QString out;
        QCOMPARE(runTool(QStringLiteral("desktop-file-validate"), {desktop}, &out), 0);
        // Hints are advice; errors and warnings are faults.
        QVERIFY2(!out.contains(QLatin1String("error")) && !out.contains(QLatin1String("warning")), qPrintable(out));
        QVERIFY2(runTool(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo}, &out) == 0,
                 qPrintable(out));

        QVERIFY(runTool(m_prefix + QStringLiteral("/bin/flumo"), {QStringLiteral("--version")}, &out) == 0);
        QVERIFY(out.startsWith(QLatin1String("flumo ")));
        QVERIFY(runTool(m_prefix + QStringLiteral("/bin/flumo"), {QStringLiteral("--help")}, &out) == 0);
        QVERIFY(out.contains(QLatin1String("--media")) && out.contains(QLatin1String("flumo/Param1.INI")));
        QCOMPARE(runTool(m_prefix + QStringLiteral("/bin/flumo"), {QStringLiteral("--medium")}), 2);
        QCOMPARE(runTool(m_prefix + QStringLiteral("/bin/flumo"), {QStringLiteral("--media"), m_tmp.filePath(QStringLiteral("none"))}), 2);

        // Started from a folder without media, with a home that has never seen it.
        QTemporaryDir elsewhere, home;
        const QString trace = startUntilIntro(elsewhere.path(), home.path());
        QVERIFY2(trace.contains(QLatin1String("screen name=FUvodObr1 shown")), qPrintable(trace));
        QVERIFY2(trace.contains(QLatin1String("media-folder path=") + m_media), qPrintable(trace));
        QVERIFY2(trace.contains(QLatin1String("settings file path=") + m_media + QLatin1String("/Param1.INI")), qPrintable(trace));
        QVERIFY(trace.contains(QLatin1String("settings loaded task=101 level=1")));
    }

    void readOnlyMediaAndUsersOwnSettings()
    {
        // The media folder read-only (for a non-root user) and watched for writes.
        QStringList before;
        QDirIterator it(m_media, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            before << path;
            QFile::setPermissions(path, QFile::permissions(path) & ~(QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther | QFile::WriteUser));
        }
        const QByteArray installedSettings = fileHash(m_media + QStringLiteral("/Param1.INI"));

        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral(".config/flumo")));
        QFile own(home.filePath(QStringLiteral(".config/flumo/Param1.INI")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("[Obecne]\r\nCislo ukolu=203\r\nUroven ukolu=3\r\nCerne pozadi=0\r\n");
        own.close();

        QTemporaryDir elsewhere;
        const QString trace = startUntilIntro(elsewhere.path(), home.path(), {QStringLiteral("--media"), m_media});
        QVERIFY2(trace.contains(QLatin1String("screen name=FUvodObr1 shown")), qPrintable(trace));
        QVERIFY2(trace.contains(QLatin1String("settings file path=") + own.fileName()), qPrintable(trace));
        QVERIFY2(trace.contains(QLatin1String("settings loaded task=203 level=3")), qPrintable(trace));
        QVERIFY(trace.contains(QLatin1String("backdrop=0")));

        QStringList after;
        QDirIterator again(m_media, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (again.hasNext())
            after << again.next();
        before.sort();
        after.sort();
        QCOMPARE(after, before);
        QCOMPARE(fileHash(m_media + QStringLiteral("/Param1.INI")), installedSettings);
    }

    void cleanupTestCase()
    {
        // Give write rights back so that the temporary folder can be removed.
        QDirIterator it(m_prefix, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
        }
        QFile::setPermissions(m_media, QFile::permissions(m_media) | QFile::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
