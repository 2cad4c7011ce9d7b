#pragma once

#include <QObject>
#include <QTimer>

// A timer switched only through Enabled, as the windows' design has it. While
// enabled it ticks every interval on the user-interface thread. Switching on a
// timer that already runs starts its interval afresh, so a restarted game
// shows its first pad a whole interval later.
class Timer : public QObject
{
    Q_OBJECT

public:
    Timer(int interval, bool enabled, QObject *parent) : QObject(parent)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(interval);
        connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
        setEnabled(enabled);
    }

    int interval() const { return m_timer.interval(); }
    bool isEnabled() const { return m_timer.isActive(); }

    void setEnabled(bool enabled)
    {
        if (enabled)
            m_timer.start();
        else
            m_timer.stop();
    }

    // Delivers one tick now, as if the interval had elapsed, so tests can step
    // a window through time. A disabled timer delivers nothing.
    void fire()
    {
        if (!m_timer.isActive())
            return;
        m_timer.start(); // the next real tick comes one interval after this one
        emit tick();
    }

signals:
    void tick();

private:
    QTimer m_timer;
};
