#pragma once

// Real-time scheduling for the engine threads and a raised priority for the process.
// Where the system refuses (no CAP_SYS_NICE, RLIMIT_RTPRIO 0), the process writes one
// warning in all and goes on with normal scheduling.
class RealtimeScheduling
{
public:
    // Nice value of the whole process lowered (raised priority); true on success.
    static bool raiseProcessPriority();
    // SCHED_FIFO for the calling thread at the given priority (1 lowest … 99);
    // true on success.
    static bool makeCurrentThreadRealtime(int priority);
    // Number of refusals warned about so far (0 or 1).
    static int warningCount();

    static constexpr int processNice = -10;
    static constexpr int cyclePriority = 80;
    static constexpr int imagePriority = 60;

private:
    static void warnOnce(const char* what, int errorNumber);
};
