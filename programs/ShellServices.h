#pragma once

#include <QSize>
#include <QString>

class QObject;
class State;

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

    static ShellServices& current();
    // Null puts the do-nothing services back. The caller keeps ownership.
    static void install(ShellServices* services);
};

// Font family of captions, badges, datatips and tooltips; the shell chooses it at start-up.
extern QString applicationFontFamily;
// Help context id opened by the help command; 0 opens the contents page.
extern int currentHelpContext;
