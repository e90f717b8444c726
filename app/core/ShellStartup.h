#pragma once

#include "CommandLine.h"

#include <QString>
#include <QTranslator>

#include <memory>

class AppShellServices;
class RobotCamera;

// The process-wide objects of the shell in their order: created after the splash screen
// (key filter, font, robot link, settings, translation, block kinds, main window, the
// command line's file and robot address), and shut down after the event loop.
class ShellStartup
{
public:
    ShellStartup();
    ~ShellStartup();

    void createShell(const CommandLine& line);
    // Stops the engine, writes the settings and deletes the shell's objects.
    void shutdown();

    // Which translation file the start-up loads: the locale's name or the setting; empty
    // for none. Changes `language` as start-up does.
    static QString chooseLanguage(const QString& localeName, QTranslator& translator);

private:
    void chooseApplicationFont();
    void openCommandLineFile(const CommandLine& line);

    AppShellServices* m_services;
    std::unique_ptr<RobotCamera> m_robotCamera;
    QTranslator m_languageTranslator;
    bool m_shutDown = false;
};
