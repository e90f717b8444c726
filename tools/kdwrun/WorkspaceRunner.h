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
    static constexpr const char* name = "kdwrun";

    WorkspaceRunner(QTextStream& out, QTextStream& err);

    // The arguments after the program name; returns the process's exit status.
    int run(const QStringList& arguments);
    static QString usage();

private:
    enum class Parsed { Run, Answered, Refused };
    Parsed parseArguments(const QStringList& arguments);
    // "kdwrun: FILE: reason" on the error stream.
    void reportError(const QString& file, const QString& reason);
    int runLoaded(State* program);
    void runCycles(State* program);

    QTextStream& m_out;
    QTextStream& m_err;
    QString m_fileName;
    QString m_saveName;
    long long m_cycles = -1;
};
