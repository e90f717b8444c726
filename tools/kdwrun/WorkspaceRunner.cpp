#include "WorkspaceRunner.h"

#include "State.h"
#include "StateManager.h"
#include "StateProcessor.h"
#include "WorkspaceFile.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Installs a synchronous engine for the runner's life.
class SynchronousEngine
{
public:
    SynchronousEngine() : engine(options()) { StateProcessor::install(&engine); }
    ~SynchronousEngine() { StateProcessor::install(nullptr); }
    StateProcessor& get() { return engine; }

private:
    static StateProcessor::Options options()
    {
        StateProcessor::Options result;
        result.threaded = false;
        result.realtime = false;
        return result;
    }
    StateProcessor engine;
};

} // namespace

WorkspaceRunner::WorkspaceRunner(QTextStream& output, QTextStream& errors) : out(output), err(errors)
{
}

QString WorkspaceRunner::usage()
{
    return QStringLiteral("usage: kdwrun FILE.kdw [--cycles N] [--save OUT.kdw]");
}

bool WorkspaceRunner::parseArguments(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--cycles") && hasValue && cycles < 0) {
            bool ok = false;
            cycles = arguments.at(++i).toLongLong(&ok);
            if (!ok || cycles < 0)
                return false;
        } else if (argument == QLatin1String("--save") && hasValue && saveName.isEmpty()) {
            saveName = arguments.at(++i);
            if (saveName.isEmpty())
                return false;
        } else if (!argument.startsWith(QLatin1String("--")) && fileName.isEmpty()) {
            fileName = argument;
        } else {
            return false;
        }
    }
    return !fileName.isEmpty();
}

int WorkspaceRunner::run(const QStringList& arguments)
{
    if (!parseArguments(arguments)) {
        err << usage() << Qt::endl;
        return BadArguments;
    }
    WorkspaceFile file;
    if (!file.read(fileName)) {
        err << file.errorMessage() << Qt::endl;
        return LoadFailed;
    }
    SynchronousEngine engine;
    StateManager manager;
    State* program = nullptr;
    // Sequence charts are not built yet; like any other type they do not load here.
    if (file.type() == QLatin1String("state"))
        program = manager.loadState(nullptr, fileName, file.root());
    if (!program) {
        err << WorkspaceFile::notLoadedMessage(fileName) << Qt::endl;
        return LoadFailed;
    }
    const int status = runLoaded(program);
    manager.remove(program);
    delete program;
    return status;
}

int WorkspaceRunner::runLoaded(State* program)
{
    if (!saveName.isEmpty()) {
        program->setFileName(StateManager::registeredFileName(saveName), false);
        if (!program->save()) {
            //: %1:filename
            err << QCoreApplication::translate("MainWindow", "Can not write to %1.").arg(saveName) << Qt::endl;
            return LoadFailed;
        }
    }
    if (cycles >= 0)
        runCycles(program);
    return Success;
}

void WorkspaceRunner::runCycles(State* program)
{
    StateProcessor& engine = StateProcessor::current();
    program->start(nullptr);
    for (long long n = 1; n <= cycles; ++n) {
        engine.runCycle();
        out << "cycle " << n << " exit " << program->exitCode() << Qt::endl;
        if (program->exitCode() > 0 || !program->isRunning())
            break;
    }
    program->stop();
    engine.runCycle(); // ends the run: the robot link gets its stop event
}
