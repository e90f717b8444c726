// kdwrun FILE.kdw [--cycles N] [--save OUT.kdw] [--robot HOST[:PORT]] [--camera FRAME.jpg]:
// loads a workspace file as the program would, saves it and steps it without the 20 ms
// pauses. For tests and diagnosis; --help lists the runner's own options.

#include "BlockKinds.h"
#include "CameraHook.h"
#include "RobotOption.h"
#include "WorkspaceRunner.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Blocks paint their icons, which needs a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerBlockKinds();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = application.arguments().mid(1);
    RobotOption robot; // --robot HOST[:PORT]
    if (!robot.take(arguments, err))
        return WorkspaceRunner::BadArguments;
    CameraHook camera; // --camera FRAME.jpg
    if (!camera.takeArguments(arguments, err))
        return WorkspaceRunner::BadArguments;
    WorkspaceRunner runner(out, err);
    return runner.run(arguments);
}
