#include "core/Random.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace {
std::uint32_t g_randState = 1;
SecondsClock g_clock;
MillisecondWait g_wait;
} // namespace

int Rand() {
    g_randState = RandStep(g_randState);
    return RandOutput(g_randState);
}

std::uint32_t RandState() { return g_randState; }

void Srand(unsigned seed) {
    g_randState = seed;
}

void SetSecondsClock(SecondsClock clock) {
    g_clock = std::move(clock);
}

std::int64_t CalendarSeconds() {
    if (g_clock) return g_clock();
    return static_cast<std::int64_t>(std::time(nullptr));
}

MillisecondWait SetMillisecondWait(MillisecondWait wait) {
    return std::exchange(g_wait, std::move(wait));
}

void WaitMilliseconds(int ms) {
    if (ms <= 0) return;
    if (g_wait)
        g_wait(ms);
    else
        BusyWaitMilliseconds(ms);
}

void BusyWaitMilliseconds(int ms) {
    if (ms <= 0) return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
    }
}
