// ComCenter against the simulated robot on loopback: the signals of every connection
// outcome, the error texts by code, automatic reconnection and the address history.
#include "ComCenter.h"
#include "ComCenterCamera.h"
#include "ComCenterConnectedEvent.h"
#include "KelmarisCom.h"
#include "link_helper.h"
#include "robot_helper.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr int waitMs = 3000;

class ComCenterLink : public testing::Test
{
protected:
    // Waits for the first error signal and returns the main window's text for it.
    QString errorText(QSignalSpy& errors)
    {
        if (errors.isEmpty() && !errors.wait(waitMs + static_cast<int>(link.centre.com()->timeout())))
            return QStringLiteral("(no error)");
        return link.centre.errorMessage(errors.first().first().toInt());
    }

    SimulatedRobotLink link;
};

TEST_F(ComCenterLink, ConnectSignalsInOrderAndCountsConnections)
{
    QStringList order;
    QObject::connect(&link.centre, &ComCenter::connecting, [&] { order << "connecting"; });
    QObject::connect(&link.centre, &ComCenter::hostnameListChanged, [&] { order << "list"; });
    QObject::connect(&link.centre, &ComCenter::connected, [&] { order << "connected"; });
    ASSERT_TRUE(link.connect());
    EXPECT_EQ(order, (QStringList {"connecting", "list", "connected"}));
    EXPECT_EQ(link.centre.connectionCount(), 1u);
    EXPECT_EQ(link.centre.hostnameList(), QStringList {link.address()});
    QSignalSpy connecting(&link.centre, &ComCenter::connecting);
    link.centre.connectToHost(); // busy with a connection: nothing
    EXPECT_EQ(connecting.count(), 0);
}

TEST_F(ComCenterLink, ErrorTextsByCode)
{
    link.centre.setHostName(QStringLiteral("robot.local"));
    link.centre.setImagePort(4711);
    const struct
    {
        int code;
        const char* text;
    } cases[] = {
        {1, "Connection refused."},
        {2, "Writing to socket failed."},
        {3, "Reading from socket failed."},
        {4, "Creating image server socket failed."},
        {5, "Binding image server to port 4711 failed."},
        {6, "Kelmaris has not been sending anything for more than 2000 milliseconds."},
        {7, "Kelmaris is already in use."},
        {8, "Communication error."},
        {9, "DNS lookup of robot.local failed."},
        {10, "Communication error."},
        {11, "Winsock2 initialisation failes."},
        {0, "Communication error."},
        {12, "Communication error."},
        {-1, "Communication error."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(link.centre.errorMessage(c.code), QString::fromLatin1(c.text)) << c.code;
}

TEST_F(ComCenterLink, ClosedPortIsRefused)
{
    const unsigned short port = link.robot.port();
    link.robot.stop();
    QSignalSpy errors(&link.centre, &ComCenter::error);
    link.centre.setHostName(QStringLiteral("127.0.0.1:%1").arg(port));
    link.centre.connectToHost();
    EXPECT_EQ(errorText(errors), QStringLiteral("Connection refused."));
}

TEST_F(ComCenterLink, SecondClientIsTurnedAway)
{
    ASSERT_TRUE(link.connect());
    KelmarisCom* first = link.centre.com();
    ASSERT_TRUE(first->isConnected());
    ComCenter second;
    comCenter = &link.centre;
    second.setImagePort(link.centre.imagePort() + 1 == 0 ? 1 : link.centre.imagePort() + 1);
    QSignalSpy errors(&second, &ComCenter::error);
    second.setHostName(link.address());
    second.connectToHost();
    EXPECT_EQ(errorText(errors), QStringLiteral("Kelmaris is already in use."));
    second.close();
    ComCenterServices::install(&link.centre);
}

TEST_F(ComCenterLink, SilentRobotTimesOut)
{
    ASSERT_TRUE(link.connect());
    QSignalSpy errors(&link.centre, &ComCenter::error);
    link.robot.setPaused(true);
    EXPECT_EQ(errorText(errors),
              QStringLiteral("Kelmaris has not been sending anything for more than 2000 milliseconds."));
}

TEST_F(ComCenterLink, OccupiedImagePortFailsToBind)
{
    PortBlocker busy;
    link.centre.setImagePort(busy.port());
    QSignalSpy errors(&link.centre, &ComCenter::error);
    link.centre.setHostName(link.address());
    link.centre.connectToHost();
    EXPECT_EQ(errorText(errors), QStringLiteral("Binding image server to port %1 failed.").arg(busy.port()));
}

TEST_F(ComCenterLink, RobotShuttingDownClosesTheConnection)
{
    ASSERT_TRUE(link.connect());
    QSignalSpy closed(&link.centre, &ComCenter::connectionClosed);
    QSignalSpy errors(&link.centre, &ComCenter::error);
    link.centre.setShutdown();
    EXPECT_TRUE(closed.wait(waitMs));
    EXPECT_TRUE(link.robot.shutdownRequested());
    EXPECT_EQ(errors.count(), 0);
    EXPECT_FALSE(link.centre.isConnected());
}

TEST_F(ComCenterLink, CloseWhileIdleSaysNothing)
{
    QSignalSpy closed(&link.centre, &ComCenter::connectionClosed);
    link.centre.close();
    link.centre.close();
    QCoreApplication::processEvents();
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(ComCenterLink, AutoReconnectRecoversAfterTheRobotRestarts)
{
    link.centre.setAutoReconnect(true);
    ASSERT_TRUE(link.connect());
    QSignalSpy errors(&link.centre, &ComCenter::error);
    QSignalSpy closed(&link.centre, &ComCenter::connectionClosed);
    QSignalSpy connected(&link.centre, &ComCenter::connected);
    const unsigned short port = link.robot.port();
    link.robot.stop();
    // Refused attempts follow each other with a pause while the robot is away.
    QTest::qWait(3 * ComCenter::reconnectPauseMs / 2);
    ASSERT_TRUE(link.robot.start(port));
    EXPECT_TRUE(waitUntil([&] { return connected.count() > 0; }, 4000));
    EXPECT_TRUE(link.centre.isConnected());
    EXPECT_EQ(errors.count(), 0);
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(link.centre.connectionCount(), 2u);
    EXPECT_EQ(link.centre.hostnameList(), QStringList {link.address()});
}

TEST_F(ComCenterLink, HistoryMovesTheConnectedHostToTheFront)
{
    link.centre.addHostname(QStringLiteral("c"));
    link.centre.addHostname(link.address());
    link.centre.addHostname(QStringLiteral("b"));
    link.centre.addHostname(QStringLiteral("a"));
    EXPECT_EQ(link.centre.hostnameList(), (QStringList {"a", "b", link.address(), "c"}));
    ASSERT_TRUE(link.connect());
    EXPECT_EQ(link.centre.hostnameList(), (QStringList {link.address(), "a", "b", "c"}));
    link.centre.close();
    ASSERT_TRUE(waitUntil([&] { return !link.centre.isConnected(); }, waitMs));
    ASSERT_TRUE(link.connect());
    EXPECT_EQ(link.centre.hostnameList(), (QStringList {link.address(), "a", "b", "c"}));
    EXPECT_EQ(link.centre.connectionCount(), 2u);
    QSignalSpy changed(&link.centre, &ComCenter::hostnameListChanged);
    link.centre.clearHostnameList();
    EXPECT_TRUE(link.centre.hostName().isNull());
    EXPECT_TRUE(link.centre.hostnameList().isEmpty());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.first().first().toStringList().isEmpty());
}

TEST_F(ComCenterLink, ForeignEventTypesChangeNothing)
{
    QSignalSpy connected(&link.centre, &ComCenter::connected);
    QEvent foreign(QEvent::Type(1010));
    QCoreApplication::sendEvent(&link.centre, &foreign);
    QCoreApplication::processEvents();
    EXPECT_EQ(connected.count(), 0);
    EXPECT_EQ(link.centre.connectionCount(), 0u);
}

TEST_F(ComCenterLink, ExchangeRunsOnlyWhileTheEngineSaysSo)
{
    ASSERT_TRUE(link.connect());
    // Stopped by the fixture; the engine's stop event hands the exchange back to the link.
    const std::size_t before = link.robot.exchangeCount();
    QCoreApplication::postEvent(&link.centre, new QEvent(QEvent::Type(1012)));
    EXPECT_TRUE(waitUntil([&] { return link.robot.exchangeCount() > before + 5; }, waitMs));
    QCoreApplication::postEvent(&link.centre, new QEvent(QEvent::Type(1011)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(exchangeAnswered(*link.centre.com(), waitMs));
    const std::size_t stopped = link.robot.exchangeCount();
    QTest::qWait(100);
    EXPECT_EQ(link.robot.exchangeCount(), stopped);
    link.centre.exchangeIo();
    EXPECT_EQ(link.robot.exchangeCount(), stopped + 1);
    EXPECT_EQ(serialLineRate.load(), 100u);
}

class ChosenCamera : public ComCenterCamera
{
public:
    Parameters parameters() const override { return chosen; }
    Parameters chosen;
};

TEST_F(ComCenterLink, CameraParametersGoToTheRobot)
{
    ChosenCamera camera;
    link.centre.setCamera(&camera);
    ASSERT_TRUE(link.connect());
    const struct
    {
        ComCenterCamera::Parameters chosen;
        KelmarisCameraParameters sent;
    } cases[] = {
        {{300, 20, 1, 0}, {1, 1, 44, 20, 0}},
        {{128, 128, 0, 2}, {0, 0, 128, 128, 0}},
        {{10, 11, 2, 0}, {0, 1, 10, 11, 0}}, // an unknown size keeps the robot's resolution
    };
    for (const auto& c : cases) {
        camera.chosen = c.chosen;
        link.centre.applyCameraParameters();
        EXPECT_TRUE(exchangeAnswered(*link.centre.com(), waitMs)); // the parameters travel first
        const KelmarisCameraParameters seen = link.robot.cameraParameters();
        EXPECT_EQ(seen.resolution, c.sent.resolution) << c.chosen.imageSize;
        EXPECT_EQ(seen.compression, c.sent.compression) << c.chosen.imageQuality;
        EXPECT_EQ(seen.brightness, c.sent.brightness);
        EXPECT_EQ(seen.contrast, c.sent.contrast);
    }
    link.centre.setCamera(nullptr);
}

// A camera whose blocks run: its pass waits for a frame, which this robot does not send
// because no exchange asked for one.
class WaitingCamera : public ComCenterCamera
{
public:
    int numberOfUsers() const override { return 1; }
};

// A stop that comes just before the image thread's wait is not lost: the wait ends at once.
TEST_F(ComCenterLink, StopBeforeTheImageWaitEndsIt)
{
    WaitingCamera camera;
    link.centre.setCamera(&camera);
    ASSERT_TRUE(link.connect());
    link.centre.endImageLoop();
    std::atomic<bool> returned {false};
    std::thread imageThread([&] {
        link.centre.receiveImage();
        returned.store(true);
    });
    const bool endedByTheStop = waitUntil([&] { return returned.load(); }, waitMs);
    if (!endedByTheStop)
        link.robot.dropConnection(); // frees the wait
    imageThread.join();
    EXPECT_TRUE(endedByTheStop);
    link.centre.setCamera(nullptr);
}

TEST_F(ComCenterLink, PassiveRobotIsReported)
{
    link.robot.setInfoText("iod: 1", true);
    QSignalSpy passive(&link.centre, &ComCenter::passiveMode);
    ASSERT_TRUE(link.connect());
    EXPECT_TRUE(waitUntil([&] { return passive.count() == 1; }, 3000));
}

} // namespace
