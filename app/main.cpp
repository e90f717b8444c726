#include "AppGlobals.h"
#include "CameraCenter.h"
#include "CommandLine.h"
#include "ImagePool.h"
#include "MainWindow.h"
#include "PerformanceTimer.h"
#include "RealtimeScheduling.h"
#include "Settings.h"
#include "ShellStartup.h"
#include "SplashScreen.h"
#include "TerminationRequest.h"

#include <QApplication>
#include <QTimer>

namespace {
QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Beside the start folder first, then where drasvel is installed.
QString findTranslationsDir()
{
    const QString found = findDataFolder(QStringLiteral("/../translations"), QStringLiteral("translations"),
                                         QStringLiteral("languages.qm"));
    return found.isEmpty() ? applicationDir + QStringLiteral("/../translations") : found;
}

// The process-wide image pool, lent to the image slots and the camera intake. Made before
// and deleted after the shell: the pool's users release their images into it until then.
class GlobalImagePool
{
public:
    GlobalImagePool() { ImagePool::setGlobal(&m_pool); }
    ~GlobalImagePool() { ImagePool::setGlobal(nullptr); }
    GlobalImagePool(const GlobalImagePool&) = delete;
    GlobalImagePool& operator=(const GlobalImagePool&) = delete;

private:
    ImagePool m_pool;
};
} // namespace

int main(int argc, char** argv)
{
    // From the first moment: a request before the window exists is answered once it does.
    TerminationRequest::catchSignals();
    const CommandLine line = CommandLine::parse(argumentList(argc, argv));
    // Before any thread exists, so the engine threads inherit it.
    RealtimeScheduling::raiseProcessPriority();
    initApplicationDir();
    initSettingsPath();
    translationsDir = findTranslationsDir();
    applicationTitle = defaultApplicationTitle();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("drasvel"));
    QApplication::setDesktopFileName(QStringLiteral("org.drasvel.drasvel"));
    GlobalImagePool imagePool;
    // A termination request closes the window as the user would, once the event loop runs.
    // Set up before the shell, which may already connect and start a program while the splash
    // screen finishes. A request during the splash screen (its wait for the window included)
    // waits: closing the window then would leave the splash screen as the last window, and
    // no loop would be running to end.
    TerminationRequest termination;
    bool shellRunning = false;
    bool terminationPending = false;
    QObject::connect(&termination, &TerminationRequest::requested, [&shellRunning, &terminationPending] {
        if (shellRunning)
            mainWindow->close();
        else
            terminationPending = true;
    });
    // Made on the GUI thread, which its camera dialogs' signals expect.
    CameraCenter::current();
    SplashScreen splash;
    splash.show();
    for (int i = 0; i < 50; ++i) {
        PerformanceTimer::sleep(10);
        splash.step();
        QApplication::processEvents();
    }
    ShellStartup startup;
    startup.createShell(line);
    splash.finish(mainWindow);
    shellRunning = true;
    if (terminationPending)
        QTimer::singleShot(0, mainWindow, &QWidget::close);
    const int exitCode = QApplication::exec();
    startup.shutdown();
    return exitCode;
}
