#pragma once

#include <QString>

#include <libxml/tree.h>

class QTextStream;
class StateChart;
class StateManager;
class StateProcessor;

// Runs a sequence chart for kdwrun: loads it with the programs it refers to, starts it,
// runs one synchronous engine cycle after another (programs' stops and hand-overs
// included), ticks the chart every fifth cycle (100 ms of 20 ms cycles) and prints the
// programs in control after each cycle, until the chart stops or after the given cycles.
class ChartRunner
{
public:
    static constexpr int cyclesPerTick = 5;

    ChartRunner(QTextStream& out, QTextStream& err);

    // Messages the shell would show go to err, every question answered with its default
    // button. Returns the process's exit status: 0, or 1 when the chart does not load.
    // cycles < 0 runs until the chart stops; a save name saves the loaded chart first.
    int run(StateManager& manager, const QString& fileName, xmlNode* root, long long cycles,
            const QString& saveName = QString());

private:
    bool saveCopy(StateChart* chart, const QString& saveName);
    void runCycles(StateChart* chart, long long cycles);
    static QString programsInControl(const StateChart* chart);
    static void closeAll(StateManager& manager);

    QTextStream& out;
    QTextStream& err;
};
