#include "core/Random.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace {
std::uint32_t randState = 1;
SecondsClock secondsClock;
MillisecondWait millisecondWait;
} // namespace

int Rand() {
    randState = RandStep(randState);
    return RandOutput(randState);
}

std::uint32_t RandState() {
    return randState;
}

void Srand(unsigned seed) {
    randState = seed;
}

void SetSecondsClock(SecondsClock clock) {
    secondsClock = std::move(clock);
}

std::int64_t CalendarSeconds() {
    if (secondsClock) return secondsClock();
    return static_cast<std::int64_t>(std::time(nullptr));
}

MillisecondWait SetMillisecondWait(MillisecondWait wait) {
    return std::exchange(millisecondWait, std::move(wait));
}

void WaitMilliseconds(int ms) {
    if (ms <= 0) return;
    if (millisecondWait)
        millisecondWait(ms);
    else
        BusyWaitMilliseconds(ms);
}

void BusyWaitMilliseconds(int ms) {
    if (ms <= 0) return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
    }
}
