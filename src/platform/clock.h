#pragma once
// Millisecond clock and blocking sleeps. The program waits on the one UI
// thread (the screen is not repainted and takes no input meanwhile); tests
// use FakeClock so that no suite really sleeps.
#include <QtGlobal>
#include <functional>

namespace flumo {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; never goes backwards.
    virtual qint64 tickCount() const = 0;
    // Blocks the calling thread for ms milliseconds (ms <= 0 returns at once).
    virtual void sleep(int ms) = 0;
};

class SystemClock final : public Clock {
public:
    qint64 tickCount() const override;
    void sleep(int ms) override;
};

// Time moves only through sleep() and advance(); sleep() returns at once,
// after the sleep hook (what "happens" meanwhile) ran.
class FakeClock final : public Clock {
public:
    qint64 tickCount() const override { return m_now; }
    void sleep(int ms) override
    {
        if (ms <= 0)
            return;
        m_now += ms;
        m_slept += ms;
        if (m_sleepHook)
            m_sleepHook(ms);
    }
    void advance(qint64 ms) { m_now += ms; }
    qint64 totalSlept() const { return m_slept; }
    void setSleepHook(std::function<void(int ms)> hook) { m_sleepHook = std::move(hook); }
private:
    qint64 m_now = 1000;
    qint64 m_slept = 0;
    std::function<void(int)> m_sleepHook;
};

} // namespace flumo
