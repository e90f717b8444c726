#include "WorkspaceRunner.h"

#include "ChartRunner.h"

#include "State.h"
#include "StateManager.h"
#include "StateProcessor.h"
#include "WorkspaceFile.h"

#include <QCommandLineParser>
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

WorkspaceRunner::WorkspaceRunner(QTextStream& output, QTextStream& errors) : m_out(output), m_err(errors)
{
}

QString WorkspaceRunner::usage()
{
    return QStringLiteral("usage: kdwrun FILE.kdw [--cycles N] [--save OUT.kdw]");
}

void WorkspaceRunner::reportError(const QString& file, const QString& reason)
{
    m_err << name << ": " << file << ": " << reason << Qt::endl;
}

WorkspaceRunner::Parsed WorkspaceRunner::parseArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Loads a workspace file as drasvel would, optionally saves it again, and steps its program\n"
                       "without the 20 ms pauses, printing \"cycle <n> exit <code>\" after each cycle."));
    parser.addPositionalArgument(QStringLiteral("FILE.kdw"), QStringLiteral("The workspace file to load."));
    const QCommandLineOption cyclesOption(
        QStringLiteral("cycles"),
        QStringLiteral("Steps the program up to N cycles; it stops earlier at an exit number."), QStringLiteral("N"));
    const QCommandLineOption saveOption(QStringLiteral("save"),
                                        QStringLiteral("Saves the loaded program to OUT.kdw before it runs."),
                                        QStringLiteral("OUT.kdw"));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help and exits."));
    const QCommandLineOption versionOption(QStringLiteral("version"), QStringLiteral("Shows the version and exits."));
    parser.addOptions({cyclesOption, saveOption, helpOption, versionOption});

    auto refuse = [this](const QString& reason) {
        m_err << name << ": " << reason << Qt::endl << usage() << Qt::endl;
        return Parsed::Refused;
    };
    if (!parser.parse(QStringList {QString::fromLatin1(name)} + arguments))
        return refuse(parser.errorText());
    if (parser.isSet(helpOption)) {
        m_out << parser.helpText();
        m_out.flush();
        return Parsed::Answered;
    }
    if (parser.isSet(versionOption)) {
        m_out << name << ' ' << DRASVEL_VERSION << Qt::endl;
        return Parsed::Answered;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return refuse(files.isEmpty() ? QStringLiteral("no workspace file given")
                                      : QStringLiteral("more than one workspace file given"));
    m_fileName = files.first();
    if (parser.values(cyclesOption).size() > 1 || parser.values(saveOption).size() > 1)
        return refuse(QStringLiteral("an option is given twice"));
    if (parser.isSet(cyclesOption)) {
        bool ok = false;
        m_cycles = parser.value(cyclesOption).toLongLong(&ok);
        if (!ok || m_cycles < 0)
            return refuse(QStringLiteral("--cycles takes a whole number of at least 0"));
    }
    if (parser.isSet(saveOption)) {
        m_saveName = parser.value(saveOption);
        if (m_saveName.isEmpty())
            return refuse(QStringLiteral("--save takes a file name"));
    }
    return Parsed::Run;
}

int WorkspaceRunner::run(const QStringList& arguments)
{
    switch (parseArguments(arguments)) {
    case Parsed::Answered: return Success;
    case Parsed::Refused: return BadArguments;
    case Parsed::Run: break;
    }
    WorkspaceFile file;
    if (!file.read(m_fileName)) {
        reportError(m_fileName, file.errorMessage());
        return LoadFailed;
    }
    SynchronousEngine engine;
    StateManager manager;
    if (file.type() == QLatin1String("statechart"))
        return ChartRunner(m_out, m_err).run(manager, m_fileName, file.root(), m_cycles, m_saveName);
    State* program = nullptr;
    if (file.type() == QLatin1String("state"))
        program = manager.loadState(nullptr, m_fileName, file.root());
    if (!program) {
        reportError(m_fileName, WorkspaceFile::notLoadedMessage(m_fileName));
        return LoadFailed;
    }
    const int status = runLoaded(program);
    manager.remove(program);
    delete program;
    return status;
}

int WorkspaceRunner::runLoaded(State* program)
{
    if (!m_saveName.isEmpty()) {
        program->setFileName(StateManager::registeredFileName(m_saveName), false);
        if (!program->save()) {
            //: %1:filename
            reportError(m_saveName, QCoreApplication::translate("MainWindow", "Can not write to %1.").arg(m_saveName));
            return LoadFailed;
        }
    }
    if (m_cycles >= 0)
        runCycles(program);
    return Success;
}

void WorkspaceRunner::runCycles(State* program)
{
    StateProcessor& engine = StateProcessor::current();
    program->start(nullptr);
    for (long long n = 1; n <= m_cycles; ++n) {
        engine.runCycle();
        m_out << "cycle " << n << " exit " << program->exitCode() << Qt::endl;
        if (program->exitCode() > 0 || !program->isRunning())
            break;
    }
    program->stop();
    engine.runCycle(); // ends the run: the robot link gets its stop event
}
