#include "ChartRunner.h"

#include "ShellServices.h"
#include "State.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateManager.h"
#include "StateProcessor.h"
#include "WorkspaceFile.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// The shell of a run without a window: messages are printed, questions get their default.
class ConsoleShell : public ShellServices
{
public:
    ConsoleShell(QTextStream& errors, const QString& file)
        : err(errors), fileName(file), previous(&ShellServices::current())
    {
        ShellServices::install(this);
    }
    ~ConsoleShell() override { ShellServices::install(previous); }
    ConsoleShell(const ConsoleShell&) = delete;
    ConsoleShell& operator=(const ConsoleShell&) = delete;

    QMessageBox::StandardButton messageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           QMessageBox::StandardButton escapeButton) override
    {
        err << "kdwrun: " << fileName << ": " << text << Qt::endl;
        return ShellServices::messageBox(parent, kind, caption, text, buttons, defaultButton, escapeButton);
    }

private:
    QTextStream& err;
    QString fileName;
    ShellServices* previous;
};

} // namespace

ChartRunner::ChartRunner(QTextStream& output, QTextStream& errors) : out(output), err(errors)
{
}

int ChartRunner::run(StateManager& manager, const QString& fileName, xmlNode* root, long long cycles,
                     const QString& saveName)
{
    ConsoleShell shell(err, fileName);
    StateChart* chart = manager.loadStateChart(nullptr, fileName, root);
    if (!chart) {
        err << "kdwrun: " << fileName << ": " << WorkspaceFile::notLoadedMessage(fileName) << Qt::endl;
        closeAll(manager);
        return 1;
    }
    int status = 0;
    if (saveName.isEmpty() || saveCopy(chart, saveName))
        runCycles(chart, cycles);
    else
        status = 1;
    closeAll(manager);
    return status;
}

bool ChartRunner::saveCopy(StateChart* chart, const QString& saveName)
{
    chart->setFileName(StateManager::registeredFileName(saveName), false);
    if (chart->save())
        return true;
    //: %1:filename
    err << "kdwrun: " << saveName << ": "
        << QCoreApplication::translate("MainWindow", "Can not write to %1.").arg(saveName) << Qt::endl;
    return false;
}

void ChartRunner::runCycles(StateChart* chart, long long cycles)
{
    StateProcessor& engine = StateProcessor::current();
    chart->start(nullptr);
    int ticks = 0;
    for (long long n = 1; cycles < 0 || n <= cycles; ++n) {
        engine.runCycle();
        // Icon changes and the programs' stop work; no timers fire here, the runner ticks.
        QCoreApplication::sendPostedEvents();
        if (n % cyclesPerTick == 0) {
            chart->stepTimerTimeout();
            ++ticks;
        }
        out << "cycle " << n << " running " << programsInControl(chart) << Qt::endl;
        if (!chart->isTicking())
            break;
    }
    if (!chart->isTicking())
        out << "chart stopped after " << ticks << " ticks" << Qt::endl;
    chart->stop();
    engine.runCycle(); // ends the run: the robot link gets its stop event
    QCoreApplication::sendPostedEvents();
}

QString ChartRunner::programsInControl(const StateChart* chart)
{
    QStringList names;
    for (StateBlock* element : chart->stateBlocks()) {
        if (element->isActive() && element->state())
            names << element->state()->displayName();
    }
    return names.join(QLatin1Char(','));
}

void ChartRunner::closeAll(StateManager& manager)
{
    // Charts first: their elements unbind from the programs.
    for (int pass = 0; pass < 2; ++pass) {
        for (StateBase* document : manager.states()) {
            if ((document->kind() == StateBase_t::Chart) == (pass == 0)) {
                manager.remove(document);
                delete document;
            }
        }
    }
}
