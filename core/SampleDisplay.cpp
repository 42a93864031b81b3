#include "core/SamplingEngine.h"

namespace {
SampleDisplay noDisplays;
SampleDisplay* displays = &noDisplays;
} // namespace

SampleDisplay& Displays() {
    return *displays;
}

void SetDisplays(SampleDisplay* installed) {
    displays = installed ? installed : &noDisplays;
}
