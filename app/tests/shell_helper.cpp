#include "shell_helper.h"

#include "AppGlobals.h"
#include "DialogRunner.h"
#include "FileHistory.h"
#include "MainWindow.h"
#include "Settings.h"
#include "StateProcessor.h"

#include <QDialog>
#include <QDir>
#include <QFile>

QMessageBox::StandardButton ScriptedServices::messageBox(QWidget*, MessageKind, const QString& caption,
                                                         const QString& text, QMessageBox::StandardButtons,
                                                         QMessageBox::StandardButton defaultButton,
                                                         QMessageBox::StandardButton escapeButton)
{
    boxes.append({caption, text});
    if (!boxAnswers.isEmpty())
        return boxAnswers.takeFirst();
    return escapeButton != QMessageBox::NoButton ? escapeButton
        : defaultButton != QMessageBox::NoButton ? defaultButton
                                                 : QMessageBox::Ok;
}

QString ScriptedServices::openFileName(QWidget*, const QString&, const QString&, const QString&)
{
    ++fileDialogs;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedServices::saveFileName(QWidget*, const QString&, const QString&, const QString&)
{
    ++fileDialogs;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

namespace {
// Programs run without the cycle thread: started programs stay listed until stopped.
StateProcessor::Options quietEngine()
{
    StateProcessor::Options options;
    options.threaded = false;
    options.realtime = false;
    return options;
}
} // namespace

ShellFixture::ShellFixture()
    : m_engine(std::make_unique<StateProcessor>(quietEngine()))
    , m_startup(std::make_unique<ShellStartup>())
    , m_oldDir(QDir::currentPath())
{
    StateProcessor::install(m_engine.get());
    qputenv("XDG_CONFIG_HOME", configFolder.path().toUtf8());
    settingsPath.clear();
    language.clear();
    fileHistory.clear();
    initApplicationDir();
    initSettingsPath();
    translationsDir = applicationDir + QStringLiteral("/../translations");
    m_startup->createShell(CommandLine());
    ShellServices::install(&services);
}

ShellFixture::~ShellFixture()
{
    answerDialogs(1); // no saving on the way out
    services.boxAnswers.clear();
    if (mainWindow)
        mainWindow->close();
    m_startup->shutdown();
    answerDialogsNormally();
    StateProcessor::install(nullptr);
    fileHistory.clear();
    QDir::setCurrent(m_oldDir);
}

MainWindow* ShellFixture::window() const
{
    return mainWindow;
}

QString ShellFixture::writeProgramFile(const QString& name) const
{
    const QString path = filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<model type=\"state\" mode=\"1\" sortIndex=\"0\" datatips=\"0\" sizex=\"2000\" sizey=\"2000\">\n"
               "  <info>One constant.</info>\n"
               "  <node id=\"1\" maintype=\"6\" subtype=\"0\" identifier=\"\" active=\"1\">\n"
               "    <name>c1</name>\n"
               "    <param name=\"value\">2.5</param>\n"
               "    <workspace><position x=\"240\" y=\"60\"/></workspace>\n"
               "  </node>\n"
               "</model>\n");
    return path;
}

void answerDialogs(int result)
{
    setDialogRunner([result](QDialog&) { return result; });
}

void answerDialogsNormally()
{
    setDialogRunner(nullptr);
}
