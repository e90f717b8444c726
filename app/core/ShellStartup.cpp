#include "ShellStartup.h"

#include "AppGlobals.h"
#include "AppShellServices.h"
#include "CameraCenter.h"
#include "ComCenter.h"
#include "FileHistory.h"
#include "FunctionBlocks.h"
#include "KeyFilter.h"
#include "LogCategories.h"
#include "MainWindow.h"
#include "RobotBlocks.h"
#include "RobotCamera.h"
#include "Settings.h"
#include "StateProcessor.h"
#include "VisionBlocks.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>

ShellStartup::ShellStartup() : m_services(new AppShellServices)
{
}

ShellStartup::~ShellStartup()
{
    shutdown();
    delete m_services;
}

void ShellStartup::chooseApplicationFont()
{
    const QStringList families = QFontDatabase::families();
    const int pointSize = QApplication::font().pointSize();
    if (families.contains(QStringLiteral("Tahoma"))) {
        qWarning("Tahoma found");
        applicationFontFamily = QStringLiteral("Tahoma");
    } else if (families.contains(QStringLiteral("Arial"))) {
        qWarning("Arial found");
        applicationFontFamily = QStringLiteral("Arial");
    } else {
        qWarning("Using Helvetica");
        applicationFontFamily = QStringLiteral("helvetica");
    }
    QApplication::setFont(QFont(applicationFontFamily, pointSize));
}

QString ShellStartup::chooseLanguage(const QString& localeName, QTranslator& translator)
{
    if (localeName == QLatin1String("en") || language == QLatin1String("en"))
        return QString();
    const QString wanted = language.isEmpty() ? localeName : language;
    if (translator.load(wanted, translationsDir)) {
        if (language.isEmpty())
            language = localeName;
        return wanted;
    }
    language = QStringLiteral("en");
    return QString();
}

void ShellStartup::createShell(const CommandLine& line)
{
    ShellServices::install(m_services);
    chooseApplicationFont();
    comCenter = new ComCenter;
    m_robotCamera = std::make_unique<RobotCamera>(*comCenter->com(), CameraCenter::current());
    comCenter->setCamera(m_robotCamera.get());
    CameraCenter::current().setParameterSender([] {
        if (comCenter)
            comCenter->applyCameraParameters();
    });
    readSettings(*comCenter, fileHistory);
    if (!chooseLanguage(QLocale::system().name(), m_languageTranslator).isEmpty())
        QApplication::installTranslator(&m_languageTranslator);
    // After the font and the language: the demo overlay draws its key tiles once, when made.
    keyFilter = new KeyFilter;
    registerFunctionBlocks();
    registerRobotBlocks();
    registerVisionBlocks();
    new MainWindow;
    openCommandLineFile(line);
    mainWindow->resize(windowWidth, windowHeight);
    mainWindow->move(windowX, windowY);
    if (windowMaximized)
        mainWindow->showMaximized();
    else
        mainWindow->show();
}

void ShellStartup::openCommandLineFile(const CommandLine& line)
{
    if (line.workspaceFile.isEmpty())
        return;
    const QFileInfo file(line.workspaceFile);
    QDir::setCurrent(file.absolutePath());
    qCDebug(lcShell) << "start folder" << file.absolutePath() << "file" << file.fileName();
    // Opened under its absolute name, so Save never writes elsewhere.
    mainWindow->load(file.absoluteFilePath());
    mainWindow->setAutostartPending(line.autostart);
    if (!line.robotAddress.isEmpty()) {
        comCenter->setAutoReconnect(true);
        comCenter->setHostName(line.robotAddress);
        comCenter->connectToHost();
    }
}

void ShellStartup::shutdown()
{
    if (m_shutDown || !mainWindow)
        return;
    m_shutDown = true;
    stopEngine();
    writeSettings(*comCenter, fileHistory);
    CameraCenter::current().setParameterSender(nullptr);
    comCenter->setCamera(nullptr);
    m_robotCamera.reset();
    delete comCenter;
    comCenter = nullptr;
    delete mainWindow;
    delete keyFilter;
    keyFilter = nullptr;
    QApplication::removeTranslator(&m_languageTranslator);
    ShellServices::install(nullptr);
}
