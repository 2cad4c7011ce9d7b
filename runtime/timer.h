#pragma once

#include <QObject>
#include <QTimer>

// A timer switched only through Enabled, as the windows' design has it. While
// enabled it ticks every interval on the user-interface thread. Switching on a
// timer that already runs starts its interval afresh, so a restarted game
// shows its first pad a whole interval later.
//
// A timer switched on from another timer's tick counts its interval from when
// that tick was due, not from when it came: the memory game's pads pass from
// one timer to the other at every step, and a millisecond late at each step
// would otherwise add up along a long sequence.
//
// Ticks keep a timeline to the microsecond: each one is due a whole interval
// after the one before, and is delivered on that moment rather than whenever
// the event loop's millisecond rounding lets the timer out.
class Timer : public QObject
{
    Q_OBJECT

public:
    Timer(int interval, bool enabled, QObject *parent);

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_timer.isActive(); }
    int remainingTime() const { return m_timer.remainingTime(); }

    void setEnabled(bool enabled);
    // For a pace chosen between games: the wait already under way is kept,
    // the ticks after it take the new interval.
    void setInterval(int interval) { m_interval = interval; }

    // Delivers one tick now, as if the interval had elapsed, so tests can step
    // a window through time. A disabled timer delivers nothing.
    void fire();

signals:
    void tick();

private:
    qint64 span() const;
    void arm(qint64 due);
    void deliver();
    void emitTick(qint64 due);

    QTimer m_timer;
    int m_interval;
    qint64 m_due = 0; // nanoseconds on the shared clock
};
