#pragma once
// Test doubles for one program run: a temporary working folder, a fake clock,
// the recording sound device, scripted dialogs, a fake pointer and drives.
#include "platform/platform.h"
#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace flumo::test {

class TestPlatform {
public:
    TestPlatform();
    // The working folder (absolute, no trailing "/").
    QString dir() const { return m_dir.path(); }
    // Writes a file under the working folder ("/" separators) and rescans.
    void write(const QString &relPath, const QByteArray &bytes);
    // A real JPEG of the given size and colour.
    void writeJpeg(const QString &relPath, int w = 16, int h = 12, QColor color = Qt::red);
    // A real 16-bit mono PCM WAV of ms milliseconds (a quiet tone).
    void writeWav(const QString &relPath, int ms = 200);
    // The marker "Obr/Okno.PT0" that makes the working folder the media root.
    void writeMediaMarker();

    FakeClock clock;
    FileStore files;
    RecordingSoundDevice sound{&clock};
    ScriptedDialogs dialogs;
    FakePointer pointer;
    FakeOpticalDrives drives;
    Platform platform{files, dialogs, sound, clock, pointer, drives};

private:
    QTemporaryDir m_dir;
};

// Bytes of a WAV file (16-bit mono PCM at 22050 Hz).
QByteArray makeWav(int ms);
// Bytes of a ".PT0" container holding jpeg with the given offset byte b.
QByteArray makeContainer(const QByteArray &jpeg, int b);

// Collects the "flumo.trace" lines while it lives (turns the category on).
class TraceRecorder {
public:
    TraceRecorder();
    ~TraceRecorder();
    QStringList lines() const;
    // Lines that start with event (followed by a space or the end).
    QStringList lines(const QString &event) const;
    void clear();
};

} // namespace flumo::test
