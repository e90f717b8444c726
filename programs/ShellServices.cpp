#include "ShellServices.h"

#include <atomic>

QString applicationFontFamily = QStringLiteral("Arial");
int currentHelpContext = 0;

namespace {

ShellServices& defaultServices()
{
    static ShellServices services;
    return services;
}

std::atomic<ShellServices*> installedServices { nullptr };

} // namespace

ShellServices::~ShellServices() = default;

QObject* ShellServices::mainWindow() const
{
    return nullptr;
}

void ShellServices::showStatusMessage(const QString&)
{
}

QSize ShellServices::defaultCanvasSize() const
{
    return QSize(2000, 2000);
}

bool ShellServices::shiftPressed() const
{
    return false;
}

bool ShellServices::ctrlPressed() const
{
    return false;
}

void ShellServices::addProgramToLibrary(State*)
{
}

void ShellServices::removeProgramFromLibrary(int)
{
}

ShellServices& ShellServices::current()
{
    ShellServices* services = installedServices.load();
    return services ? *services : defaultServices();
}

void ShellServices::install(ShellServices* services)
{
    installedServices.store(services);
}
