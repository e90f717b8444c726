#include "CommandLine.h"

#include <QFileInfo>

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.endsWith(QLatin1String(".kdw"))) {
            // Kept absolute, so a later change of working folder never moves Save elsewhere.
            const QFileInfo file(argument);
            if (file.exists())
                line.workspaceFile = file.absoluteFilePath();
        } else if (argument == QLatin1String("/autostart")) {
            line.autostart = true;
        } else if (argument.startsWith(QLatin1String("/ip:"))) {
            line.robotAddress = argument.mid(4);
        }
    }
    return line;
}
