#pragma once
// The program's random stream and its clocks. The generator is a fixed linear
// congruential one so every platform draws the same stream from a seed.

#include <cstdint>
#include <functional>

constexpr int kRandMax = 32767;

int Rand(); // 0..32767
void Srand(unsigned seed);

// The generator's state and one step of it: state = state * 214013 + 2531011
// (mod 2^32); a number is bits 16..30 of the new state.
constexpr std::uint32_t kRandMultiplier = 214013u;
constexpr std::uint32_t kRandIncrement = 2531011u;
constexpr std::uint32_t RandStep(std::uint32_t state) {
    return state * kRandMultiplier + kRandIncrement;
}
constexpr int RandOutput(std::uint32_t state) {
    return static_cast<int>((state >> 16) & 0x7fff);
}
std::uint32_t RandState();

// k steps of the generator at once. k steps of an LCG are again an LCG,
// state * a^k + c (a^k - 1) / (a - 1), both mod 2^32, found by squaring.
struct RandJump {
    std::uint32_t multiplier = 1;
    std::uint32_t increment = 0;
    constexpr std::uint32_t Apply(std::uint32_t state) const {
        return state * multiplier + increment;
    }
};
constexpr RandJump RandJumpOf(std::uint64_t steps) {
    RandJump total;                                  // no step yet
    RandJump power{kRandMultiplier, kRandIncrement}; // one step
    while (steps > 0) {
        if (steps & 1u)
            total = {total.multiplier * power.multiplier,
                     total.increment * power.multiplier + power.increment};
        power = {power.multiplier * power.multiplier,
                 power.increment * power.multiplier + power.increment};
        steps >>= 1;
    }
    return total;
}

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
