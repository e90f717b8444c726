#pragma once

#include "ShellServices.h"

#include <QString>

class KeyFilter;
class MainWindow;

// Process-wide values fixed at start-up.
extern QString applicationDir; // the working folder at start
extern QString settingsPath; // full path of the settings file; empty when unknown
extern QString translationsDir; // applicationDir + "/../translations"
extern QString installedDataDir; // <prefix>/share/drasvel, searched after the start-relative folders
extern QString applicationTitle; // caption of the main window and the shell's boxes
extern KeyFilter* keyFilter;
extern MainWindow* mainWindow;

// The help context that F1 opens; 0 is the contents page.
inline int& helpContextId = currentHelpContext;

void initApplicationDir();
// The title with the registered sign.
QString defaultApplicationTitle();
// The first of the folders (relative to the start folder, then the installed data folder)
// that holds the entry; empty when none does.
QString findDataFolder(const QString& startRelative, const QString& installedSub, const QString& entry);
