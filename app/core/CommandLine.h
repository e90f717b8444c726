#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: a workspace file, an automatic start, a robot address.
struct CommandLine
{
    QString workspaceFile; // absolute; empty when none was given or the file is missing
    bool autostart = false;
    QString robotAddress;

    // Examines every argument after the program name on its own, in order.
    static CommandLine parse(const QStringList& arguments);
};
