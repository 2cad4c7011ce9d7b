#pragma once

#include <QtGlobal>

#include <functional>

// The services of the platform that the games call directly: the standard
// alert sound and random numbers. Each can be replaced by a test.
namespace System {

void beep();
void setBeepHook(std::function<void()> hook);

// A whole number from 0 to n - 1 with equal chance. The generator is seeded
// afresh from the clock immediately before every draw, and the value taken is
// the largest integer not above r * n for a single-precision r in [0, 1).
int randomIndex(int n);

// Tests fix r: the function returns the value in [0, 1) to use for the next
// draw. An empty function restores the clock-seeded draw.
void setRandomSource(std::function<float()> source);

// A seed for a generator of the caller's own, from a generator seeded once
// by the system. A deck takes its seeds through a seam of its own, so tests
// give it theirs.
quint32 randomSeed();

} // namespace System
