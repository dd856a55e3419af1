#include "platform/platform.h"

namespace flumo {

SystemPlatform::SystemPlatform(const QString &workingFolder)
    : m_files(workingFolder)
    , m_sound(createSdlSoundDevice(m_clock))
    , m_dialogs(std::make_unique<WidgetDialogs>(*m_sound, m_files))
    , m_platform(std::make_unique<Platform>(Platform{m_files, *m_dialogs, *m_sound, m_clock, m_pointer, m_drives}))
{
}

// Members are destroyed in reverse order: the dialogs go before the sound
// device they play the Ding on.
SystemPlatform::~SystemPlatform() = default;

} // namespace flumo
