#include "speech.h"

#include "family.h"
#include "wav.h"

#include <espeak-ng/speak_lib.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <mutex>

namespace mediagen {

namespace {

// Trims silence to a margin of about 60 ms at both ends and scales the peak
// to about -2 dBFS, so every recording plays at the same loudness.
void tidy(std::vector<int16_t> &s, int rate)
{
    const int threshold = 300;
    auto loud = [&](int16_t v) { return std::abs(int(v)) > threshold; };
    const auto first = std::find_if(s.begin(), s.end(), loud);
    if (first == s.end()) {
        s.clear();
        return;
    }
    const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
    const long margin = rate * 60 / 1000;
    const long begin = std::max<long>(0, long(first - s.begin()) - margin);
    const long end = std::min<long>(long(s.size()), long(last - s.begin()) + margin);
    std::vector<int16_t> cut(s.begin() + begin, s.begin() + end);
    int peak = 1;
    for (int16_t v : cut)
        peak = std::max(peak, std::abs(int(v)));
    const double gain = 26000.0 / peak;
    for (int16_t &v : cut)
        v = int16_t(std::clamp<long>(std::lround(v * gain), -32767, 32767));
    s.swap(cut);
}

// ---- espeak-ng, the fallback -------------------------------------------

// The speech library keeps one engine per process with global state and no
// locking of its own, so this wrapper mirrors that: one record per process,
// and every use of the library, from any family or thread, holds its lock.
struct Espeak {
    std::mutex lock;
    int rate = 0;   // Hz once initialised; 0 before the first use, -1 on failure
};

Espeak &espeak()
{
    static Espeak e;
    return e;
}

int synthCallback(short *wav, int count, espeak_EVENT *events)
{
    if (wav && count > 0 && events && events->user_data) {
        auto *out = static_cast<std::vector<int16_t> *>(events->user_data);
        out->insert(out->end(), wav, wav + count);
    }
    return 0;
}

// Caller holds espeak().lock.
bool ensureEspeak()
{
    int &rate = espeak().rate;
    if (rate == 0) {
        const int hz = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                         espeakINITIALIZE_DONT_EXIT);
        if (hz <= 0) {
            rate = -1;
            return false;
        }
        espeak_SetSynthCallback(synthCallback);
        if (espeak_SetVoiceByName("cs+f2") != EE_OK && espeak_SetVoiceByName("cs") != EE_OK) {
            rate = -1;
            return false;
        }
        // Slow and a little higher than the default: a friendly voice a small
        // child can follow.
        espeak_SetParameter(espeakRATE, 140, 0);
        espeak_SetParameter(espeakPITCH, 58, 0);
        espeak_SetParameter(espeakRANGE, 60, 0);
        espeak_SetParameter(espeakWORDGAP, 1, 0);
        rate = hz;
    }
    return rate > 0;
}

SpeechAudio speakEspeak(const QString &text)
{
    SpeechAudio audio;
    const QByteArray utf8 = text.toUtf8();
    std::lock_guard<std::mutex> guard(espeak().lock);
    if (!ensureEspeak())
        return audio;
    std::vector<int16_t> samples;
    const espeak_ERROR err = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER,
                                          0, espeakCHARS_UTF8, nullptr, &samples);
    if (err != EE_OK || espeak_Synchronize() != EE_OK)
        return audio;
    tidy(samples, espeak().rate);
    if (samples.empty())
        return audio;
    audio.samples = std::move(samples);
    audio.sampleRate = espeak().rate;
    return audio;
}

// ---- Festival ----------------------------------------------------------

// The Festival program and the Czech voices it has, found once per process.
struct FestivalSetup {
    QString program;         // empty: Festival is not used
    QString voice[2];        // per Voice; empty when neither Czech voice exists
};

// The Czech voices a Festival installation has, from the voice folders it
// lists (<prefix>/share/festival/voices/<language>/<voice>) without starting
// it: the start costs seconds, and every run of the generator needs to know
// the voices for its fingerprints. Empty when that folder is not there.
QStringList installedVoices(const QString &program)
{
    QDir voices(QFileInfo(program).absolutePath() + QLatin1String("/../share/festival/voices"));
    QStringList out;
    for (const QString &language : voices.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        out += QDir(voices.filePath(language)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return out;
}

const FestivalSetup &festival()
{
    static const FestivalSetup setup = [] {
        FestivalSetup s;
        const QString wanted = qEnvironmentVariable("MEDIAGEN_FESTIVAL", QStringLiteral("festival"));
        const QString program = wanted == QLatin1String("none") ? QString()
            : wanted.contains(QLatin1Char('/'))                  ? wanted
                                                                 : QStandardPaths::findExecutable(wanted);
        if (program.isEmpty())
            return s;
        QString voices = installedVoices(program).join(QLatin1Char(' '));
        if (!voices.contains(QLatin1String("czech_"))) {
            // Voices elsewhere: ask the program itself.
            QProcess probe;
            probe.start(program, {QStringLiteral("--pipe")});
            probe.write("(print (voice.list))\n");
            probe.closeWriteChannel();
            if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
                return s;
            voices = QString::fromLatin1(probe.readAllStandardOutput());
        }
        const bool dita = voices.contains(QLatin1String("czech_dita"));
        const bool krb = voices.contains(QLatin1String("czech_krb"));
        if (!dita && !krb)
            return s;
        s.program = program;
        s.voice[int(Voice::Teacher)] = QLatin1String(dita ? "czech_dita" : "czech_krb");
        s.voice[int(Voice::Child)] = QLatin1String(krb ? "czech_krb" : "czech_dita");
        return s;
    }();
    return setup;
}

// The Czech front end of the voices reads ISO-8859-2. Characters outside
// it are dropped (the texts are plain Czech sentences).
QByteArray latin2(const QString &text)
{
    static const QHash<QChar, char> czech = [] {
        const char16_t from[] = u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
        const unsigned char to[] = {0xE1, 0xE8, 0xEF, 0xE9, 0xEC, 0xED, 0xF2, 0xF3, 0xF8, 0xB9,
                                    0xBB, 0xFA, 0xF9, 0xFD, 0xBE, 0xC1, 0xC8, 0xCF, 0xC9, 0xCC,
                                    0xCD, 0xD2, 0xD3, 0xD8, 0xA9, 0xAB, 0xDA, 0xD9, 0xDD, 0xAE};
        QHash<QChar, char> map;
        for (int i = 0; i < 30; ++i)
            map.insert(QChar(from[i]), char(to[i]));
        return map;
    }();
    QByteArray out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += char(c.unicode());
        else if (czech.contains(c))
            out += czech.value(c);
        else if (c.isSpace())
            out += ' ';
    }
    return out;
}

// The samples of a RIFF file of 16-bit mono PCM as Festival writes it.
SpeechAudio readWavFile(const QString &path)
{
    SpeechAudio audio;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return audio;
    const QByteArray b = f.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return audio;
    int rate = 0;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype len = qFromLittleEndian<quint32>(b.constData() + at + 4);
        if (at + 8 + len > b.size())
            break;
        if (id == "fmt " && len >= 16) {
            if (qFromLittleEndian<quint16>(b.constData() + at + 10) != 1
                || qFromLittleEndian<quint16>(b.constData() + at + 22) != 16)
                return audio;
            rate = int(qFromLittleEndian<quint32>(b.constData() + at + 12));
        } else if (id == "data" && rate > 0) {
            audio.samples.resize(size_t(len / 2));
            for (size_t i = 0; i < audio.samples.size(); ++i)
                audio.samples[i] = qFromLittleEndian<qint16>(b.constData() + at + 8 + 2 * qsizetype(i));
            audio.sampleRate = rate;
            return audio;
        }
        at += 8 + len + (len & 1);
    }
    return audio;
}

// Speaks every text with one Festival run in the given voice. A text whose
// synthesis failed has empty audio.
std::vector<SpeechAudio> runFestival(const QString &voice, const QStringList &texts)
{
    std::vector<SpeechAudio> out(size_t(texts.size()));
    QTemporaryDir dir;
    if (!dir.isValid())
        return out;
    QByteArray script = "(voice_" + voice.toLatin1() + ")\n";
    for (int i = 0; i < texts.size(); ++i) {
        QByteArray text = latin2(texts[i]);
        text.replace('\\', ' ').replace('"', ' ');
        script += "(set! u (Utterance Text \"" + text + "\"))\n(utt.synth u)\n"
            + "(utt.wave.resample u " + QByteArray::number(kSpeechRate) + ")\n(utt.save.wave u \""
            + dir.filePath(QString::number(i) + QLatin1String(".wav")).toLocal8Bit() + "\" 'riff)\n";
    }
    QProcess run;
    run.start(festival().program, {QStringLiteral("--pipe")});
    run.write(script);
    run.closeWriteChannel();
    run.waitForFinished(600000);
    for (int i = 0; i < texts.size(); ++i) {
        SpeechAudio a = readWavFile(dir.filePath(QString::number(i) + QLatin1String(".wav")));
        tidy(a.samples, a.sampleRate);
        if (a.samples.empty())
            a.sampleRate = 0;
        out[size_t(i)] = std::move(a);
    }
    return out;
}

// Sentences waiting for Festival, and what it spoke. A sentence asked for
// before it was queued is queued then; each run takes a batch of queued
// sentences of one voice, and a worker whose sentence is in another
// worker's run speaks the next batch meanwhile, so both stay busy.
class FestivalQueue {
public:
    void add(Voice voice, const QString &text)
    {
        std::lock_guard guard(m_lock);
        const Key key = keyOf(voice, text);
        if (m_wanted[key]++ == 0 && !m_done.contains(key))
            m_queue[int(voice)].append(text);
    }

    SpeechAudio take(Voice voice, const QString &text)
    {
        std::unique_lock guard(m_lock);
        const Key key = keyOf(voice, text);
        if (!m_wanted.contains(key))
            add(voice, text, guard);
        for (;;) {
            if (m_done.contains(key)) {
                SpeechAudio audio = m_done.value(key);
                if (--m_wanted[key] <= 0) {
                    m_wanted.remove(key);
                    m_done.remove(key);
                }
                return audio;
            }
            QStringList batch;
            Voice batchVoice = voice;
            if (m_running.contains(key)) {
                // Another run speaks this text: meanwhile speak the next
                // queued batch rather than wait idle.
                for (Voice v : {Voice::Teacher, Voice::Child})
                    if (batch.isEmpty() && !m_queue[int(v)].isEmpty()) {
                        batchVoice = v;
                        while (!m_queue[int(v)].isEmpty() && batch.size() < kBatch)
                            batch.append(m_queue[int(v)].takeFirst());
                    }
                if (batch.isEmpty()) {
                    m_changed.wait(guard);
                    continue;
                }
            } else {
                // Start a batch with this text and the oldest queued ones.
                QStringList &queue = m_queue[int(voice)];
                queue.removeOne(text);
                batch.append(text);
                while (!queue.isEmpty() && batch.size() < kBatch)
                    batch.append(queue.takeFirst());
            }
            for (const QString &t : batch)
                m_running.insert(keyOf(batchVoice, t));
            guard.unlock();
            std::vector<SpeechAudio> spoken = runFestival(festival().voice[int(batchVoice)], batch);
            guard.lock();
            for (int i = 0; i < batch.size(); ++i) {
                m_running.remove(keyOf(batchVoice, batch[i]));
                m_done.insert(keyOf(batchVoice, batch[i]), std::move(spoken[size_t(i)]));
            }
            m_changed.notify_all();
        }
    }

private:
    // Large enough that starting the program (about half a second) costs
    // little, small enough that both workers get batches.
    static constexpr int kBatch = 80;
    using Key = QString;   // the voice's digit, then the text
    static Key keyOf(Voice voice, const QString &text) { return QString::number(int(voice)) + text; }

    void add(Voice voice, const QString &text, std::unique_lock<std::mutex> &)
    {
        m_wanted[keyOf(voice, text)] = 1;
        m_queue[int(voice)].append(text);
    }

    std::mutex m_lock;
    std::condition_variable m_changed;
    QStringList m_queue[2];
    QHash<Key, int> m_wanted;    // how many makers will take the text
    QSet<Key> m_running;
    QHash<Key, SpeechAudio> m_done;
};

FestivalQueue &festivalQueue()
{
    static FestivalQueue q;
    return q;
}

} // namespace

QString speakerOf(Voice voice)
{
    if (!festival().program.isEmpty())
        return QLatin1String("festival ") + festival().voice[int(voice)];
    return QStringLiteral("espeak-ng cs+f2");
}

namespace {

// The folder of setSpeechCache(); empty: nothing is kept.
QString &cacheFolder()
{
    static QString folder;
    return folder;
}

// Bump whenever the voice settings, the rate or the post-processing change:
// cached speech of another version is not used.
constexpr const char *kSynthesisVersion = "v2";

// Where the speech of text in voice is kept; empty without a cache. The
// name is a hash of everything that determines the samples.
QString cachePath(Voice voice, const QString &text)
{
    if (cacheFolder().isEmpty())
        return {};
    const QByteArray key = (speakerOf(voice) + QLatin1Char('/') + QString::number(kSpeechRate) + QLatin1Char('/')
                            + QLatin1String(kSynthesisVersion) + QLatin1Char('\n') + text)
                               .toUtf8();
    return cacheFolder() + QLatin1Char('/')
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) + QLatin1String(".wav");
}

bool isCached(Voice voice, const QString &text)
{
    const QString path = cachePath(voice, text);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

void setSpeechCache(const QString &folder)
{
    cacheFolder() = folder;
    if (!folder.isEmpty())
        QDir().mkpath(folder);
}

SpeechAudio speakCzech(const QString &text, Voice voice)
{
    const QString cached = cachePath(voice, text);
    if (!cached.isEmpty()) {
        SpeechAudio audio = readWavFile(cached);
        if (audio.sampleRate > 0 && !audio.samples.empty())
            return audio;
    }
    SpeechAudio audio;
    bool asNamed = true;    // spoken by speakerOf(voice), not by a fallback
    if (!festival().program.isEmpty()) {
        audio = festivalQueue().take(voice, text);
        if (audio.sampleRate <= 0) {
            audio = speakEspeak(text);
            asNamed = false;
        }
    } else {
        audio = speakEspeak(text);
    }
    if (!cached.isEmpty() && asNamed && audio.sampleRate > 0) {
        QSaveFile out(cached);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(encodeWav(audio.samples, audio.sampleRate));
            out.commit();
        }
    }
    return audio;
}

SpeechAudio speakCzech(const QString &text) { return speakCzech(text, Voice::Teacher); }

MediaFile spokenFile(const QString &name, const QString &text, Voice voice)
{
    // Names the speaker, the synthesis and the file's encoding: a change of
    // any of them makes the file again.
    const QString speaker = speakerOf(voice);
    const QString print = (speaker.startsWith(QLatin1String("espeak")) ? QStringLiteral("cs+f2/140") : speaker)
        + QLatin1Char('/') + QString::number(kSpeechRate) + QLatin1Char('/') + QLatin1String(kSynthesisVersion)
        + QStringLiteral("/ima:");
    MediaFile file{name, [text, voice] {
                       const SpeechAudio audio = speakCzech(text, voice);
                       return audio.sampleRate > 0 ? encodeImaAdpcmWav(audio.samples, audio.sampleRate)
                                                   : QByteArray();
                   },
                   print + text};
    if (!festival().program.isEmpty())
        file.prepare = [text, voice] {
            if (!isCached(voice, text))
                festivalQueue().add(voice, text);
        };
    return file;
}

MediaFile spokenFile(const QString &name, const QString &text) { return spokenFile(name, text, Voice::Teacher); }

QByteArray speakCzechWav(const QString &text)
{
    const SpeechAudio audio = speakCzech(text);
    if (audio.sampleRate <= 0)
        return {};
    return encodeImaAdpcmWav(audio.samples, audio.sampleRate);
}

} // namespace mediagen
