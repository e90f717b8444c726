#pragma once

#include "ShellServices.h"

// The shell's answers to programs and blocks: the main window, the status bar, the
// canvas size setting, the held keys, the library's program buttons, and real message
// boxes and file dialogs.
class AppShellServices : public ShellServices
{
public:
    QObject* mainWindow() const override;
    void showStatusMessage(const QString& text) override;
    QSize defaultCanvasSize() const override;
    bool shiftPressed() const override;
    bool ctrlPressed() const override;
    void addProgramToLibrary(State* program) override;
    void removeProgramFromLibrary(int id) override;
    StateBase* loadModel(StateManager& manager, const QString& fileName, xmlNode* root) override;
    void showProgram(StateBase* program) override;
    void updateProgramTab(StateBase* document) override;
    QMessageBox::StandardButton messageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           QMessageBox::StandardButton escapeButton) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& startName,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& startName,
                         const QString& filter) override;
};
