#pragma once
// The program's random stream and its clocks. The generator is a fixed linear
// congruential one so every platform draws the same stream from a seed.

#include <cstdint>
#include <functional>

constexpr int kRandMax = 32767;

int Rand(); // 0..32767
void Srand(unsigned seed);

// Calendar time in whole seconds, used for seeding. Tests replace it so a run
// is repeatable; passing an empty function restores the real clock.
using SecondsClock = std::function<std::int64_t()>;
void SetSecondsClock(SecondsClock clock);
std::int64_t CalendarSeconds();

// Busy-waits on the monotonic clock; processes no events.
void WaitMilliseconds(int ms);

// Tests replace the wait (to record it, or to let no time pass), and the
// shell wraps it during a run to answer input while it waits; an empty
// function restores the busy wait. Returns the wait it replaces.
using MillisecondWait = std::function<void(int ms)>;
MillisecondWait SetMillisecondWait(MillisecondWait wait);

// The plain busy wait, whatever wait is installed.
void BusyWaitMilliseconds(int ms);
