#include "ShellServices.h"

#include "State.h"
#include "StateChart.h"
#include "StateManager.h"
#include "WorkspaceFile.h"
#include "XmlAccess.h"

#include <atomic>

QString applicationFontFamily = QStringLiteral("Arial");
int currentHelpContext = 0;
QString applicationTitle = QStringLiteral("KELMARIS\u00AE View");

namespace {

ShellServices& defaultServices()
{
    static ShellServices services;
    return services;
}

std::atomic<ShellServices*> installedServices {nullptr};

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

QMessageBox::StandardButton ShellServices::messageBox(QWidget*, MessageKind, const QString&, const QString&,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton,
                                                      QMessageBox::StandardButton escapeButton)
{
    if (escapeButton != QMessageBox::NoButton)
        return escapeButton;
    if (defaultButton != QMessageBox::NoButton)
        return defaultButton;
    return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
}

QString ShellServices::openFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return QString();
}

StateBase* ShellServices::loadModel(StateManager& manager, const QString& fileName, xmlNode* root)
{
    if (StateBase* open = manager.stateByFileName(fileName))
        return open;
    const QString type = attributeText(root, QStringLiteral("type"));
    StateBase* loaded = nullptr;
    if (type == QLatin1String("state"))
        loaded = manager.loadState(nullptr, fileName, root);
    else if (type == QLatin1String("statechart"))
        loaded = manager.loadStateChart(nullptr, fileName, root);
    if (!loaded)
        messageBox(nullptr, Warning, QStringLiteral("Drasvel"), WorkspaceFile::notLoadedMessage(fileName));
    return loaded;
}

void ShellServices::showProgram(StateBase*)
{
}

void ShellServices::updateProgramTab(StateBase*)
{
}

QString ShellServices::saveFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return QString();
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
