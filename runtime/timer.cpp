#include "timer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>

namespace {

constexpr qint64 Millisecond = 1'000'000; // in nanoseconds

qint64 now()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.nsecsElapsed();
}

// When the tick being delivered was due; negative outside a tick.
qint64 currentDue = -1;

// The event loop polls in whole milliseconds and rounds its wait up, so a
// Qt timer comes out anywhere in the millisecond after its moment, and up to
// about four milliseconds after it when other threads are woken at the same
// time. Ours is let out that much early instead and waits out the rest here.
constexpr qint64 EarlyMargin = 4; // in milliseconds

void waitUntil(qint64 due)
{
    const qint64 left = due - now();
    if (left <= 0)
        return;
    const timespec pause{time_t(left / 1'000'000'000), long(left % 1'000'000'000)};
    nanosleep(&pause, nullptr);
}

} // namespace

Timer::Timer(int interval, bool enabled, QObject *parent) : QObject(parent), m_interval(interval)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Timer::deliver);
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled)
{
    if (!enabled) {
        m_timer.stop();
        return;
    }
    arm((currentDue >= 0 ? currentDue : now()) + span());
}

void Timer::fire()
{
    if (!m_timer.isActive())
        return;
    // The next real tick comes one interval after this one.
    const qint64 due = now();
    arm(due + span());
    emitTick(due);
}

qint64 Timer::span() const
{
    return std::max<qint64>(1, qint64(m_interval) * Millisecond);
}

void Timer::arm(qint64 due)
{
    m_due = due;
    const qint64 early = (due - now()) / Millisecond - EarlyMargin;
    m_timer.start(int(std::clamp<qint64>(early, 0, m_interval)));
}

void Timer::deliver()
{
    const qint64 due = m_due;
    waitUntil(due);
    // A tick that came more than a whole interval late does not queue up
    // another: the next one keeps the beat, on the first step still ahead.
    const qint64 late = now() - due;
    arm(due + span() * (1 + std::max<qint64>(0, late) / span()));
    emitTick(due);
}

void Timer::emitTick(qint64 due)
{
    const qint64 outer = currentDue;
    currentDue = due;
    emit tick();
    currentDue = outer;
}
