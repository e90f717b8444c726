// kelmaris-sim: the simulated Kelmaris robot as a program, for running drasvel and
// kdwrun without hardware.

#include "SimRobot.h"
#include "SimScript.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void printHelp()
{
    std::cout << "Usage: kelmaris-sim --port P [--address A] [--script FILE] [--log FILE]\n"
                 "A simulated Kelmaris robot listening on address A (default 127.0.0.1), port P.\n"
                 "It has 8 digital inputs and outputs, 8 analogue inputs, 9 distance sensors,\n"
                 "a bumper, 3 omni-wheel motors moving a simulated pose, NorthStar readings,\n"
                 "2 relays, battery values and a camera; it takes one client at a time and stops\n"
                 "its motors when no velocity came for 100 ms.\n"
                 "  --script FILE  sensor values to report (format below)\n"
                 "  --log FILE     write the commands of every exchange, one exchange a line\n"
                 "Ends on SIGINT or SIGTERM.\n\n"
              << SimScript::formatHelp();
}

bool parsePort(const char* text, unsigned short& port)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (!end || *end != '\0' || value < 1 || value > 65535)
        return false;
    port = static_cast<unsigned short>(value);
    return true;
}

struct Options
{
    unsigned short port = 0;
    std::string address = "127.0.0.1";
    std::string scriptFile;
    std::string logFile;
    bool help = false;
};

// False with a message on standard error when the arguments are not usable.
bool parseArguments(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--port" && hasValue) {
            if (!parsePort(argv[++i], options.port)) {
                std::cerr << "kelmaris-sim: not a port: " << argv[i] << "\n";
                return false;
            }
        } else if (option == "--address" && hasValue) {
            options.address = argv[++i];
        } else if (option == "--script" && hasValue) {
            options.scriptFile = argv[++i];
        } else if (option == "--log" && hasValue) {
            options.logFile = argv[++i];
        } else {
            std::cerr << "kelmaris-sim: unknown or incomplete option " << option << "\nTry kelmaris-sim --help.\n";
            return false;
        }
    }
    if (!options.help && options.port == 0) {
        std::cerr << "kelmaris-sim: --port P is required. Try kelmaris-sim --help.\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseArguments(argc, argv, options))
        return 2;
    if (options.help) {
        printHelp();
        return 0;
    }

    SimRobot robot;
    if (!options.scriptFile.empty()) {
        SimScript script;
        std::string error;
        if (!script.load(options.scriptFile, error)) {
            std::cerr << "kelmaris-sim: " << error << "\n";
            return 2;
        }
        robot.setScript(script);
    }
    std::ofstream log;
    std::mutex logLock;
    if (!options.logFile.empty()) {
        log.open(options.logFile, std::ios::trunc);
        if (!log) {
            std::cerr << "kelmaris-sim: cannot write " << options.logFile << "\n";
            return 2;
        }
        robot.setLogSink([&](const std::string& line) {
            std::lock_guard<std::mutex> hold(logLock);
            log << line << "\n";
            log.flush();
        });
    }
    if (!robot.start(options.port, options.address)) {
        std::cerr << "kelmaris-sim: cannot listen on " << options.address << ":" << options.port << ": "
                  << std::strerror(errno) << "\n";
        return 1;
    }
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::cout << "kelmaris-sim listening on " << options.address << ":" << robot.port() << std::endl;
    while (!stopRequested)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    robot.stop();
    robot.setLogSink(nullptr);
    return 0;
}
