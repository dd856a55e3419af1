// The generated speech, effect sounds, animations and help page: every file
// the program asks for exists and is a sound or animation it can play.
#include "family.h"
#include "prompts.h"
#include "gif.h"
#include "speech.h"
#include "wav.h"
#include "platform/clock.h"
#include "platform/inifile.h"
#include "platform/sounddevice.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

struct WavInfo {
    QString error;           // empty when the file is a valid mono WAV the device plays
    int format = 0;          // 1 PCM, 0x11 IMA ADPCM
    int sampleRate = 0;
    double seconds = 0;      // as played (an ADPCM file's whole blocks)
    int peak = 0;            // largest absolute sample
    double clippedShare = 0; // share of samples at full scale
    std::vector<qint16> samples;
};

// The RIFF chunks read here, the samples decoded by SDL_LoadWAV as the
// program's sound device decodes them (not by the generator's writer).
WavInfo readWav(const QByteArray &b)
{
    WavInfo info;
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return {u"no RIFF/WAVE header"_s};
    if (u32(4) != quint32(b.size() - 8))
        return {u"RIFF size %1 does not match file size %2"_s.arg(u32(4)).arg(b.size())};
    for (int at = 12; at + 8 <= b.size(); at += 8 + int(u32(at + 4)) + int(u32(at + 4) & 1)) {
        if (at + 8 + qint64(u32(at + 4)) > b.size())
            return {u"chunk %1 runs past the end"_s.arg(QString::fromLatin1(b.mid(at, 4)))};
        if (b.mid(at, 4) == "fmt ")
            info.format = u16(at + 8);
    }
    SDL_AudioSpec audio{};
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(b.constData(), int(b.size())), 1, &audio, &buffer, &length))
        return {u"SDL cannot read it: "_s + QString::fromUtf8(SDL_GetError())};
    if (audio.format != AUDIO_S16LSB || audio.channels != 1) {
        SDL_FreeWAV(buffer);
        return {u"not 16-bit mono once decoded"_s};
    }
    info.sampleRate = audio.freq;
    info.samples.resize(length / 2);
    std::memcpy(info.samples.data(), buffer, info.samples.size() * 2);
    SDL_FreeWAV(buffer);
    int clipped = 0;
    for (qint16 v : info.samples) {
        info.peak = std::max(info.peak, std::abs(int(v)));
        clipped += std::abs(int(v)) >= 32767;
    }
    const qsizetype n = qsizetype(info.samples.size());
    info.seconds = double(n) / info.sampleRate;
    info.clippedShare = n ? double(clipped) / n : 0;
    return info;
}

struct GifInfo {
    bool valid = false;
    QSize size;
    int frames = 0;
    int distinctFrames = 0;
    int loopCount = 0;
    double minOpaqueShare = 1; // smallest share of visible pixels over the frames
};

GifInfo readGif(const QByteArray &bytes)
{
    GifInfo info;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    if (!reader.canRead())
        return info;
    info.valid = true;
    info.size = reader.size();
    info.loopCount = reader.loopCount();
    QList<QImage> seen;
    for (QImage img = reader.read(); !img.isNull(); img = reader.read()) {
        ++info.frames;
        img = img.convertToFormat(QImage::Format_ARGB32);
        if (std::none_of(seen.begin(), seen.end(), [&](const QImage &s) { return s == img; }))
            seen.append(img);
        qint64 opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                opaque += qAlpha(img.pixel(x, y)) > 0;
        info.minOpaqueShare = std::min(info.minOpaqueShare, double(opaque) / (img.width() * img.height()));
    }
    info.distinctFrames = int(seen.size());
    return info;
}

} // namespace

class TestMediagenSound : public QObject {
    Q_OBJECT

    QMap<QString, QByteArray> m_sounds, m_animations, m_help;
    std::vector<mediagen::MediaFile> m_soundFiles, m_animationFiles;

    static QMap<QString, QByteArray> makeAll(const std::vector<mediagen::MediaFile> &files)
    {
        QMap<QString, QByteArray> out;
        for (const mediagen::MediaFile &f : files)
            if (f.prepare)
                f.prepare();
        for (const mediagen::MediaFile &f : files)
            out.insert(f.name, f.make());
        return out;
    }

private slots:
    void initTestCase()
    {
        m_soundFiles = mediagen::makeSoundFamily()->files();
        m_sounds = makeAll(m_soundFiles);
        m_animationFiles = mediagen::makeAnimationFamily()->files();
        m_animations = makeAll(m_animationFiles);
        m_help = makeAll(mediagen::makeHelpFamily()->files());
        QVERIFY(!m_sounds.isEmpty());
        QCOMPARE(int(m_sounds.size()), int(m_soundFiles.size())); // no name twice
    }

    // The effects and the alert chime by their fixed names; the praise and
    // reprimand lists, which the settings screen shows by file name and
    // stores as INI keys (Windows-1250), named by their phrase.
    void effectsAndRewardSoundsExist()
    {
        for (const char *stem : {"klik1", "klik2", "zpet", "pokladna", "penize", "cihly", "poloz", "blud", "ding"})
            QVERIFY2(m_sounds.contains(u"zvuky\\"_s + QLatin1String(stem) + u".wav"_s), stem);
        int praise = 0, gentle = 0;
        for (const auto &[list, count] : {std::pair{mediagen::praisePhrases(), &praise},
                                          std::pair{mediagen::reprimandPhrases(), &gentle}})
            for (const mediagen::SpokenText &t : list) {
                QVERIFY2(m_sounds.contains(t.name), qPrintable(t.name));
                const QString stem = t.name.section(u'\\', 2).chopped(4);
                QVERIFY2(t.text.startsWith(stem) && t.text.size() - stem.size() <= 1, qPrintable(t.name));
                QVERIFY2(!stem.contains(QRegularExpression(u"[=\\[\\];]"_s)) && stem.trimmed() == stem,
                         qPrintable(stem));
                QCOMPARE(flumo::IniFile::decode1250(flumo::IniFile::encode1250(stem)), stem);
                ++*count;
            }
        QVERIFY(praise >= 6);
        QVERIFY(gentle >= 4);
    }

    // Every sound is a valid WAV, audible, unclipped and of a sensible length:
    // speech at least a word and short enough for a child to follow, effects
    // short (the longest is the register's bell).
    void everyWavIsPlayable()
    {
        for (auto it = m_sounds.cbegin(); it != m_sounds.cend(); ++it) {
            const WavInfo w = readWav(it.value());
            const QString what = it.key() + u": "_s;
            QVERIFY2(w.error.isEmpty(), qPrintable(what + w.error));
            QVERIFY2(w.sampleRate >= 8000 && w.sampleRate <= 48000, qPrintable(what + u"rate"_s));
            QVERIFY2(w.peak > 6000, qPrintable(what + u"too quiet, peak %1"_s.arg(w.peak)));
            QVERIFY2(w.clippedShare < 0.001, qPrintable(what + u"clipped"_s));
            const bool spoken = it.key().contains(u"\\uv"_s) || it.key().contains(u"\\spravne\\"_s)
                || it.key().contains(u"\\spatne\\"_s);
            // Speech is IMA ADPCM (a quarter of PCM), effects stay PCM.
            QVERIFY2(w.format == (spoken ? 0x11 : 1), qPrintable(what + u"format %1"_s.arg(w.format)));
            // A spoken prompt keeps the board still until it ends: at most 4 s.
            const double lo = spoken ? 0.4 : 0.04, hi = spoken ? 4.0 : 2.0;
            QVERIFY2(w.seconds >= lo && w.seconds <= hi, qPrintable(what + u"%1 s"_s.arg(w.seconds)));
        }
    }

    // Files made on two threads at once: effects and animations are the same
    // bytes; speech (one engine per process, whose pitch flutter varies the
    // samples) keeps its rate and loudness and nearly its length.
    void makingFromTwoThreadsGivesTheSameFiles()
    {
        std::vector<const mediagen::MediaFile *> picks;
        for (const mediagen::MediaFile &f : m_soundFiles)
            if (f.name.contains(u"uv10"_s) || f.name.contains(u"spravne"_s) || f.name.endsWith(u"penize.wav"_s))
                picks.push_back(&f);
        for (const mediagen::MediaFile &f : m_animationFiles)
            if (f.name.contains(u"nulák0"_s) || f.name.endsWith(u"07.GIF"_s))
                picks.push_back(&f);
        QVERIFY(picks.size() > 20);
        for (const mediagen::MediaFile *f : picks)   // once for each thread
            for (int twice = 0; f->prepare && twice < 2; ++twice)
                f->prepare();
        std::vector<QByteArray> a(picks.size()), b(picks.size());
        std::thread t1([&] { for (size_t i = 0; i < picks.size(); ++i) a[i] = picks[i]->make(); });
        std::thread t2([&] { for (size_t i = picks.size(); i-- > 0;) b[i] = picks[i]->make(); });
        t1.join();
        t2.join();
        for (size_t i = 0; i < picks.size(); ++i) {
            const QString &name = picks[i]->name;
            if (!name.contains(u"\\uv"_s) && !name.contains(u"spravne"_s)) {
                const QByteArray before = m_sounds.value(name, m_animations.value(name));
                QVERIFY2(!before.isEmpty() && a[i] == before && b[i] == a[i], qPrintable(name));
                continue;
            }
            const WavInfo before = readWav(m_sounds.value(name));
            for (const QByteArray &again : {a[i], b[i]}) {
                const WavInfo w = readWav(again);
                QVERIFY2(w.error.isEmpty() && w.peak > 6000, qPrintable(name + w.error));
                QCOMPARE(w.sampleRate, before.sampleRate);
                QVERIFY2(std::abs(w.seconds - before.seconds) < std::max(0.25, 0.12 * before.seconds),
                         qPrintable(name + u" %1 s instead of %2 s"_s.arg(w.seconds).arg(before.seconds)));
            }
        }
    }

    void pcmConversionClipsInsteadOfWrapping()
    {
        const std::vector<int16_t> pcm = mediagen::toPcm16({2.0f, -3.0f, 0.5f, 0.0f});
        QCOMPARE(pcm, (std::vector<int16_t>{32767, -32767, 16384, 0}));
        const WavInfo w = readWav(mediagen::encodeWav(pcm, 11025));
        QVERIFY2(w.error.isEmpty(), qPrintable(w.error));
        QCOMPARE(w.sampleRate, 11025);
        QCOMPARE(w.peak, 32767);
    }

    // A voice-like sound (a 140 Hz buzz through two formants, gliding),
    // a hiss like "s" and silence come back from SDL's decoder close to what
    // was encoded, as long as encoded plus the silence of the last block;
    // the test device waits exactly as long as SDL plays.
    void imaAdpcmKeepsSpeechAndItsLength()
    {
        const int rate = 22050;
        std::vector<int16_t> in;
        quint32 noise = 12345;
        for (int i = 0; i < rate * 13 / 10; ++i) {
            const double t = double(i) / rate;
            double v = 0;
            if (t < 0.7) {
                const double f0 = 140 + 40 * t;
                for (int h = 1; h <= 25; ++h) {
                    const double f = f0 * h;
                    const double formants = 1 / (1 + std::pow((f - 700) / 150, 2)) + 0.5 / (1 + std::pow((f - 1200) / 200, 2));
                    v += formants * std::sin(2 * M_PI * f * t) / h;
                }
                v *= 9000;
            } else if (t < 1.0) {
                noise = noise * 1103515245u + 12345u;
                v = (double(noise >> 16 & 0x7fff) - 16384) * 0.4;
            }
            in.push_back(int16_t(std::lround(v)));
        }
        const QByteArray file = mediagen::encodeImaAdpcmWav(in, rate);
        QCOMPARE(file.size(), 60 + int((in.size() + mediagen::kImaBlockSamples - 1) / mediagen::kImaBlockSamples)
                                        * mediagen::kImaBlockBytes);
        QVERIFY(file.size() < int(in.size()) / 2 + 1024);   // a quarter of PCM, with headers
        const WavInfo w = readWav(file);
        QVERIFY2(w.error.isEmpty(), qPrintable(w.error));
        QCOMPARE(w.format, 0x11);
        QCOMPARE(w.sampleRate, rate);
        QVERIFY(w.samples.size() >= in.size() && w.samples.size() < in.size() + mediagen::kImaBlockSamples);
        auto snr = [&](size_t from, size_t to) {
            double signal = 0, error = 0;
            for (size_t i = from; i < to; ++i) {
                signal += double(in[i]) * in[i];
                error += std::pow(double(in[i]) - w.samples[i], 2);
            }
            return 10 * std::log10(signal / std::max(error, 1.0));
        };
        const size_t voiceEnd = size_t(rate * 0.7), hissEnd = size_t(rate * 1.0);
        QVERIFY2(snr(0, voiceEnd) > 20, qPrintable(QString::number(snr(0, voiceEnd))));
        QVERIFY2(snr(voiceEnd, hissEnd) > 12, qPrintable(QString::number(snr(voiceEnd, hissEnd))));
        for (size_t i = hissEnd + 200; i < w.samples.size(); ++i)
            QVERIFY2(std::abs(w.samples[i]) < 64, qPrintable(QString::number(i)));

        QTemporaryDir dir;
        QFile out(dir.filePath(u"a.wav"_s));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        flumo::FakeClock clock;
        flumo::RecordingSoundDevice device(&clock);
        QVERIFY(device.open(out.fileName()));
        device.play(true);
        QVERIFY2(std::abs(clock.totalSlept() - w.seconds * 1000) <= 2,
                 qPrintable(u"%1 ms for %2 s"_s.arg(clock.totalSlept()).arg(w.seconds)));
    }

    // Speech once synthesised is taken from the cache, whose file names
    // tell texts and voices apart.
    void speechComesFromTheCache()
    {
        QTemporaryDir dir;
        mediagen::setSpeechCache(dir.path());
        const mediagen::SpeechAudio first = mediagen::speakCzech(u"Dvě jablka."_s);
        QVERIFY(first.sampleRate > 0);
        const QStringList kept = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        // Replaced by a known sound, the cached file is what comes back.
        const std::vector<int16_t> known(1000, 1234);
        QFile cached(dir.filePath(kept[0]));
        QVERIFY(cached.open(QIODevice::WriteOnly));
        cached.write(mediagen::encodeWav(known, 22050));
        cached.close();
        const mediagen::SpeechAudio again = mediagen::speakCzech(u"Dvě jablka."_s);
        QVERIFY(again.samples == known && again.sampleRate == 22050);
        QVERIFY(mediagen::speakCzech(u"Tři jablka."_s).samples != known);
        const bool twoVoices = mediagen::speakerOf(mediagen::Voice::Teacher) != mediagen::speakerOf(mediagen::Voice::Child);
        if (twoVoices)
            QVERIFY(mediagen::speakCzech(u"Dvě jablka."_s, mediagen::Voice::Child).samples != known);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), twoVoices ? 3 : 2);
        mediagen::setSpeechCache({});
    }

    // Each animation the screens load: several different frames, looping,
    // visible, within (and not much smaller than) the size of its view.
    void everyAnimationFitsItsView_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("limit");
        for (int n = 1; n <= 4; ++n)
            QTest::newRow(qPrintable(u"nulinka%1"_s.arg(n))) << u"obr-pom\\nulinka%1.GIF"_s.arg(n) << QSize(125, 155);
        for (int n = 1; n <= 30; ++n)
            QTest::newRow(qPrintable(u"praise%1"_s.arg(n)))
                << u"obr-pom\\nulák%1.GIF"_s.arg(n, 2, 10, QChar(u'0')) << QSize(177, 162);
        for (int v = 0; v <= 10; ++v)
            QTest::newRow(qPrintable(u"number%1"_s.arg(v)))
                << u"obr-pom\\%1.GIF"_s.arg(v, 2, 10, QChar(u'0')) << QSize(130, 160);
    }
    void everyAnimationFitsItsView()
    {
        QFETCH(QString, name);
        QFETCH(QSize, limit);
        QVERIFY2(m_animations.contains(name), qPrintable(name));
        const GifInfo g = readGif(m_animations.value(name));
        QVERIFY(g.valid);
        const QString size = u"%1 x %2"_s.arg(g.size.width()).arg(g.size.height());
        QVERIFY2(g.size.width() <= limit.width() && g.size.height() <= limit.height(), qPrintable(size));
        QVERIFY2(g.size.width() >= limit.width() * 3 / 4 && g.size.height() >= limit.height() * 3 / 4,
                 qPrintable(size + u" is much smaller than its view"_s));
        QVERIFY2(g.frames >= 4 && g.distinctFrames >= 3, "hardly moves");
        QCOMPARE(g.loopCount, -1);            // loops for ever
        QVERIFY2(g.minOpaqueShare > 0.02, "a frame is (nearly) empty");
    }

    void praiseAnimationsAreAllDifferent()
    {
        QSet<QByteArray> seen;
        for (auto it = m_animations.cbegin(); it != m_animations.cend(); ++it)
            if (it.key().contains(u"nulák"_s))
                seen.insert(it.value());
        QCOMPARE(int(seen.size()), 30);
    }

    // The GIF writer keeps colours, transparency and timing, and fits a frame
    // of another size to the first one.
    void gifWriterKeepsColoursAndTransparency()
    {
        QImage half(40, 30, QImage::Format_ARGB32), yellow(10, 10, QImage::Format_RGB32);
        half.fill(Qt::transparent);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x)
                half.setPixel(x, y, qRgb(220, 30, 40));
        yellow.fill(QColor(250, 250, 0));
        QBuffer buffer;
        buffer.setData(mediagen::encodeGif({{half, 7}, {yellow, 10}}));
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        QCOMPARE(reader.size(), QSize(40, 30));
        const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(reader.nextImageDelay(), 70);
        const QColor c = first.pixelColor(5, 10);
        QVERIFY2(std::abs(c.red() - 220) + std::abs(c.green() - 30) + std::abs(c.blue() - 40) < 24, qPrintable(c.name()));
        QCOMPARE(qAlpha(first.pixel(30, 10)), 0);
        const QImage fitted = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(fitted.size(), QSize(40, 30));
        QVERIFY(fitted.pixelColor(5, 5).red() > 240 && fitted.pixelColor(5, 5).blue() < 10);
        QCOMPARE(qAlpha(fitted.pixel(30, 20)), 0);
        QVERIFY(mediagen::encodeGif({}).isEmpty());
    }

    // The help page is UTF-8 and explains every key of the exercise screen
    // and every option of the settings screen by its caption.
    void helpPageCoversKeysAndSettings()
    {
        QVERIFY(m_help.contains(u"Help\\Pocty.htm"_s));
        auto decode = QStringDecoder(QStringDecoder::Utf8);
        const QString page = decode(m_help.value(u"Help\\Pocty.htm"_s));
        QVERIFY(!decode.hasError());
        QVERIFY(page.contains(u"charset=\"utf-8\""_s));
        for (const QString &text : {u">F2<"_s, u">F9<"_s, u">Esc<"_s, u">Alt+P<"_s, u"Posun po"_s,
                                    u"Počítat i s nulou"_s, u"Použít Ding místo pokárání"_s})
            QVERIFY2(page.contains(text), qPrintable(text));
    }
};

QTEST_MAIN(TestMediagenSound)
#include "test_mediagen_sound.moc"
