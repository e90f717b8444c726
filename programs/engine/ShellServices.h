#pragma once

#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>

#include <libxml/tree.h>

class QObject;
class QWidget;
class State;
class StateBase;
class StateManager;

// What programs, blocks and nets use of the application shell. The shell installs its
// own implementation at start-up; until then (and in tests) a do-nothing one answers.
class ShellServices
{
public:
    virtual ~ShellServices();

    // The receiver of the events that programs and the engine post; null without one.
    virtual QObject* mainWindow() const;
    // Shown in the status bar until the next message.
    virtual void showStatusMessage(const QString& text);
    // Canvas size of new programs.
    virtual QSize defaultCanvasSize() const;
    virtual bool shiftPressed() const;
    virtual bool ctrlPressed() const;
    // Library dock entries of open programs.
    virtual void addProgramToLibrary(State* program);
    virtual void removeProgramFromLibrary(int id);
    // The main window's loading of an already parsed workspace document: the open
    // document of that file name, else a new one from the root (the shell adds its tab);
    // null after the shell's warning.
    virtual StateBase* loadModel(StateManager& manager, const QString& fileName, xmlNode* root);
    // Brings the document's tab to the front.
    virtual void showProgram(StateBase* program);
    // Redraws the run clock in the document's tab.
    virtual void updateProgramTab(StateBase* document);

    // Message boxes and file dialogs, so that tests answer them. The do-nothing services
    // answer a box with its escape button (else its default) and a file dialog with
    // nothing (cancel).
    enum MessageKind { Information, Warning, Question, Critical };
    virtual QMessageBox::StandardButton messageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                                   const QString& text,
                                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                                   QMessageBox::StandardButton escapeButton = QMessageBox::NoButton);
    // GUI thread: a file the user chooses to read or to write; a null string when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& startName,
                                 const QString& filter);
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& startName,
                                 const QString& filter);

    static ShellServices& current();
    // Null puts the do-nothing services back. The caller keeps ownership.
    static void install(ShellServices* services);
};

// Font family of captions, badges, datatips and tooltips; the shell chooses it at start-up.
extern QString applicationFontFamily;
// Caption of the program's critical and informative message boxes; main() sets it once.
extern QString applicationTitle;
// Help context id opened by the help command; 0 opens the contents page.
extern int currentHelpContext;
