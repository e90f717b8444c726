// The main window's document commands: new, open, load, save, Save As, close, and the
// collision check before a chart starts.
#include "MainWindow.h"

#include "AppGlobals.h"
#include "CentralWidget.h"
#include "ChartSupport.h"
#include "DialogRunner.h"
#include "FileHistory.h"
#include "ResolveCollisionsDialog.h"
#include "SaveItemsDialog.h"
#include "ShellServices.h"
#include "State.h"
#include "StateManager.h"
#include "WorkspaceFile.h"
#include "XmlAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

ShellServices& services()
{
    return ShellServices::current();
}

QString qobjectText(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// Whether a save could put a file there, without touching what is there now: the
// folder must take a new file (saves go through a renamed new file), and an existing
// file must be writable.
bool placeIsWritable(const QString& fileName)
{
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return false;
    return !file.exists() || (file.isFile() && file.isWritable());
}

} // namespace

void MainWindow::showDocument(StateBase* document)
{
    m_central->showState(document);
    document->viewAdded();
}

void MainWindow::newState()
{
    if (StateBase* program = m_stateManager->newState(m_central))
        showDocument(program);
}

void MainWindow::newStateChart()
{
    if (StateBase* chart = ChartSupport::current().newStateChart(*m_stateManager, m_central))
        showDocument(chart);
}

void MainWindow::openFileDialog()
{
    const QString chosen = services().openFileName(this, QString(), QDir::currentPath(), QStringLiteral("*.kdw"));
    if (chosen.isEmpty() || !QFileInfo::exists(chosen))
        return;
    const QString absolute = QFileInfo(chosen).absoluteFilePath();
    QDir::setCurrent(QFileInfo(absolute).absolutePath());
    if (StateBase* open = m_stateManager->stateByFileName(absolute))
        m_central->showState(open);
    else
        load(absolute);
}

void MainWindow::load(const QString& fileName)
{
    if (StateBase* open = m_stateManager->stateByFileName(fileName)) {
        m_central->showState(open);
        return;
    }
    WorkspaceFile file;
    StateBase* document = nullptr;
    if (!file.read(fileName)) {
        services().messageBox(this, ShellServices::Warning, qobjectText("Error"), file.errorMessage());
    } else {
        document = loadModel(fileName, file.root());
    }
    if (document)
        fileHistory.add(document);
    else
        fileHistory.remove(fileName);
}

StateBase* MainWindow::loadModel(const QString& fileName, xmlNode* root)
{
    if (StateBase* open = m_stateManager->stateByFileName(fileName))
        return open;
    const QString type = attributeText(root, "type");
    StateBase* document = nullptr;
    if (type == QLatin1String("state"))
        document = m_stateManager->loadState(m_central, fileName, root);
    else if (type == QLatin1String("statechart"))
        document = ChartSupport::current().loadStateChart(*m_stateManager, m_central, fileName, root);
    if (document) {
        showDocument(document);
        return document;
    }
    services().messageBox(this, ShellServices::Warning, QStringLiteral("Drasvel"),
                          qobjectText("The file %1 could not be loaded.").arg(fileName));
    return nullptr;
}

void MainWindow::saveCurrent()
{
    StateBase* current = currentState();
    if (current && current->isModified())
        save(current);
}

void MainWindow::saveCurrentAs()
{
    if (StateBase* current = currentState())
        saveAs(current);
}

bool MainWindow::save(StateBase* document)
{
    if (document->kind() == StateBase_t::Chart && !saveUntitledPrograms(document))
        return false;
    if (!document->hasFileName())
        return saveAs(document);
    return saveToItsFile(document);
}

bool MainWindow::saveToItsFile(StateBase* document)
{
    if (!document->save()) {
        // The old file stays as it was; the user learns why nothing was saved.
        services().messageBox(this, ShellServices::Warning, applicationTitle,
                              tr("Can not write to %1.").arg(document->fileName()));
        return false;
    }
    fileHistory.add(document);
    return true;
}

int MainWindow::warning(const QString& text, int buttons, int defaultButton)
{
    return services().messageBox(this, ShellServices::Warning, applicationTitle, text,
                                 QMessageBox::StandardButtons(buttons), QMessageBox::StandardButton(defaultButton),
                                 QMessageBox::StandardButton(defaultButton));
}

bool MainWindow::saveAs(StateBase* document)
{
    const QString filter = applicationTitle + QLatin1Char(' ') + tr("file %1").arg(QStringLiteral("(*.kdw)"));
    const QString caption = document->displayName() + QStringLiteral(" - ") + tr("Save As");
    for (;;) {
        QString name = services().saveFileName(this, caption, document->fileName(), filter);
        if (name.isEmpty())
            return false;
        name = QFileInfo(name).absoluteFilePath();
        if (document->hasFileName() && StateManager::registeredFileName(name) == document->fileName())
            return save(document);
        if (QFileInfo(name).suffix().isEmpty() && !QFileInfo(name).fileName().contains(QLatin1Char('.')))
            name += QStringLiteral(".kdw");
        if (QFileInfo::exists(name)
            && warning(tr("The file %1 already exists.\n\nDo you want to replace the existing file?").arg(name),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
            continue;
        StateBase* holder = m_stateManager->stateByFileName(name);
        if (holder && holder != document) {
            warning(tr("File is currently in use and cannot be overwritten."), QMessageBox::Ok, QMessageBox::Ok);
            return false;
        }
        if (!placeIsWritable(name)) {
            if (warning(tr("Can not write to %1.\n\nDo you want to choose a different filename?").arg(name),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                == QMessageBox::Yes)
                continue;
            return false;
        }
        const QString previous = document->fileName();
        const bool wasTitled = document->hasFileName();
        document->setFileName(StateManager::registeredFileName(name), false);
        if (save(document))
            return true;
        // A failed save keeps the document under its old name.
        document->setFileName(previous, !wasTitled);
        return false;
    }
}

bool MainWindow::saveUntitledPrograms(StateBase* chart)
{
    const QList<StateBase*> untitled = ChartSupport::current().untitledStates(chart);
    if (untitled.isEmpty())
        return true;
    SaveItemsDialog dialog(this, untitled, false);
    dialog.setReadOnly(true);
    if (runDialog(dialog) != SaveItemsDialog::Yes)
        return false;
    for (StateBase* program : dialog.checkedItems()) {
        if (!save(program))
            return false;
    }
    return true;
}

bool MainWindow::saveChecked(const QList<StateBase*>& documents)
{
    for (StateBase* document : documents) {
        if (document->kind() == StateBase_t::Chart && !saveUntitledPrograms(document))
            return false;
        const bool saved = document->hasFileName() ? saveToItsFile(document) : saveAs(document);
        if (!saved)
            return false;
    }
    return true;
}

// Asks which documents to save and saves them; false when the close must not go on.
bool MainWindow::askToSaveAndSave(const QList<StateBase*>& documents, bool& cancelled)
{
    SaveItemsDialog dialog(this, documents, true);
    const int answer = runDialog(dialog);
    cancelled = answer == SaveItemsDialog::Cancel;
    if (cancelled)
        return false;
    if (answer == SaveItemsDialog::No)
        return true;
    return saveChecked(dialog.checkedItems());
}

void MainWindow::closeClicked_Slot(StateBase* document)
{
    if (!document)
        return;
    const bool question = document->isModified()
        || (document->kind() == StateBase_t::Chart && !ChartSupport::current().statesToSave(document).isEmpty());
    bool cancelled = false;
    if (question && !askToSaveAndSave({document}, cancelled))
        return;
    if (document->kind() == StateBase_t::Chart)
        closeStateChart(document, true);
    else
        closeProgram(document);
}

void MainWindow::forget(StateBase* document)
{
    m_central->removeState(document);
    m_stateManager->remove(document);
    delete document;
}

bool MainWindow::closeProgram(StateBase* program)
{
    const QList<StateBase*> charts = ChartSupport::current().referringCharts(program);
    if (!charts.isEmpty()) {
        QString list;
        for (StateBase* chart : charts)
            list += chart->displayName() + QLatin1Char('\n');
        services().messageBox(
            this, ShellServices::Warning, qobjectText("Program %1 can not be closed.").arg(program->displayName()),
            qobjectText("This program can not be closed since it is referenced by the following flow controls:\n%1")
                .arg(list));
        return false;
    }
    forget(program);
    return true;
}

bool MainWindow::closeStateChart(StateBase* chart, bool askForPrograms)
{
    QList<StateBase*> programs;
    if (askForPrograms && ChartSupport::current().stateBlockCount(chart) > 0) {
        const int answer = services().messageBox(this, ShellServices::Question, applicationTitle,
                                                 tr("Close all states inherited by %1?").arg(chart->displayName()),
                                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            programs = ChartSupport::current().referencedStates(chart);
    }
    forget(chart);
    for (StateBase* program : programs) {
        if (!closeProgram(program))
            return false;
    }
    return true;
}

void MainWindow::closeAll()
{
    QList<StateBase*> modified;
    for (StateBase* document : m_stateManager->states()) {
        if (document->isModified())
            modified.append(document);
    }
    bool cancelled = false;
    if (!modified.isEmpty() && !askToSaveAndSave(modified, cancelled))
        return;
    for (StateBase* document : m_stateManager->states()) {
        if (document->kind() == StateBase_t::Chart)
            closeStateChart(document, false);
    }
    for (StateBase* document : m_stateManager->states()) {
        if (!closeProgram(document))
            return;
    }
}

bool MainWindow::resolveCollisions(StateBase* document)
{
    if (document->kind() != StateBase_t::Chart)
        return true;
    QList<StateBase*> colliding;
    for (StateBase* program : ChartSupport::current().referencedStates(document)) {
        StateBase* other = ChartSupport::current().runningReferringChart(program);
        if (!other)
            other = ChartSupport::current().steppedReferringChart(program);
        if (other && other != document && !colliding.contains(other))
            colliding.append(other);
    }
    if (colliding.isEmpty())
        return true;
    ResolveCollisionsDialog dialog(this, colliding);
    if (runDialog(dialog) != ResolveCollisionsDialog::Yes)
        return false;
    for (StateBase* chart : colliding)
        chart->stop();
    return true;
}
