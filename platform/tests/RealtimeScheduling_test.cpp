#include "RealtimeScheduling.h"

#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstdlib>
#include <linux/capability.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

int warningsSeen = 0;

void countWarnings(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type == QtWarningMsg)
        ++warningsSeen;
}

// Takes away what lets a process choose real-time scheduling, so that the refusal
// path runs the same way for root and for a normal user.
void dropSchedulingRights()
{
    rlimit none {0, 0};
    setrlimit(RLIMIT_RTPRIO, &none);
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] {};
    if (syscall(SYS_capget, &header, data) != 0)
        return;
    data[0].effective &= ~(1u << CAP_SYS_NICE);
    data[0].permitted &= ~(1u << CAP_SYS_NICE);
    syscall(SYS_capset, &header, data);
}

[[noreturn]] void refusedTwiceWarnsOnce()
{
    qInstallMessageHandler(countWarnings);
    dropSchedulingRights();
    const bool first = RealtimeScheduling::makeCurrentThreadRealtime(RealtimeScheduling::cyclePriority);
    const bool second = RealtimeScheduling::makeCurrentThreadRealtime(RealtimeScheduling::imagePriority);
    const bool process = RealtimeScheduling::raiseProcessPriority();
    const bool ok = !first && !second && !process && warningsSeen == 1 && RealtimeScheduling::warningCount() == 1;
    std::_Exit(ok ? 0 : 1);
}

} // namespace

TEST(RealtimeSchedulingDeathTest, RefusalGivesFalseAndExactlyOneWarning)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(refusedTwiceWarnsOnce(), testing::ExitedWithCode(0), "");
}

TEST(RealtimeScheduling, AGrantedRequestLeavesTheThreadRealtime)
{
    std::thread worker([] {
        if (!RealtimeScheduling::makeCurrentThreadRealtime(RealtimeScheduling::imagePriority))
            return; // refused here: covered by the test above
        int policy = 0;
        sched_param parameters {};
        pthread_getschedparam(pthread_self(), &policy, &parameters);
        EXPECT_EQ(policy, SCHED_FIFO);
        EXPECT_EQ(parameters.sched_priority, RealtimeScheduling::imagePriority);
    });
    worker.join();
}
