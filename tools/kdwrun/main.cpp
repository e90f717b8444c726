// kdwrun FILE.kdw [--cycles N] [--save OUT.kdw]: loads a workspace file as the program
// would, saves it and steps it without the 20 ms pauses. For tests and diagnosis.

#include "BlockKinds.h"
#include "WorkspaceRunner.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    // Blocks paint their icons, which needs a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerBlockKinds();
    QTextStream out(stdout);
    QTextStream err(stderr);
    WorkspaceRunner runner(out, err);
    return runner.run(application.arguments().mid(1));
}
