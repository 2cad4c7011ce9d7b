#include "timer.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

qint64 now()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

// How late the tick being delivered came; zero outside a tick.
qint64 currentLateness = 0;

} // namespace

Timer::Timer(int interval, bool enabled, QObject *parent) : QObject(parent), m_interval(interval)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this,
            [this] { deliver(std::max<qint64>(0, now() - m_due)); });
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled)
{
    if (!enabled) {
        m_timer.stop();
        return;
    }
    const int wait = int(std::clamp<qint64>(m_interval - currentLateness, 0, m_interval));
    m_timer.start(wait);
    m_due = now() + wait;
}

void Timer::fire()
{
    if (!m_timer.isActive())
        return;
    m_timer.start(m_interval); // the next real tick comes one interval after this one
    m_due = now() + m_interval;
    deliver(0);
}

void Timer::deliver(qint64 lateness)
{
    if (m_timer.isActive() && m_timer.interval() != m_interval) {
        // The first wait was shortened; from now on the timer keeps its own.
        m_timer.start(m_interval);
        m_due = now() + m_interval;
    } else {
        m_due = now() + m_interval - lateness;
    }
    const qint64 outer = currentLateness;
    currentLateness = lateness;
    emit tick();
    currentLateness = outer;
}
