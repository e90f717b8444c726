#include "TerminationRequest.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// Processes events until the request arrives; false after the limit.
bool waitForRequest(const int& requests, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (requests == 0 && waited.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return requests > 0;
}

// One process-wide handler: the early and the live request in one test, in that order.
TEST(TerminationRequest, ASignalBeforeAndAfterTheInstanceBecomesOneRequestEach)
{
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    TerminationRequest::catchSignals();
    ASSERT_EQ(std::raise(SIGTERM), 0); // no Qt object yet: waits in the pipe
    int requests = 0;
    {
        TerminationRequest termination;
        QObject::connect(&termination, &TerminationRequest::requested, [&requests] { ++requests; });
        EXPECT_TRUE(waitForRequest(requests, 5000));

        ASSERT_EQ(std::raise(SIGINT), 0);
        requests = 0;
        EXPECT_TRUE(waitForRequest(requests, 5000));
    }
    EXPECT_EQ(std::signal(SIGTERM, SIG_DFL), SIG_DFL) << "the default comes back with the instance";
}

} // namespace
