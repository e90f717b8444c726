#include "BlockClock.h"

#include "Clock.h"

#include <atomic>

namespace {

std::atomic<Clock*> replacement {nullptr};

} // namespace

Clock& BlockClock::clock()
{
    Clock* clock = replacement.load();
    return clock ? *clock : systemClock();
}

void BlockClock::setClock(Clock* clock)
{
    replacement.store(clock);
}
