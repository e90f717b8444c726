#include "AppGlobals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef DRASVEL_DATA_DIR
#define DRASVEL_DATA_DIR "/usr/local/share/drasvel"
#endif

QString applicationDir;
QString settingsPath;
QString translationsDir;
QString installedDataDir = QStringLiteral(DRASVEL_DATA_DIR);
// applicationTitle itself is defined with the shell services, which programs and blocks use.
KeyFilter* keyFilter = nullptr;
MainWindow* mainWindow = nullptr;

void initApplicationDir()
{
    applicationDir = QDir::currentPath();
}

QString defaultApplicationTitle()
{
    return QStringLiteral("KELMARIS") + QChar(0x00AE) + QStringLiteral(" View");
}

QString findDataFolder(const QString& startRelative, const QString& installedSub, const QString& entry)
{
    // The start folder as the program has always looked; then beside the program file,
    // so a build tree works from anywhere; then the installed data folder.
    QStringList candidates {QDir::cleanPath(applicationDir + startRelative)};
    if (QCoreApplication::instance())
        candidates.append(QDir::cleanPath(QCoreApplication::applicationDirPath() + startRelative));
    candidates.append(QDir::cleanPath(installedDataDir + QLatin1Char('/') + installedSub));
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + entry))
            return folder;
    }
    return QString();
}
