// Renders the shell's windows into PNG files in the build folder, to be looked at.
#include "shell_helper.h"

#include "AboutDialog.h"
#include "AppGlobals.h"
#include "CentralWidget.h"
#include "DemoWidget.h"
#include "FileMenu.h"
#include "KeyFilter.h"
#include "MainWindow.h"
#include "Options.h"
#include "QTetrix.h"
#include "QTetrixBoard.h"
#include "SaveItemsDialog.h"
#include "Settings.h"
#include "SplashScreen.h"
#include "State.h"
#include "StateManager.h"
#include "Toolbar.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

namespace {
QString outputPath(const QString& name)
{
    QDir().mkpath(QStringLiteral(DRASVEL_TEST_OUTPUT_DIR));
    return QStringLiteral(DRASVEL_TEST_OUTPUT_DIR "/") + name;
}

// Renders and checks that the picture is not one flat colour.
void render(QWidget* widget, const QString& name)
{
    QApplication::processEvents();
    const QPixmap picture = widget->grab();
    ASSERT_FALSE(picture.isNull()) << name.toStdString();
    ASSERT_TRUE(picture.save(outputPath(name))) << name.toStdString();
    const QImage image = picture.toImage();
    const QRgb first = image.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; y += 3) {
        for (int x = 0; x < image.width() && !varied; x += 3)
            varied = image.pixel(x, y) != first;
    }
    EXPECT_TRUE(varied) << name.toStdString() << " is blank";
}
} // namespace

TEST(Rendering, mainWindowWithTwoPrograms)
{
    ShellFixture shell;
    shell.window()->resize(1000, 680);
    shell.window()->load(shell.writeProgramFile("line-follower.kdw"));
    shell.window()->newState();
    shell.window()->currentState()->start(nullptr);
    shell.window()->toolbar()->updateButtons(shell.window()->currentState());
    shell.window()->centralArea()->updateClock(shell.window()->currentState());
    render(shell.window(), QStringLiteral("mainwindow.png"));
    shell.window()->currentState()->stop();
}

// The picture of the README: an example chart with the programs it runs, the sine program in front.
TEST(Rendering, mainWindowWithAnExampleChart)
{
    ShellFixture shell;
    shell.window()->resize(1280, 800);
    shell.window()->load(QStringLiteral(DRASVEL_EXAMPLES_DIR "/sine-on-scope.kdw"));
    shell.window()->load(QStringLiteral(DRASVEL_EXAMPLES_DIR "/count-then-sine.kdw"));
    const QList<StateBase*> documents = shell.window()->stateManager()->states();
    ASSERT_GE(documents.size(), 2);
    StateBase* sine = nullptr;
    for (StateBase* document : documents) {
        if (document->fileName().endsWith(QStringLiteral("sine-on-scope.kdw")))
            sine = document;
    }
    ASSERT_TRUE(sine);
    sine->start(nullptr);
    for (int i = 0; i < 20; ++i) {
        QTest::qWait(20);
        QApplication::processEvents();
    }
    render(shell.window(), QStringLiteral("mainwindow-example-chart.png"));
    shell.window()->centralArea()->showState(sine);
    shell.window()->toolbar()->updateButtons(sine);
    render(shell.window(), QStringLiteral("mainwindow-example.png"));
    sine->stop();
}

TEST(Rendering, mainWindowInGerman)
{
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(DRASVEL_BUILT_TRANSLATIONS "/de.qm")));
    QApplication::installTranslator(&german);
    {
        ShellFixture shell;
        shell.window()->resize(1000, 680);
        shell.window()->newState();
        shell.window()->findChild<FileMenu*>()->aboutToShow_Slot();
        render(shell.window(), QStringLiteral("mainwindow-de.png"));
        FileMenu* file = shell.window()->findChild<FileMenu*>();
        file->popup(shell.window()->mapToGlobal(QPoint(0, 20)));
        render(file, QStringLiteral("filemenu-de.png"));
        file->hide();
        Options options(shell.window(), shell.window()->currentState());
        options.tree()->setCurrentItem(options.itemByText(QStringLiteral("Schrittmodus")));
        render(&options, QStringLiteral("options-de.png"));
    }
    QApplication::removeTranslator(&german);
}

TEST(Rendering, dialogsAndSplash)
{
    ShellFixture shell;
    SplashScreen splash;
    for (int i = 0; i < 30; ++i)
        splash.step();
    render(&splash, QStringLiteral("splash.png"));
    AboutDialog about(shell.window());
    render(&about, QStringLiteral("about.png"));
    Options options(shell.window(), nullptr);
    options.tree()->expandAll();
    options.tree()->setCurrentItem(options.itemByText(QStringLiteral("Size")));
    render(&options, QStringLiteral("options.png"));
    shell.window()->newState();
    shell.window()->currentState()->setModified();
    SaveItemsDialog save(shell.window(), shell.window()->stateManager()->states(), true);
    render(&save, QStringLiteral("saveitems.png"));
    QTetrix game;
    game.board()->start();
    for (int i = 0; i < 3; ++i)
        game.board()->dropDown();
    render(&game, QStringLiteral("game.png"));
    demoMode = true;
    QTest::keyPress(shell.window(), Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyPress(shell.window(), Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    render(keyFilter->overlay(), QStringLiteral("demo.png"));
    QTest::keyRelease(shell.window(), Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(shell.window(), Qt::Key_Shift, Qt::NoModifier);
    demoMode = false;
}
