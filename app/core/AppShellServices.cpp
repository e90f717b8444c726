#include "AppShellServices.h"

#include "AppGlobals.h"
#include "KeyFilter.h"
#include "Library.h"
#include "MainWindow.h"
#include "Settings.h"
#include "State.h"

#include <QFileDialog>

QObject* AppShellServices::mainWindow() const
{
    return ::mainWindow;
}

void AppShellServices::showStatusMessage(const QString& text)
{
    if (::mainWindow)
        ::mainWindow->showStatusMessage(text);
}

QSize AppShellServices::defaultCanvasSize() const
{
    return QSize(canvasWidth, canvasHeight);
}

bool AppShellServices::shiftPressed() const
{
    return keyFilter && keyFilter->shiftPressed();
}

bool AppShellServices::ctrlPressed() const
{
    return keyFilter && keyFilter->ctrlPressed();
}

void AppShellServices::addProgramToLibrary(State* program)
{
    if (::mainWindow)
        ::mainWindow->library()->addProgram(program);
}

void AppShellServices::removeProgramFromLibrary(int id)
{
    if (::mainWindow)
        ::mainWindow->library()->removeProgram(id);
}

StateBase* AppShellServices::loadModel(StateManager& manager, const QString& fileName, xmlNode* root)
{
    // The main window's own registry gets a tab for the document; any other loads without one.
    if (::mainWindow && ::mainWindow->stateManager() == &manager)
        return ::mainWindow->loadModel(fileName, root);
    return ShellServices::loadModel(manager, fileName, root);
}

void AppShellServices::showProgram(StateBase* program)
{
    if (::mainWindow)
        ::mainWindow->showProgram(program);
}

void AppShellServices::updateProgramTab(StateBase* document)
{
    if (::mainWindow)
        ::mainWindow->updateProgramTab(document);
}

QMessageBox::StandardButton AppShellServices::messageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                                         const QString& text, QMessageBox::StandardButtons buttons,
                                                         QMessageBox::StandardButton defaultButton,
                                                         QMessageBox::StandardButton escapeButton)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Question,
                                              QMessageBox::Critical};
    QMessageBox box(icons[kind], caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (escapeButton != QMessageBox::NoButton)
        box.setEscapeButton(escapeButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString AppShellServices::openFileName(QWidget* parent, const QString& caption, const QString& startName,
                                       const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, startName, filter);
}

QString AppShellServices::saveFileName(QWidget* parent, const QString& caption, const QString& startName,
                                       const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, startName, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}
