// The main window's document commands, with every box and file dialog answered.
#include "shell_helper.h"

#include "CentralWidget.h"
#include "ChartSupport.h"
#include "ClockTabBar.h"
#include "FileHistory.h"
#include "MainWindow.h"
#include "State.h"
#include "StateManager.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

int tabCount(MainWindow* window)
{
    return window->centralArea()->tabBar()->count();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Charts that refer to a program, as the chart support would report them.
class ReferringCharts : public ChartSupport
{
public:
    QList<StateBase*> referringCharts(StateBase* program) const override
    {
        return program == referenced ? charts : QList<StateBase*>();
    }
    StateBase* referenced = nullptr;
    QList<StateBase*> charts;
};

} // namespace

TEST(Documents, newProgramsGetTabsAndTheSmallestFreeNumber)
{
    ShellFixture shell;
    shell.window()->newState();
    shell.window()->newState();
    EXPECT_EQ(tabCount(shell.window()), 2);
    StateBase* second = shell.window()->currentState();
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->hasFileName());
    EXPECT_TRUE(shell.window()->centralArea()->tabBarArea()->isVisibleTo(shell.window()));
    shell.window()->closeClicked_Slot(second);
    shell.window()->closeClicked_Slot(shell.window()->currentState());
    EXPECT_EQ(tabCount(shell.window()), 0);
    EXPECT_FALSE(shell.window()->centralArea()->tabBarArea()->isVisibleTo(shell.window()));
}

TEST(Documents, openLoadsOnceAndRemembersTheFile)
{
    ShellFixture shell;
    const QString path = shell.writeProgramFile("one.kdw");
    shell.services.fileAnswers = {path};
    shell.window()->openFileDialog();
    ASSERT_EQ(tabCount(shell.window()), 1);
    EXPECT_EQ(shell.window()->currentState()->fileName(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(fileHistory.at(0).first, QFileInfo(path).absoluteFilePath());
    shell.window()->load(path); // already open: only shows its tab
    EXPECT_EQ(tabCount(shell.window()), 1);
    EXPECT_EQ(fileHistory.count(), 1);
}

TEST(Documents, unreadableAndBrokenFilesAreReportedAndForgotten)
{
    ShellFixture shell;
    const QString broken = shell.filePath("broken.kdw");
    QFile file(broken);
    file.open(QIODevice::WriteOnly);
    file.write("<model type=\"state\"><node");
    file.close();
    const QString chartless = shell.filePath("chart.kdw");
    QFile chart(chartless);
    chart.open(QIODevice::WriteOnly);
    chart.write("<model type=\"other\"/>");
    chart.close();
    fileHistory.add(broken, 0);
    const struct
    {
        QString path;
        QString caption;
    } cases[] = {
        {shell.filePath("missing.kdw"), "Error"},
        {broken, "Error"},
        {chartless, "Drasvel"},
    };
    for (const auto& c : cases) {
        shell.services.boxes.clear();
        shell.window()->load(c.path);
        ASSERT_EQ(shell.services.boxes.size(), 1) << c.path.toStdString();
        EXPECT_EQ(shell.services.boxes.first().caption, c.caption);
    }
    EXPECT_EQ(tabCount(shell.window()), 0);
    EXPECT_TRUE(fileHistory.isEmpty());
}

TEST(Documents, saveOfAnUnmodifiedUntitledProgramDoesNothing)
{
    ShellFixture shell;
    shell.window()->newState();
    shell.window()->saveCurrent();
    EXPECT_EQ(shell.services.fileDialogs, 0);
}

TEST(Documents, saveAsAddsTheExtensionAndKeepsOthers)
{
    ShellFixture shell;
    shell.window()->newState();
    StateBase* program = shell.window()->currentState();
    shell.services.fileAnswers = {shell.filePath("plain")};
    ASSERT_TRUE(shell.window()->saveAs(program));
    EXPECT_EQ(program->fileName(), shell.filePath("plain.kdw"));
    EXPECT_TRUE(QFileInfo::exists(shell.filePath("plain.kdw")));
    shell.services.fileAnswers = {shell.filePath("other.xml")};
    ASSERT_TRUE(shell.window()->saveAs(program));
    EXPECT_EQ(program->fileName(), shell.filePath("other.xml"));
    EXPECT_FALSE(program->isModified());
}

TEST(Documents, replacingAsksAndNoAsksAgain)
{
    ShellFixture shell;
    const QString existing = shell.writeProgramFile("exists.kdw");
    const QByteArray before = contents(existing);
    shell.window()->newState();
    shell.services.fileAnswers = {existing, existing};
    shell.services.boxAnswers = {QMessageBox::No, QMessageBox::Yes};
    ASSERT_TRUE(shell.window()->saveAs(shell.window()->currentState()));
    EXPECT_EQ(shell.services.fileDialogs, 2);
    ASSERT_EQ(shell.services.boxes.size(), 2);
    EXPECT_TRUE(shell.services.boxes.at(0).text.contains("already exists"));
    EXPECT_NE(contents(existing), before);
}

TEST(Documents, aFileInUseIsNeverOverwritten)
{
    ShellFixture shell;
    const QString other = shell.writeProgramFile("other.kdw");
    shell.window()->load(other);
    const QByteArray before = contents(other);
    shell.window()->newState();
    shell.services.fileAnswers = {other};
    shell.services.boxAnswers = {QMessageBox::Yes};
    EXPECT_FALSE(shell.window()->saveAs(shell.window()->currentState()));
    EXPECT_EQ(shell.services.boxes.last().text, QStringLiteral("File is currently in use and cannot be overwritten."));
    EXPECT_EQ(contents(other), before);
}

TEST(Documents, aPlaceThatCannotBeWrittenOffersAnotherName)
{
    ShellFixture shell;
    shell.window()->newState();
    StateBase* program = shell.window()->currentState();
    shell.services.fileAnswers = {shell.filePath("no-folder/x.kdw"), shell.filePath("good.kdw")};
    shell.services.boxAnswers = {QMessageBox::Yes};
    EXPECT_TRUE(shell.window()->saveAs(program));
    EXPECT_TRUE(shell.services.boxes.first().text.startsWith("Can not write to"));
    EXPECT_EQ(program->fileName(), shell.filePath("good.kdw"));

    shell.services.fileAnswers = {shell.filePath("no-folder/y.kdw")};
    shell.services.boxAnswers = {QMessageBox::No};
    EXPECT_FALSE(shell.window()->saveAs(program));
    EXPECT_EQ(program->fileName(), shell.filePath("good.kdw"));
}

TEST(Documents, closingAModifiedProgramAsksFirst)
{
    ShellFixture shell;
    const QString path = shell.writeProgramFile("edit.kdw");
    const struct
    {
        int answer;
        bool closed;
        bool saved;
    } cases[] = {
        {2, false, false}, // Cancel
        {1, true, false}, // No
        {0, true, true}, // Yes
    };
    for (const auto& c : cases) {
        shell.window()->load(path);
        StateBase* program = shell.window()->currentState();
        program->setInfo(QStringLiteral("changed %1").arg(c.answer));
        program->setModified();
        answerDialogs(c.answer);
        shell.window()->closeClicked_Slot(program);
        EXPECT_EQ(tabCount(shell.window()) == 0, c.closed) << c.answer;
        EXPECT_EQ(contents(path).contains(QStringLiteral("changed %1").arg(c.answer).toUtf8()), c.saved) << c.answer;
        if (!c.closed) {
            answerDialogs(1);
            shell.window()->closeClicked_Slot(program);
        }
    }
}

TEST(Documents, aProgramThatAChartRunsIsNotClosed)
{
    ShellFixture shell;
    shell.window()->newState();
    shell.window()->newState();
    StateBase* chart = shell.window()->stateManager()->states().at(0);
    StateBase* program = shell.window()->stateManager()->states().at(1);
    ReferringCharts charts;
    charts.referenced = program;
    charts.charts = {chart, chart};
    ChartSupport::install(&charts);
    EXPECT_FALSE(shell.window()->closeProgram(program));
    ChartSupport::install(nullptr);
    ASSERT_EQ(shell.services.boxes.size(), 1);
    EXPECT_EQ(shell.services.boxes.first().caption,
              QStringLiteral("Program %1 can not be closed.").arg(program->displayName()));
    EXPECT_EQ(shell.services.boxes.first().text.count(chart->displayName() + "\n"), 2);
    EXPECT_EQ(tabCount(shell.window()), 2);
}

TEST(Documents, closeAllWithCancelKeepsEverythingOpen)
{
    ShellFixture shell;
    shell.window()->newState();
    shell.window()->currentState()->setModified();
    shell.window()->newState();
    answerDialogs(2);
    shell.window()->closeAll();
    EXPECT_EQ(tabCount(shell.window()), 2);
    answerDialogs(1);
    shell.window()->closeAll();
    EXPECT_EQ(tabCount(shell.window()), 0);
}

TEST(Documents, everyExampleOpensWithoutAMessage)
{
    ShellFixture shell;
    const QDir examples(QStringLiteral(DRASVEL_EXAMPLES_DIR));
    const QStringList files = examples.entryList({"*.kdw"}, QDir::Files);
    ASSERT_GE(files.size(), 3);
    for (const QString& name : files) {
        shell.window()->load(examples.filePath(name));
        EXPECT_TRUE(shell.services.boxes.isEmpty()) << name.toStdString();
    }
    EXPECT_EQ(tabCount(shell.window()), files.size());
}
