#pragma once

#include "AppShellServices.h"
#include "ShellStartup.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class MainWindow;
class StateProcessor;
class StateBase;

// Message boxes and file dialogs answered from lists, each call recorded.
class ScriptedServices : public AppShellServices
{
public:
    struct Box
    {
        QString caption;
        QString text;
    };

    QMessageBox::StandardButton messageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           QMessageBox::StandardButton escapeButton) override;
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override;
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override;

    QList<QMessageBox::StandardButton> boxAnswers; // an empty list answers with the escape button
    QStringList fileAnswers; // an empty list cancels
    QList<Box> boxes;
    int fileDialogs = 0;
};

// The whole shell as start-up builds it, with the settings in a folder of its own and
// every box answered by the script.
class ShellFixture
{
public:
    ShellFixture();
    ~ShellFixture();

    MainWindow* window() const;
    ScriptedServices services;
    QTemporaryDir configFolder;
    QTemporaryDir files;
    QString filePath(const QString& name) const { return files.filePath(name); }
    // A small program file with one constant block.
    QString writeProgramFile(const QString& name) const;

private:
    std::unique_ptr<StateProcessor> m_engine;
    std::unique_ptr<ShellStartup> m_startup;
    QString m_oldDir;
};

// Answers the shell's own dialogs (save questions, collisions) with a result.
void answerDialogs(int result);
void answerDialogsNormally();
