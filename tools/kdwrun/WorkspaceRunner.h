#pragma once

#include <QStringList>

class QTextStream;
class State;

// The workspace runner behind kdwrun: loads a workspace file through the program
// registry, optionally saves it and steps it a number of cycles synchronously.
//   kdwrun FILE.kdw [--cycles N] [--save OUT.kdw]
class WorkspaceRunner
{
public:
    enum Status { Success = 0, LoadFailed = 1, BadArguments = 2 };

    WorkspaceRunner(QTextStream& out, QTextStream& err);

    // The arguments after the program name; returns the process's exit status.
    int run(const QStringList& arguments);
    static QString usage();

private:
    bool parseArguments(const QStringList& arguments);
    int runLoaded(State* program);
    void runCycles(State* program);

    QTextStream& out;
    QTextStream& err;
    QString fileName;
    QString saveName;
    long long cycles = -1;
};
