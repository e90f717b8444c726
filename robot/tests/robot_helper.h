#pragma once

// A connected robot link for tests: the simulated robot on a free loopback port, a
// ComCenter connected to it, and programs of one robot block fed by constants.

#include "ComCenter.h"
#include "SimRobot.h"
#include "link_helper.h"

#include <QList>
#include <QMap>
#include <QString>

#include <memory>

class Node;
class State;

// Starts the simulator and a ComCenter (made the process-wide one) without connecting.
class SimulatedRobotLink
{
public:
    SimulatedRobotLink();
    ~SimulatedRobotLink();

    // Connects and waits for the connected signal; then the tests drive the exchange.
    bool connect();
    QString address() const;

    SimRobot robot;
    ComCenter centre;
};

// A program whose constants feed the left inputs of one block of that kind (the last
// block in execution order), started and ready to step.
class OneBlockProgram
{
public:
    // Started at once unless the engine is to start it (startNow false).
    OneBlockProgram(unsigned short maintype, const QMap<QString, QString>& parameters, const QList<float>& inputs,
                    bool startNow = true);
    ~OneBlockProgram();

    bool loaded() const { return program != nullptr; }
    Node& block() const { return *robotBlock; }
    State& state() const { return *program; }
    // One cycle of the program, then the link's exchange as the engine runs it.
    void cycle();
    float output(int side, int index) const;

private:
    std::unique_ptr<State> program;
    Node* robotBlock = nullptr;
    bool startedHere = false;
};

// The workspace text of such a program.
QString oneBlockWorkspace(unsigned short maintype, const QMap<QString, QString>& parameters,
                          const QList<float>& inputs);

// Runs Qt events until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
