#include "support/testplatform.h"
#include "media/jpeg.h"
#include "platform/trace.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cmath>

namespace flumo::test {

TestPlatform::TestPlatform()
    : files(QString())
{
    files = FileStore(m_dir.path());
}

void TestPlatform::write(const QString &relPath, const QByteArray &bytes)
{
    const QString path = m_dir.path() + QLatin1Char('/') + relPath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    f.close();
    files.rescan();
}

void TestPlatform::writeJpeg(const QString &relPath, int w, int h, QColor color)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    write(relPath, encodeJpeg(img, 90));
}

void TestPlatform::writeWav(const QString &relPath, int ms)
{
    write(relPath, makeWav(ms));
}

void TestPlatform::writeMediaMarker()
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::blue);
    write(QStringLiteral("Obr/Okno.PT0"), makeContainer(encodeJpeg(img, 90), 0));
}

QByteArray makeWav(int ms)
{
    const int rate = 22050;
    const int samples = rate * ms / 1000;
    QByteArray pcm(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        const qint16 v = qint16(3000 * std::sin(2 * M_PI * 440.0 * i / rate));
        qToLittleEndian<qint16>(v, pcm.data() + 2 * i);
    }
    QByteArray out;
    auto u32 = [&out](quint32 v) { char b[4]; qToLittleEndian<quint32>(v, b); out.append(b, 4); };
    auto u16 = [&out](quint16 v) { char b[2]; qToLittleEndian<quint16>(v, b); out.append(b, 2); };
    out.append("RIFF"); u32(36 + pcm.size()); out.append("WAVE");
    out.append("fmt "); u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    out.append("data"); u32(pcm.size()); out.append(pcm);
    return out;
}

QByteArray makeContainer(const QByteArray &jpeg, int b)
{
    QByteArray out(b + 255, '\x5a');
    out[236] = char(b);
    out.append(jpeg);
    return out;
}

namespace {
QStringList *g_lines = nullptr;
QtMessageHandler g_previous = nullptr;

void handler(QtMsgType type, const QMessageLogContext &ctx, const QString &msg)
{
    if (g_lines && ctx.category && qstrcmp(ctx.category, "flumo.trace") == 0) {
        g_lines->append(msg);
        return;
    }
    if (g_previous)
        g_previous(type, ctx, msg);
}
} // namespace

TraceRecorder::TraceRecorder()
{
    g_lines = new QStringList;
    g_previous = qInstallMessageHandler(handler);
    QLoggingCategory::setFilterRules(QStringLiteral("flumo.trace.info=true"));
}

TraceRecorder::~TraceRecorder()
{
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(g_previous);
    delete g_lines;
    g_lines = nullptr;
}

QStringList TraceRecorder::lines() const { return *g_lines; }

QStringList TraceRecorder::lines(const QString &event) const
{
    QStringList out;
    for (const QString &l : *g_lines)
        if (l == event || l.startsWith(event + QLatin1Char(' ')))
            out.append(l);
    return out;
}

void TraceRecorder::clear() { g_lines->clear(); }

} // namespace flumo::test
