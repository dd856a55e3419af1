#include "media/soundplayer.h"
#include "platform/filestore.h"
#include "platform/sounddevice.h"
#include "platform/trace.h"

namespace flumo {
namespace {

void traceStart(const QString &name, bool wait)
{
    trace("sound", {{"file", name}, {"wait", wait ? QStringLiteral("1") : QStringLiteral("0")}});
}

} // namespace

bool SoundPlayer::prepare(bool wait)
{
    const QString path = m_files.resolve(m_fileName);
    if (path.isEmpty())
        return false;
    m_lastSoundName = m_fileName;
    // An unreadable file leaves the player empty: the timer then starts nothing.
    m_prepared = m_device.open(path) ? m_fileName : QString();
    m_preparedWait = wait;
    return true;
}

void SoundPlayer::startPrepared()
{
    if (m_prepared.isEmpty())
        return;
    const QString name = m_prepared;
    const bool wait = m_preparedWait;
    // One prepared start plays once, however often the timer fires.
    m_prepared.clear();
    traceStart(name, wait);
    m_device.play(wait);
}

bool SoundPlayer::playNow(const QString &name, bool wait, bool setLast)
{
    const QString path = m_files.resolve(name);
    if (path.isEmpty())
        return false;
    // Opening another file replaces whatever a pending delayed start held.
    m_prepared.clear();
    if (setLast)
        m_lastSoundName = name;
    if (!m_device.open(path))
        return false;
    traceStart(name, wait);
    m_device.play(wait);
    return true;
}

bool SoundPlayer::openOnly(const QString &name)
{
    m_fileName = name;
    m_prepared.clear();
    m_opened.clear();
    const QString path = m_files.resolve(name);
    if (path.isEmpty() || !m_device.open(path))
        return false;
    m_opened = name;
    return true;
}

void SoundPlayer::playOpened(bool wait)
{
    if (m_opened.isEmpty())
        return;
    traceStart(m_opened, wait);
    m_device.play(wait);
}

void SoundPlayer::stop()
{
    m_prepared.clear();
    m_device.stop();
}

} // namespace flumo
