#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class Node;
class State;

// Loads a workspace file of the test data into a program and steps it cycle by cycle
// in this thread, as the workspace runner does, inside a scratch folder that is the
// current directory meanwhile (value files named in the blocks land there).
class ProgramRun
{
public:
    // A file of the test data, or any file by its absolute path.
    explicit ProgramRun(const QString& dataFile);
    ~ProgramRun();

    bool loaded() const { return program != nullptr; }
    State& state() { return *program; }
    // The block with that id (ids run 1, 2, 3 … in execution order after loading).
    Node* block(unsigned id) const;

    // Writes the reader's input file in the scratch folder.
    void writeInput(const QStringList& lines, const QString& name = QStringLiteral("in.txt"));
    // Starts the program (reset first) when it is not running.
    void start();
    // Steps up to that many cycles; returns the exit number that ended the program,
    // 0 when none did. exitCycle tells in which cycle it ended.
    int run(int cycles);
    int exitCycle() const { return endedIn; }
    void stop();
    // The lines of a value file written in the scratch folder, without line feeds.
    QStringList output(const QString& name = QStringLiteral("out.txt")) const;
    QString scratchPath(const QString& name) const;
    // Saves the program as a workspace file in the scratch folder.
    bool saveAs(const QString& name);

    static QString dataPath(const QString& file);

private:
    QTemporaryDir scratch;
    QString previousDirectory;
    std::unique_ptr<State> program;
    bool running = false;
    int cycle = 0;
    int endedIn = 0;
};
