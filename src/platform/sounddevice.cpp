#include "platform/sounddevice.h"
#include "platform/clock.h"
#include <QFile>
#include <QtEndian>
#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <limits>

// Sound goes through SDL2 rather than Qt Multimedia: on Qt 6.4 QSoundEffect
// reports "playing" forever when there is no audio device (a waiting play
// would never return), and QMediaPlayer needs the gstreamer plugins and
// crashed where they were missing. SDL opens the device or fails cleanly.

namespace flumo {

namespace {

// Duration in milliseconds from a RIFF/WAVE header ("fmt " byte rate and
// "data" size, chunks padded to even sizes); -1 when the bytes are no WAV.
// A data chunk longer than the file counts only the bytes present.
qint64 wavDurationMs(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qint64 dataSize = -1;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size())
            byteRate = qFromLittleEndian<quint32>(bytes.constData() + body + 8);
        else if (id == "data")
            dataSize = std::min<qint64>(size, bytes.size() - body);
        pos = body + qsizetype(size) + (size & 1);
    }
    if (byteRate == 0 || dataSize < 0)
        return -1;
    return dataSize * 1000 / byteRate;
}

// One sound being mixed: samples in the device format and the read position.
// Shared with the audio callback thread; changed only under the device lock.
struct Voice {
    std::vector<Uint8> samples;
    size_t pos = 0;
    bool active = false;
};

class SdlSoundDevice final : public SoundDevice {
public:
    explicit SdlSoundDevice(Clock &clock) : m_clock(clock) {}
    ~SdlSoundDevice() override;

    bool open(const QString &path, QString *error) override;
    void play(bool wait) override;
    void stop() override;
    bool isPlaying() const override;
    void playSystem(const QString &path) override;

private:
    struct Loaded { std::vector<Uint8> samples; qint64 ms = 0; };
    // Initialises SDL audio and opens the output once; false when there is
    // no usable output (no device, or the dummy driver, which would only
    // pretend to play at real-time pace).
    bool ensureOutput();
    // Reads a WAV file and, when there is an output, converts it to the
    // output's format. false with error text for a missing or broken file.
    bool load(const QString &path, Loaded &out, QString &error);
    static void mix(void *self, Uint8 *stream, int len);

    Clock &m_clock;
    bool m_initTried = false;
    bool m_sdlInitialised = false;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_spec{};

    bool m_hasSound = false;   // a WAV was opened successfully
    qint64 m_soundMs = 0;
    std::vector<Uint8> m_opened; // the opened sound, not yet handed to the voice
    QString m_systemPath;        // cache of the last system sound
    std::vector<Uint8> m_systemSamples;

    Voice m_player; // guarded by the device lock
    Voice m_system; // guarded by the device lock
};

SdlSoundDevice::~SdlSoundDevice()
{
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    if (m_sdlInitialised)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundDevice::ensureOutput()
{
    if (!m_initTried) {
        m_initTried = true;
        // The audio subsystem brings up SDL's event subsystem, which would
        // otherwise take over SIGINT and SIGTERM from the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        m_sdlInitialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        const char *driver = m_sdlInitialised ? SDL_GetCurrentAudioDriver() : nullptr;
        if (driver && std::strcmp(driver, "dummy") != 0) {
            SDL_AudioSpec want{};
            want.freq = 44100;
            want.format = AUDIO_S16SYS;
            want.channels = 2;
            want.samples = 1024;
            want.callback = &SdlSoundDevice::mix;
            want.userdata = this;
            // No allowed changes: SDL converts to whatever the hardware
            // takes, so m_spec is exactly the format asked for.
            m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &m_spec, 0);
            if (m_device != 0)
                SDL_PauseAudioDevice(m_device, 0);
        }
    }
    return m_device != 0;
}

bool SdlSoundDevice::load(const QString &path, Loaded &out, QString &error)
{
    // Read through Qt so that any file name works, then parse from memory.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open sound %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (!m_initTried)
        ensureOutput();
    SDL_AudioSpec wavFormat{};
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops *rw = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
    if (!rw || !SDL_LoadWAV_RW(rw, 1, &wavFormat, &buffer, &length)) {
        error = QStringLiteral("cannot read sound %1: %2").arg(path, QString::fromUtf8(SDL_GetError()));
        return false;
    }
    const int frameBytes = SDL_AUDIO_BITSIZE(wavFormat.format) / 8 * wavFormat.channels;
    if (frameBytes <= 0 || wavFormat.freq <= 0) {
        error = QStringLiteral("cannot read sound %1: no sample format").arg(path);
        SDL_FreeWAV(buffer);
        return false;
    }
    out.ms = qint64(length / Uint32(frameBytes)) * 1000 / wavFormat.freq;
    out.samples.clear();
    if (m_device != 0) {
        SDL_AudioCVT cvt;
        if (SDL_BuildAudioCVT(&cvt, wavFormat.format, wavFormat.channels, wavFormat.freq,
                              m_spec.format, m_spec.channels, m_spec.freq) < 0) {
            error = QStringLiteral("cannot convert sound %1: %2").arg(path, QString::fromUtf8(SDL_GetError()));
            SDL_FreeWAV(buffer);
            return false;
        }
        // Whole frames only: a torn last frame would shift the conversion.
        cvt.len = int(length - length % Uint32(frameBytes));
        out.samples.resize(size_t(cvt.len) * size_t(cvt.len_mult));
        std::memcpy(out.samples.data(), buffer, size_t(cvt.len));
        cvt.buf = out.samples.data();
        if (cvt.needed && SDL_ConvertAudio(&cvt) < 0) {
            error = QStringLiteral("cannot convert sound %1: %2").arg(path, QString::fromUtf8(SDL_GetError()));
            SDL_FreeWAV(buffer);
            return false;
        }
        out.samples.resize(size_t(cvt.needed ? cvt.len_cvt : cvt.len));
    }
    SDL_FreeWAV(buffer);
    return true;
}

bool SdlSoundDevice::open(const QString &path, QString *error)
{
    stop();
    m_hasSound = false;
    m_soundMs = 0;
    m_opened.clear();
    Loaded loaded;
    QString why;
    if (!load(path, loaded, why)) {
        if (error)
            *error = why;
        return false;
    }
    m_opened = std::move(loaded.samples);
    m_soundMs = loaded.ms;
    m_hasSound = true;
    if (error)
        error->clear();
    return true;
}

void SdlSoundDevice::play(bool wait)
{
    if (!m_hasSound || m_device == 0)
        return;
    // Copied outside the lock (the opened sound stays for the next play());
    // the old samples are freed outside it too.
    std::vector<Uint8> samples = m_opened;
    SDL_LockAudioDevice(m_device);
    m_player.samples.swap(samples);
    m_player.pos = 0;
    m_player.active = !m_player.samples.empty();
    SDL_UnlockAudioDevice(m_device);
    if (!wait)
        return;
    // Sleep without processing events, so no input reaches the program
    // meanwhile. The bound guards against an output that stopped consuming.
    const qint64 deadline = m_clock.tickCount() + m_soundMs + 2000;
    while (isPlaying() && m_clock.tickCount() < deadline) {
        m_clock.sleep(10);
        waitTick();
    }
}

void SdlSoundDevice::stop()
{
    if (m_device == 0)
        return;
    std::vector<Uint8> old;
    SDL_LockAudioDevice(m_device);
    m_player.active = false;
    m_player.samples.swap(old);
    m_player.pos = 0;
    SDL_UnlockAudioDevice(m_device);
}

bool SdlSoundDevice::isPlaying() const
{
    if (m_device == 0)
        return false;
    SDL_LockAudioDevice(m_device);
    const bool active = m_player.active;
    SDL_UnlockAudioDevice(m_device);
    return active;
}

void SdlSoundDevice::playSystem(const QString &path)
{
    if (!m_initTried)
        ensureOutput();
    if (m_device == 0)
        return;
    if (path != m_systemPath) {
        Loaded loaded;
        QString why;
        if (!load(path, loaded, why))
            return; // a missing system sound stays silent
        m_systemPath = path;
        m_systemSamples = std::move(loaded.samples);
    }
    std::vector<Uint8> samples = m_systemSamples;
    SDL_LockAudioDevice(m_device);
    m_system.samples.swap(samples);
    m_system.pos = 0;
    m_system.active = !m_system.samples.empty();
    SDL_UnlockAudioDevice(m_device);
}

// Runs on SDL's audio thread with the device lock held.
void SdlSoundDevice::mix(void *self, Uint8 *stream, int len)
{
    auto *device = static_cast<SdlSoundDevice *>(self);
    std::memset(stream, device->m_spec.silence, size_t(len));
    for (Voice *voice : {&device->m_player, &device->m_system}) {
        if (!voice->active)
            continue;
        const size_t n = std::min(size_t(len), voice->samples.size() - voice->pos);
        SDL_MixAudioFormat(stream, voice->samples.data() + voice->pos, device->m_spec.format,
                           Uint32(n), SDL_MIX_MAXVOLUME);
        voice->pos += n;
        if (voice->pos >= voice->samples.size())
            voice->active = false;
    }
}

} // namespace

std::unique_ptr<SoundDevice> createSdlSoundDevice(Clock &clock)
{
    return std::make_unique<SdlSoundDevice>(clock);
}

bool RecordingSoundDevice::open(const QString &path, QString *error)
{
    // The attempt is recorded even when it fails. The contents are not
    // checked: a file that is not a WAV opens with no duration.
    m_events.push_back({Event::Open, path, false});
    m_opened.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open sound %1: %2").arg(path, file.errorString());
        return false;
    }
    m_opened = path;
    if (error)
        error->clear();
    return true;
}

void RecordingSoundDevice::play(bool wait)
{
    // Like the real device, nothing plays (and nothing is recorded) while no
    // sound is open.
    if (m_opened.isEmpty())
        return;
    m_events.push_back({Event::Play, m_opened, wait});
    if (wait && m_clock) {
        QFile file(m_opened);
        if (file.open(QIODevice::ReadOnly)) {
            const qint64 ms = wavDurationMs(file.readAll());
            // Slept in steps, with the wait tick after each, as the real
            // device does.
            constexpr qint64 kStep = 20;
            for (qint64 left = ms; left > 0; left -= kStep) {
                m_clock->sleep(int(std::min(left, kStep)));
                waitTick();
            }
        }
    }
}

void RecordingSoundDevice::stop()
{
    m_events.push_back({Event::Stop, {}, false});
}

void RecordingSoundDevice::playSystem(const QString &path)
{
    m_events.push_back({Event::System, path, false});
}

std::vector<QString> RecordingSoundDevice::played() const
{
    std::vector<QString> out;
    for (const Event &e : m_events)
        if (e.kind == Event::Play)
            out.push_back(e.path);
    return out;
}

} // namespace flumo
