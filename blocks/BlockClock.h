#pragma once

class Clock;

// The clock that time-dependent blocks (generator, time, scope) read. It is the
// system's monotonic clock unless a test puts its own in place; blocks take it when
// they are created, so a test sets it before it builds or loads its program.
class BlockClock
{
public:
    static Clock& clock();
    // nullptr puts the system clock back.
    static void setClock(Clock* clock);
};
