#pragma once
// MediaPlayer1 with PlaySound and LastSoundName. The 150 ms delayed start
// is driven by the owner of Timer3: prepare() says whether to arm it, and the
// timer handler calls startPrepared().
#include <QString>

namespace flumo {

class FileStore;
class SoundDevice;

class SoundPlayer {
public:
    SoundPlayer(const FileStore &files, SoundDevice &device) : m_files(files), m_device(device) {}

    // The player's file name (relative, as the exercise Parts build it).
    void setFileName(const QString &name) { m_fileName = name; }
    const QString &fileName() const { return m_fileName; }

    const QString &lastSoundName() const { return m_lastSoundName; }
    void clearLastSoundName() { m_lastSoundName.clear(); }
    // The spoken prompt remembers its name even when the file is missing.
    void setLastSoundName(const QString &name) { m_lastSoundName = name; }

    // PlaySound steps 1-2: if the file exists, remember it as LastSoundName,
    // open it and keep wait for the start. Returns true when the caller must
    // arm Timer3 (tag 100); false (nothing changed) for a missing file.
    bool prepare(bool wait);
    // Timer3 with tag 100: play what prepare() opened ("sound file=... wait=...").
    void startPrepared();

    // Opens and plays name at once, bypassing the timer (spoken prompts with
    // wait, praise and reprimands without). Missing files are skipped
    // silently. setLast: also remember it as LastSoundName (the prompt does).
    bool playNow(const QString &name, bool wait, bool setLast = false);

    // Opens name as the player's file without playing it (the prompt opens
    // first and plays after its animation started). False for a missing or
    // unreadable file; playOpened() then plays nothing.
    bool openOnly(const QString &name);
    // Plays what openOnly() opened ("sound file=... wait=...").
    void playOpened(bool wait);

    void stop();
    SoundDevice &device() { return m_device; }

private:
    const FileStore &m_files;
    SoundDevice &m_device;
    QString m_fileName;
    QString m_lastSoundName;
    QString m_prepared;
    bool m_preparedWait = false;
    QString m_opened;       // what openOnly() opened; "" for nothing
};

} // namespace flumo
