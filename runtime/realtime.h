#pragma once

// Real-time scheduling for the few moments that must not wait behind other
// programs: a sound buffer due now, a tick due now. Where the system lets this
// process schedule in real time (a real-time limit, or root), the calling
// thread gets it; elsewhere nothing changes and the thread runs as before.
namespace RealTime {

// Puts the calling thread in the real-time class at the given priority, or at
// the highest the system allows below it. Returns whether this call changed
// the thread: false when the system refuses (asked only once a run) and when
// the thread was already real-time, which is then left as its starter set it.
bool raise(int priority);

// Puts a thread that raise() changed back to normal scheduling; any other
// thread is left alone.
void lower();

} // namespace RealTime
