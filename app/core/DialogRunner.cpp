#include "DialogRunner.h"

#include <QDialog>

namespace {
DialogRunner& installedRunner()
{
    static DialogRunner runner;
    return runner;
}
} // namespace

int runDialog(QDialog& dialog)
{
    if (installedRunner())
        return installedRunner()(dialog);
    return dialog.exec();
}

void setDialogRunner(DialogRunner runner)
{
    installedRunner() = std::move(runner);
}
