#include "platform/clock.h"
#include <QElapsedTimer>
#include <QThread>

namespace flumo {

qint64 SystemClock::tickCount() const
{
    // A started timer's reference point on the monotonic clock: milliseconds
    // since an arbitrary fixed origin (boot), never going backwards.
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference();
}

void SystemClock::sleep(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace flumo
