// The link against the simulated robot on loopback: connection outcomes and their
// error codes, the exchange of commands and sensor values, camera frames, and the
// guarantees on callbacks and threads.
#include "KelmarisCom.h"
#include "SimRobot.h"
#include "link_helper.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace {

constexpr int waitMs = 3000;

std::string address(unsigned short port)
{
    return "127.0.0.1:" + std::to_string(port);
}

class Link : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(robot.start());
        link.setImagePort(freeLoopbackPort());
    }

    // The recorder goes before the link: no callback may reach it after that.
    void TearDown() override { link.close(); }

    // A robot serves one client: after a close, wait until it has seen the last one go,
    // or it answers "busy".
    void connect()
    {
        if (connections > 0) {
            ASSERT_TRUE(robot.waitForClient(false, waitMs));
        }
        ++connections;
        link.connectToHost(address(robot.port()));
        ASSERT_TRUE(recorder.waitFor("connected", waitMs, connections)) << events();
    }

    // Stops the link's own exchange and waits until nothing of it is under way.
    void takeOverExchange()
    {
        link.stopAsyncCommunication();
        ASSERT_TRUE(exchangeAnswered(link, waitMs));
    }

    // The command words of the next engine exchange.
    std::string exchanged()
    {
        const std::size_t before = robot.exchangeCount();
        EXPECT_TRUE(exchangeAnswered(link, waitMs));
        const std::vector<std::string> log = robot.commandLog();
        return log.size() > before ? log[before] : "(none)";
    }

    std::string events() const
    {
        std::string text;
        for (const std::string& e : recorder.events())
            text += e + "; ";
        return text;
    }

    int connections = 0;
    SimRobot robot;
    KelmarisCom link;
    CallbackRecorder recorder {link};
};

TEST_F(Link, ConnectsAndLearnsTheRobot)
{
    EXPECT_EQ(link.state(), KelmarisComState::Idle);
    EXPECT_TRUE(link.init(true));
    EXPECT_FALSE(link.init(false));
    connect();
    EXPECT_TRUE(recorder.waitFor("info", waitMs));
    EXPECT_TRUE(link.isConnected());
    EXPECT_FALSE(link.init(true));
    EXPECT_EQ(link.numDigitalInput(), 8u);
    EXPECT_EQ(link.numADC(), 8u);
    EXPECT_EQ(link.numDistanceSensors(), 9u);
    EXPECT_EQ(link.numMotors(), 3u);
    EXPECT_NE(link.kelmarisInfo().text.find("iod:"), std::string::npos);
    EXPECT_FALSE(link.kelmarisInfo().passive);
    EXPECT_EQ(recorder.events(), (std::vector<std::string> {"connected", "info"}));
}

TEST_F(Link, ConnectionOutcomesGiveTheirCodes)
{
    struct Case
    {
        const char* what;
        std::string host;
        const char* event;
    } cases[] = {
        {"nobody listens", address(freeLoopbackPort()), "error 1"},
        {"port not a number", "127.0.0.1:99999", "error 9"},
        {"empty host", "", "error 9"},
    };
    for (const Case& c : cases) {
        KelmarisCom other;
        CallbackRecorder seen(other);
        other.connectToHost(c.host);
        EXPECT_TRUE(seen.waitFor(c.event, waitMs)) << c.what;
        other.close();
        EXPECT_EQ(seen.events(), std::vector<std::string> {c.event}) << c.what;
        EXPECT_EQ(other.state(), KelmarisComState::Idle) << c.what;
    }
}

TEST_F(Link, SecondClientIsTurnedAway)
{
    connect();
    KelmarisCom second;
    second.setImagePort(freeLoopbackPort());
    CallbackRecorder seen(second);
    second.connectToHost(address(robot.port()));
    EXPECT_TRUE(seen.waitFor("error 7", waitMs));
    EXPECT_TRUE(link.isConnected());
}

TEST_F(Link, OccupiedImagePortFailsToBind)
{
    PortBlocker blocker;
    link.setImagePort(blocker.port());
    link.connectToHost(address(robot.port()));
    EXPECT_TRUE(recorder.waitFor("error 5", waitMs)) << events();
    EXPECT_FALSE(link.isConnected());
}

TEST_F(Link, SilentRobotTimesOut)
{
    connect();
    robot.setPaused(true);
    EXPECT_TRUE(recorder.waitFor("error 6", static_cast<int>(link.timeout()) + waitMs)) << events();
    EXPECT_FALSE(link.isConnected());
    EXPECT_EQ(link.timeout(), 2000u);
}

TEST_F(Link, RobotEndingTheConnectionReportsClosed)
{
    connect();
    robot.stop();
    EXPECT_TRUE(recorder.waitFor("closed", waitMs)) << events();
    EXPECT_EQ(link.state(), KelmarisComState::Idle);
    EXPECT_EQ(recorder.events(), (std::vector<std::string> {"connected", "info", "closed"}));
}

TEST_F(Link, DroppedConnectionIsAReadFailure)
{
    connect();
    robot.dropConnection();
    EXPECT_TRUE(recorder.waitFor("error 3", waitMs)) << events();
}

TEST_F(Link, CloseReportsAnEstablishedConnectionOnly)
{
    link.close();
    EXPECT_TRUE(recorder.events().empty());
    connect();
    link.close();
    EXPECT_EQ(link.state(), KelmarisComState::Idle);
    EXPECT_EQ(recorder.events(), (std::vector<std::string> {"connected", "info", "closed"}));
    link.close();
    EXPECT_EQ(recorder.events().size(), 3u);
    connect();
    EXPECT_TRUE(link.isConnected());
}

TEST_F(Link, NoCallbackAfterDestruction)
{
    auto doomed = std::make_unique<KelmarisCom>();
    doomed->setImagePort(freeLoopbackPort());
    CallbackRecorder seen(*doomed);
    doomed->connectToHost(address(robot.port()));
    ASSERT_TRUE(seen.waitFor("info", waitMs));
    doomed.reset();
    robot.stop();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(seen.events(), (std::vector<std::string> {"connected", "info"}));
}

TEST_F(Link, DisconnectedReadsZeroAndIgnoresSetters)
{
    robot.setAnalogInput(1, 3.5f);
    connect();
    takeOverExchange();
    EXPECT_FLOAT_EQ(link.analogInput(1), 3.5f);
    link.close();
    link.setDigitalOutput("DO1", true);
    EXPECT_FALSE(link.receiveIoStatus(true));
    EXPECT_EQ(link.analogInput(1), 0.0f);
    EXPECT_EQ(link.numMotors(), 0u);
    EXPECT_EQ(link.voltageBatt1plus2(), 0.0f);
    EXPECT_EQ(link.lockImage(), nullptr);
    connect();
    takeOverExchange();
    EXPECT_EQ(exchanged(), "");
    EXPECT_FALSE(robot.digitalOutput(1));
}

TEST_F(Link, ExchangeCarriesTheCommandsSetSinceTheLastOne)
{
    connect();
    takeOverExchange();
    link.setDigitalOutput("DO2", true);
    link.setDigitalOutput("R1", true);
    link.addVelocity(0, 99.0f, 1.0f);
    link.setKp(0, 0.5f);
    link.addVelocity(0, 120.0f, 2.0f);
    link.setDigitalOutput("bogus", true);
    EXPECT_EQ(exchanged(), "DO2=1 R1=1 VEL0=120,2 KP0=0.5");
    EXPECT_EQ(exchanged(), "");
    EXPECT_TRUE(robot.digitalOutput(2));
    EXPECT_TRUE(robot.relay(1));
    EXPECT_FLOAT_EQ(link.actualVelocity(0), 120.0f);
    NorthStarCommand command;
    command.room = 5;
    link.setNorthStarCommand(command);
    link.setBrake(1, true);
    link.resetPosition(1, false);
    EXPECT_EQ(exchanged(), "NS=0,5,10,0 BRAKE1=1 RESET1=0");
    EXPECT_EQ(link.northStarReadings().room, 5);
}

TEST_F(Link, SensorValuesComeBackByName)
{
    robot.setDigitalInput(3, true);
    robot.setAnalogInput(0, 1.25f);
    robot.setDistance(1, 2.0f);
    robot.setDistance(9, 0.5f);
    robot.setBumper(true);
    robot.setBattery(11.5f);
    robot.setCurrent(0.75f);
    robot.setMotorCurrentAdc(2, 321);
    connect();
    takeOverExchange();
    EXPECT_TRUE(link.digitalInput("DI3"));
    EXPECT_FALSE(link.digitalInput("DI2"));
    EXPECT_FALSE(link.digitalInput("DI99"));
    EXPECT_FLOAT_EQ(link.analogInput(0), 1.25f);
    EXPECT_EQ(link.analogInput(8), 0.0f);
    EXPECT_FLOAT_EQ(link.distance(1), 2.0f);
    EXPECT_FLOAT_EQ(link.distance(9), 0.5f);
    EXPECT_EQ(link.distance(0), 0.0f);
    EXPECT_EQ(link.distance(10), 0.0f);
    EXPECT_TRUE(link.bumper());
    EXPECT_FLOAT_EQ(link.voltageBatt1plus2(), 11.5f);
    EXPECT_FLOAT_EQ(link.current(), 0.75f);
    EXPECT_EQ(link.adc("S2_AD0"), 321);
    EXPECT_EQ(link.adc("S2_AD1"), 0);
    EXPECT_EQ(link.serialLineFrequency(), 100u);
    EXPECT_EQ(link.northStarReadings().numSpotsVisible, 2);
}

TEST_F(Link, MotorsStopWithoutFreshVelocity)
{
    connect();
    takeOverExchange();
    link.addVelocity(0, 300.0f, 1.0f);
    exchanged();
    EXPECT_FLOAT_EQ(robot.motorVelocity(0), 300.0f);
    for (int i = 0; i < 100 && robot.motorVelocity(0) != 0.0f; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(robot.motorVelocity(0), 0.0f);
}

TEST_F(Link, WheelSpeedsMoveTheSimulatedPose)
{
    connect();
    takeOverExchange();
    // Motors 1 and 3 at -330.8 and +330.8 rpm drive the robot forward at 100 mm/s.
    for (int i = 0; i < 25; ++i) {
        link.addVelocity(0, -330.8f, 1.0f);
        link.addVelocity(2, 330.8f, 1.0f);
        link.receiveIoStatus(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const SimRobot::Pose pose = robot.pose();
    EXPECT_GT(pose.x, 30.0);
    EXPECT_LT(pose.x, 100.0);
    EXPECT_NEAR(pose.y, 0.0, 1.0);
    EXPECT_NEAR(pose.phi, 0.0, 0.5);
    EXPECT_GT(link.northStarReadings().posX, 20) << "the NorthStar sensor follows the pose";
}

TEST_F(Link, CameraFramesArriveWhileRequested)
{
    connect();
    KelmarisCameraParameters camera = link.cameraParameters();
    camera.resolution = 1;
    link.setCameraParameters(camera);
    link.setImageRequest(true);
    const KelmarisImage* image = nullptr;
    for (int i = 0; i < 150 && !image; ++i) {
        image = link.lockImage();
        if (!image)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->type, KelmarisImage::Jpeg);
    EXPECT_EQ(image->width, 640);
    EXPECT_EQ(image->height, 480);
    ASSERT_GT(image->size, 4);
    EXPECT_EQ(image->data[0], 0xFF);
    EXPECT_EQ(image->data[1], 0xD8);
    EXPECT_EQ(link.lockImage(), nullptr); // one frame lent at a time
    link.unlockImage();
    EXPECT_EQ(robot.cameraParameters().resolution, 1);
}

TEST_F(Link, ShutdownSwitchesTheRobotOff)
{
    connect();
    link.setShutdown();
    EXPECT_TRUE(recorder.waitFor("closed", waitMs)) << events();
    EXPECT_TRUE(robot.shutdownRequested());
}

TEST_F(Link, CallbackMayConnectAgain)
{
    struct Again
    {
        KelmarisCom* link;
        std::string host;
        CallbackRecorder* recorder;
    } again {&link, address(robot.port()), &recorder};
    link.setConnectionClosedCallback(
        [](void* user) {
            auto* a = static_cast<Again*>(user);
            a->recorder->add("closed");
            a->link->connectToHost(a->host);
        },
        &again);
    connect();
    link.setShutdown();
    ASSERT_TRUE(recorder.waitFor("closed", waitMs));
    for (int i = 0; i < 150 && !link.isConnected(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(link.isConnected());
    link.setConnectionClosedCallback(nullptr, nullptr);
}

} // namespace
