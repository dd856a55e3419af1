#pragma once
// The one sound player of the program, plus a second voice for system sounds
// (the "Ding"), which never ends the player's sound.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace flumo {

class Clock;

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Opens a WAV file by absolute path and ends the sound playing now.
    // Returns false (error set when given) for a missing or unreadable file;
    // the player then holds no sound and play() does nothing.
    virtual bool open(const QString &path, QString *error = nullptr) = 0;
    // Plays the opened sound from its start. With wait the call returns when
    // the sound has ended, sleeping through the Clock without processing
    // events (no input reaches the program meanwhile). Without a working
    // audio output the call returns at once and nothing is heard.
    virtual void play(bool wait) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Plays a WAV file on the system voice at once, without waiting.
    virtual void playSystem(const QString &path) = 0;

    // Called every 10 to 40 ms of clock time while a waiting play() blocks,
    // so a screen can keep an animation moving; it must not process events.
    // Empty (the default) calls nothing.
    void setWaitTick(std::function<void()> tick) { m_waitTick = std::move(tick); }

protected:
    void waitTick() const
    {
        if (m_waitTick)
            m_waitTick();
    }

private:
    std::function<void()> m_waitTick;
};

// SDL2 audio: plays reliably where there is a device and fails cleanly (the
// program stays silent) where there is none.
std::unique_ptr<SoundDevice> createSdlSoundDevice(Clock &clock);

// Test double: records every call. With a clock, a waiting play() sleeps
// that clock for the WAV's duration (read from its header).
// open() records the attempt even when it fails; it fails only for a file
// that cannot be read (contents are not checked: a non-WAV opens with no
// duration). play() while no sound is open records nothing.
class RecordingSoundDevice final : public SoundDevice {
public:
    struct Event {
        enum Kind { Open, Play, Stop, System } kind;
        QString path;
        bool wait = false;
    };
    explicit RecordingSoundDevice(Clock *clock = nullptr) : m_clock(clock) {}

    bool open(const QString &path, QString *error = nullptr) override;
    void play(bool wait) override;
    void stop() override;
    bool isPlaying() const override { return false; }
    void playSystem(const QString &path) override;

    const std::vector<Event> &events() const { return m_events; }
    // Paths given to play() (the opened file at that moment), in order.
    std::vector<QString> played() const;
    void clear() { m_events.clear(); }
    QString openedPath() const { return m_opened; }

private:
    Clock *m_clock;
    QString m_opened;
    std::vector<Event> m_events;
};

} // namespace flumo
