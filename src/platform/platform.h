#pragma once
// The operating-system services one running program uses, handed to every
// screen and loader by reference (no globals). The program builds a
// SystemPlatform; tests build their own from the doubles.
#include "platform/clock.h"
#include "platform/devices.h"
#include "platform/dialogs.h"
#include "platform/filestore.h"
#include "platform/sounddevice.h"
#include <memory>

namespace flumo {

struct Platform {
    FileStore &files;        // the working folder (the folder the program started in)
    Dialogs &dialogs;
    SoundDevice &sound;
    Clock &clock;
    PointerDevice &pointer;
    OpticalDrives &drives;
    // The settings file to read instead of "Param1.INI" in the working
    // folder (a user's own copy); empty for the working folder's.
    QString settingsFile = {};
};

// Owns the real services for the program's working folder.
class SystemPlatform {
public:
    explicit SystemPlatform(const QString &workingFolder);
    ~SystemPlatform();
    Platform &platform() { return *m_platform; }
    void setSettingsFile(const QString &path) { m_platform->settingsFile = path; }
private:
    SystemClock m_clock;
    FileStore m_files;
    std::unique_ptr<SoundDevice> m_sound;
    std::unique_ptr<WidgetDialogs> m_dialogs;
    SystemPointer m_pointer;
    SystemOpticalDrives m_drives;
    std::unique_ptr<Platform> m_platform;
};

} // namespace flumo
