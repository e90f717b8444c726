// Start-up of the shell to the main window shown (without the splash screen's pause), and
// opening a workspace of 1,000 blocks until its tab shows it.
#include "AppGlobals.h"
#include "CentralWidget.h"
#include "ClockTabBar.h"
#include "CommandLine.h"
#include "DialogRunner.h"
#include "FileHistory.h"
#include "MainWindow.h"
#include "Settings.h"
#include "ShellStartup.h"
#include "StateProcessor.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "app_startup_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the shell's input devices hang off it, and tearing it down among the
    // exit handlers, after Qt's own statics, crashed at the end of the run.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// Programs never run here; the quiet engine has no threads to stop.
StateProcessor& quietEngine()
{
    static StateProcessor engine([] {
        StateProcessor::Options options;
        options.threaded = false;
        options.realtime = false;
        return options;
    }());
    return engine;
}

void prepare(QTemporaryDir& config)
{
    application();
    StateProcessor::install(&quietEngine());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    settingsPath.clear();
    initApplicationDir();
    initSettingsPath();
}

QString writeLargeWorkspace(const QTemporaryDir& folder, int blocks)
{
    const QString path = folder.filePath(QStringLiteral("large.kdw"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<model type=\"state\" mode=\"1\" sortIndex=\"0\" datatips=\"0\" sizex=\"20000\" sizey=\"20000\">\n");
    for (int i = 1; i <= blocks; ++i) {
        file.write(QStringLiteral("  <node id=\"%1\" maintype=\"6\" subtype=\"0\" identifier=\"\" active=\"1\">\n"
                                  "    <name>c%1</name>\n"
                                  "    <param name=\"value\">%1</param>\n"
                                  "    <param name=\"row\">0</param>\n"
                                  "    <workspace><position x=\"%2\" y=\"%3\"/></workspace>\n  </node>\n")
                       .arg(i)
                       .arg(60 + (i % 40) * 120)
                       .arg(60 + (i / 40) * 90)
                       .toUtf8());
    }
    file.write("</model>\n");
    return path;
}

void BM_StartupToMainWindowShown(benchmark::State& state)
{
    QTemporaryDir config;
    prepare(config);
    for (auto _ : state) {
        ShellStartup startup;
        startup.createShell(CommandLine());
        ShellServices::install(nullptr);
        QApplication::processEvents();
        benchmark::DoNotOptimize(mainWindow->isVisible());
        state.PauseTiming();
        mainWindow->close();
        startup.shutdown();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

void BM_OpenThousandBlockWorkspace(benchmark::State& state)
{
    QTemporaryDir config;
    QTemporaryDir files;
    prepare(config);
    const QString path = writeLargeWorkspace(files, 1000);
    ShellStartup startup;
    startup.createShell(CommandLine());
    // Boxes answer themselves here: a benchmark must never wait for a person.
    ShellServices::install(nullptr);
    setDialogRunner([](QDialog&) { return 1; });
    for (auto _ : state) {
        mainWindow->load(path);
        QApplication::processEvents();
        if (mainWindow->centralArea()->tabBar()->count() != 1) {
            state.SkipWithError("the workspace did not open");
            break;
        }
        state.PauseTiming();
        mainWindow->closeClicked_Slot(mainWindow->currentState());
        state.ResumeTiming();
    }
    mainWindow->close();
    startup.shutdown();
    setDialogRunner(nullptr);
    fileHistory.clear();
}
BENCHMARK(BM_OpenThousandBlockWorkspace)->Unit(benchmark::kMillisecond);

} // namespace
