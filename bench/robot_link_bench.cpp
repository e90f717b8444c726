// The robot link against the simulated robot on loopback: one input/output exchange
// (median and 99th percentile), and camera frames 640 x 480 JPEG reaching the image
// thread's intake per second.
#include "CameraScene.h"
#include "ComCenter.h"
#include "ComCenterCamera.h"
#include "KelmarisCom.h"
#include "SimRobot.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "robot_link_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

bool waitConnected(KelmarisCom& link)
{
    for (int i = 0; i < 300 && !link.isConnected(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return link.isConnected();
}

void BM_ExchangeOnLoopback(benchmark::State& state)
{
    SimRobot robot;
    robot.start();
    KelmarisCom link;
    link.setImagePort(static_cast<unsigned>(robot.port()) + 1);
    link.connectToHost("127.0.0.1:" + std::to_string(robot.port()));
    if (!waitConnected(link)) {
        state.SkipWithError("no connection");
        return;
    }
    link.stopAsyncCommunication();
    link.receiveIoStatus(true);
    std::vector<double> micros;
    micros.reserve(100000);
    bool on = false;
    for (auto _ : state) {
        on = !on;
        const auto start = Clock::now();
        link.setDigitalOutput("DO0", on);
        link.addVelocity(0, on ? 100.0f : -100.0f, 1.0f);
        const bool answered = link.receiveIoStatus(true);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        benchmark::DoNotOptimize(answered);
    }
    std::sort(micros.begin(), micros.end());
    if (!micros.empty()) {
        state.counters["median_us"] = micros[micros.size() / 2];
        state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
        state.counters["max_us"] = micros.back();
    }
    link.close();
}
BENCHMARK(BM_ExchangeOnLoopback)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// Counts frames as the image thread's intake does while one camera block runs.
class OneCameraUser : public ComCenterCamera
{
public:
    int numberOfUsers() const override { return 1; }
};

void BM_CameraFramesToImageThread(benchmark::State& state)
{
    application();
    SimRobot robot;
    robot.start();
    OneCameraUser camera;
    ComCenter centre;
    centre.setCamera(&camera);
    centre.setImagePort(static_cast<unsigned>(robot.port()) + 2);
    centre.setHostName(QStringLiteral("127.0.0.1:%1").arg(robot.port()));
    centre.connectToHost();
    if (!waitConnected(*centre.com())) {
        state.SkipWithError("no connection");
        return;
    }
    KelmarisCameraParameters parameters = centre.com()->cameraParameters();
    parameters.resolution = 1;
    parameters.compression = 1;
    centre.com()->setCameraParameters(parameters);
    centre.exchangeIo(); // asks for frames
    centre.com()->setImageRequest(true);
    centre.com()->receiveIoStatus(true);
    for (int i = 0; i < 5; ++i)
        centre.receiveImage(); // settle
    double seconds = 0;
    long frames = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const unsigned before = lastImageSize.load();
        centre.receiveImage();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        frames += lastImageSize.load() != 0 || before != 0 ? 1 : 0;
    }
    state.counters["frames_per_s"] = seconds > 0 ? frames / seconds : 0.0;
    state.counters["jpeg_kB"] = lastImageSize.load() / 1000.0;
    centre.close();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_CameraFramesToImageThread)->Iterations(100)->Unit(benchmark::kMillisecond);

// How much of a 40 ms frame period the simulator's camera spends drawing and encoding.
void BM_SimulatorRendersAndEncodes640(benchmark::State& state)
{
    std::uint32_t frame = 0;
    for (auto _ : state) {
        const std::vector<unsigned char> rgb = CameraScene::render(640, 480, 0, 0, frame * 3.0, frame);
        benchmark::DoNotOptimize(CameraScene::encodeJpeg(rgb, 640, 480, 75));
        ++frame;
    }
}
BENCHMARK(BM_SimulatorRendersAndEncodes640)->Unit(benchmark::kMillisecond);

} // namespace
