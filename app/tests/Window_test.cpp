// The main window's parts: toolbar states, library dock, menus, options, program switch,
// key filter, start-up and shutdown, and a rendering to look at.
#include "shell_helper.h"

#include "AppGlobals.h"
#include "Category.h"
#include "CentralWidget.h"
#include "ChartSupport.h"
#include "ClockTabBar.h"
#include "ComCenter.h"
#include "DemoWidget.h"
#include "DialogRunner.h"
#include "EditMenu.h"
#include "FileHistory.h"
#include "FileMenu.h"
#include "JoystickOptions.h"
#include "KeyFilter.h"
#include "Library.h"
#include "MainWindow.h"
#include "NetworkingOptions.h"
#include "NodeType.h"
#include "Options.h"
#include "OptionsContent.h"
#include "OptionsContentCaption.h"
#include "OsterEi.h"
#include "PropertiesDialog.h"
#include "ResolveCollisionsDialog.h"
#include "SaveItemsDialog.h"
#include "SecurityOptions.h"
#include "Settings.h"
#include "State.h"
#include "StateManager.h"
#include "StateNode.h"
#include "StateProcessor.h"
#include "StateView.h"
#include "StepmodeOptions.h"
#include "ToolButton.h"
#include "Toolbar.h"
#include "ToolbarButton.h"
#include "ViewMenu.h"
#include "WindowMenu.h"
#include "WorkspaceSizeOptions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QDrag>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBox>
#include <QTreeWidget>

namespace {

struct RunButtons
{
    bool startEnabled, startOn, pauseEnabled, pauseOn, stopEnabled, stopOn;
    bool operator==(const RunButtons&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RunButtons& b)
{
    return out << "start " << b.startEnabled << b.startOn << " pause " << b.pauseEnabled << b.pauseOn << " stop "
               << b.stopEnabled << b.stopOn;
}

RunButtons runButtons(Toolbar* toolbar)
{
    return {toolbar->startButton()->isEnabled(), toolbar->startButton()->isChecked(),
            toolbar->pauseButton()->isEnabled(), toolbar->pauseButton()->isChecked(),
            toolbar->stopButton()->isEnabled(),  toolbar->stopButton()->isChecked()};
}

// A chart that runs or steps a program, as the chart support reports it.
class DrivingChart : public ChartSupport
{
public:
    StateBase* runningReferringChart(StateBase* program) const override
    {
        return program == driven ? running : nullptr;
    }
    StateBase* steppedReferringChart(StateBase* program) const override
    {
        return program == driven ? stepped : nullptr;
    }
    StateBase* driven = nullptr;
    StateBase* running = nullptr;
    StateBase* stepped = nullptr;
};

void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyPress(target, Qt::Key(key), modifiers);
}

} // namespace

TEST(Toolbar, runButtonsFollowTheCurrentProgram)
{
    ShellFixture shell;
    Toolbar* toolbar = shell.window()->toolbar();
    EXPECT_EQ(runButtons(toolbar), (RunButtons {false, false, false, false, false, false}));
    shell.window()->newState();
    shell.window()->newState();
    StateBase* program = shell.window()->currentState();
    StateBase* other = shell.window()->stateManager()->states().at(0);
    EXPECT_EQ(runButtons(toolbar), (RunButtons {true, false, true, false, true, true}));

    toolbar->startButton()->click();
    EXPECT_TRUE(program->isRunning());
    EXPECT_EQ(runButtons(toolbar), (RunButtons {true, true, true, false, true, false}));
    toolbar->startButton()->click(); // on: stays on, nothing else
    EXPECT_EQ(runButtons(toolbar), (RunButtons {true, true, true, false, true, false}));

    toolbar->pauseButton()->click();
    EXPECT_TRUE(program->stepMode());
    EXPECT_EQ(runButtons(toolbar), (RunButtons {true, false, true, true, true, false}));
    toolbar->startButton()->click(); // one more cycle, Start shown off again
    EXPECT_EQ(program->steps(), 1u);
    EXPECT_FALSE(toolbar->startButton()->isChecked());
    toolbar->pauseButton()->click();

    other->start(nullptr);
    toolbar->stopButton()->click(); // stops this program only
    EXPECT_FALSE(program->isRunning());
    EXPECT_TRUE(other->isRunning());
    EXPECT_EQ(runButtons(toolbar), (RunButtons {true, false, true, false, true, true}));
    toolbar->stopButton()->click(); // again: everything stops, Stop stays on
    EXPECT_FALSE(other->isRunning());
    EXPECT_TRUE(toolbar->stopButton()->isChecked());

    DrivingChart charts;
    charts.driven = program;
    charts.running = other;
    ChartSupport::install(&charts);
    toolbar->updateButtons(program);
    EXPECT_EQ(runButtons(toolbar), (RunButtons {false, false, false, false, true, false}));
    charts.running = nullptr;
    charts.stepped = other;
    toolbar->updateButtons(program);
    EXPECT_EQ(runButtons(toolbar), (RunButtons {true, false, false, true, true, false}));
    ChartSupport::install(nullptr);
    toolbar->updateButtons(nullptr);
    EXPECT_EQ(&toolbar->startButton()->currentPicture(), &toolbar->startButton()->currentPicture());
}

TEST(Library, pagesInOrderWithOneButtonPerVariant)
{
    ShellFixture shell;
    Library* library = shell.window()->library();
    const QStringList titles {
        "Logic",         "Mathematics",      "Vector analysis",   "Display",    "Image processing",
        "Generators",    "Filter",           "Kelmaris Hardware", "Navigation", "Input devices",
        "Data exchange", "Sequence control", "Programs"};
    ASSERT_EQ(library->toolBox()->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        EXPECT_EQ(library->toolBox()->itemText(i), titles.at(i));
    Category* logic = library->category(0);
    const QList<QAbstractButton*> buttons = logic->buttonGroup()->buttons();
    ASSERT_GE(buttons.size(), 2);
    auto* first = qobject_cast<ToolButton*>(buttons.at(0));
    auto* second = qobject_cast<ToolButton*>(buttons.at(1));
    EXPECT_EQ(first->nodeType().maintype(), second->nodeType().maintype()); // the counter's variants first
    EXPECT_EQ(first->nodeType().subtype(), 0);
    EXPECT_EQ(second->nodeType().subtype(), 1);
    int expected = 0;
    for (unsigned i = 0; i < first->nodeType().subtypeCount(); ++i)
        ++expected;
    int counterButtons = 0;
    for (QAbstractButton* button : buttons)
        counterButtons += qobject_cast<ToolButton*>(button)->nodeType().maintype() == first->nodeType().maintype();
    EXPECT_EQ(counterButtons, expected);
    EXPECT_EQ(library->programs()->buttonCount(), 0);
}

// The drag's data dropped on the editor, as Qt delivers a drop from the dock to the canvas.
TEST(Library, aButtonDroppedOnTheEditorAddsItsBlock)
{
    ShellFixture shell;
    shell.window()->resize(900, 700);
    shell.window()->show();
    shell.window()->newState();
    StateBase* program = shell.window()->currentState();
    ASSERT_TRUE(program && program->stateView());
    QWidget* canvas = program->stateView()->viewport();
    auto* button = qobject_cast<ToolButton*>(shell.window()->library()->category(1)->buttonGroup()->buttons().at(0));
    ASSERT_NE(button, nullptr);
    bool accepted = false;
    ToolButton::setDragRunner([&](QDrag* drag) {
        const QPointF where(120, 120);
        QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &enter);
        QDragMoveEvent move(where.toPoint(), Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
        QDropEvent drop(where, Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &drop);
        accepted = drop.isAccepted();
        return Qt::CopyAction;
    });
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QMouseEvent outside(QEvent::MouseMove, QPointF(-1, 5), button->mapToGlobal(QPointF(-1, 5)), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &outside);
    ToolButton::setDragRunner(nullptr);
    EXPECT_TRUE(accepted);
    ASSERT_EQ(program->nodes().size(), 1);
    EXPECT_EQ(static_cast<StateNode*>(program->nodes().first())->type()->maintype(), button->nodeType().maintype());
}

TEST(Library, programsGetButtonsThatFollowTheirCaption)
{
    ShellFixture shell;
    Library* library = shell.window()->library();
    shell.window()->newState();
    shell.window()->newState();
    EXPECT_EQ(library->programs()->buttonCount(), 2);
    StateBase* second = shell.window()->currentState();
    library->removeProgram(999);
    EXPECT_EQ(library->programs()->buttonCount(), 2);
    shell.window()->closeClicked_Slot(second);
    EXPECT_EQ(library->programs()->buttonCount(), 1);
}

TEST(Library, pullingAButtonOutOfItselfStartsOneDragWithTheDescriptor)
{
    ShellFixture shell;
    shell.window()->resize(900, 700);
    auto* button = qobject_cast<ToolButton*>(shell.window()->library()->category(1)->buttonGroup()->buttons().at(0));
    ASSERT_NE(button, nullptr);
    int drags = 0;
    QByteArray payload;
    ToolButton::setDragRunner([&](QDrag* drag) {
        ++drags;
        payload = drag->mimeData()->data(QString::fromLatin1(NodeType::mimeType));
        return Qt::CopyAction;
    });
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QMouseEvent inside(QEvent::MouseMove, QPointF(6, 6), button->mapToGlobal(QPointF(6, 6)), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &inside);
    EXPECT_EQ(drags, 0);
    QMouseEvent outside(QEvent::MouseMove, QPointF(-1, 5), button->mapToGlobal(QPointF(-1, 5)), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &outside);
    ToolButton::setDragRunner(nullptr);
    EXPECT_EQ(drags, 1);
    EXPECT_FALSE(button->isDown());
    const NodeType dropped(payload);
    EXPECT_EQ(dropped.maintype(), button->nodeType().maintype());
    EXPECT_EQ(dropped.subtype(), button->nodeType().subtype());
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(helpContextId, (button->nodeType().maintype() + 10000) * 10 + button->nodeType().subtype());
}

TEST(Menus, itemsAreDisabledWithoutAProgramAndShortcutsAreSet)
{
    ShellFixture shell;
    auto* file = shell.window()->findChild<FileMenu*>();
    auto* edit = shell.window()->findChild<EditMenu*>();
    auto* view = shell.window()->findChild<ViewMenu*>();
    ASSERT_TRUE(file && edit && view);
    const QStringList titles {"&File", "&Edit", "&View", "E&xtras", "&Window", "&Help"};
    const QList<QAction*> menus = shell.window()->menuBar()->actions();
    ASSERT_EQ(menus.size(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        EXPECT_EQ(menus.at(i)->text(), titles.at(i));
    file->aboutToShow_Slot();
    EXPECT_FALSE(file->closeAction()->isEnabled());
    EXPECT_FALSE(file->propertiesAction()->isEnabled());
    EXPECT_FALSE(file->recentFilesMenu()->isEnabled());
    edit->aboutToShow_Slot();
    for (int i = 0; i < EditMenu::ItemCount; ++i)
        EXPECT_FALSE(edit->item(EditMenu::Item(i))->isEnabled()) << i;
    edit->aboutToHide_Slot();
    for (int i = 0; i < EditMenu::ItemCount; ++i)
        EXPECT_TRUE(edit->item(EditMenu::Item(i))->isEnabled()) << i;
    view->aboutToShow_Slot();
    for (ViewMenu::Item item :
         {ViewMenu::ZoomIn, ViewMenu::ZoomOut, ViewMenu::ShowData, ViewMenu::ShowGrid, ViewMenu::ShowSorting})
        EXPECT_FALSE(view->item(item)->isEnabled()) << item;
    EXPECT_TRUE(view->item(ViewMenu::ToolbarItem)->isChecked());

    shell.window()->newState();
    fileHistory.add(shell.filePath("x.kdw"), 0);
    file->aboutToShow_Slot();
    EXPECT_TRUE(file->closeAction()->isEnabled());
    EXPECT_TRUE(file->recentFilesMenu()->isEnabled());
    view->aboutToShow_Slot();
    EXPECT_TRUE(view->item(ViewMenu::ShowData)->isEnabled());
    EXPECT_TRUE(view->item(ViewMenu::ShowSorting)->isEnabled());

    EXPECT_EQ(edit->item(EditMenu::Undo)->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(edit->item(EditMenu::Redo)->shortcut(), QKeySequence("Shift+Ctrl+Z"));
    EXPECT_EQ(view->item(ViewMenu::ZoomOut)->shortcut(), QKeySequence("F3"));
    EXPECT_EQ(file->saveAsAction()->shortcut(), QKeySequence("Shift+Ctrl+S"));
}

TEST(Menus, propertiesEditTheDescriptionOnlyOnOkWithAChange)
{
    ShellFixture shell;
    shell.window()->newState();
    StateBase* program = shell.window()->currentState();
    auto* file = shell.window()->findChild<FileMenu*>();
    answerDialogs(1);
    file->properties(); // OK, text unchanged
    EXPECT_FALSE(program->isModified());
    answerDialogs(0);
    file->properties();
    EXPECT_FALSE(program->isModified());
    setDialogRunner([](QDialog& dialog) {
        static_cast<PropertiesDialog&>(dialog).editor()->setPlainText(QStringLiteral("Follows the line."));
        return 1;
    });
    file->properties();
    answerDialogsNormally();
    EXPECT_EQ(program->info(), QStringLiteral("Follows the line."));
    EXPECT_TRUE(program->isModified());
}

TEST(Menus, escapeInTheSaveQuestionsMeansCancel)
{
    ShellFixture shell;
    shell.window()->newState();
    SaveItemsDialog save(shell.window(), shell.window()->stateManager()->states(), true);
    save.show();
    QTest::keyClick(&save, Qt::Key_Escape);
    EXPECT_EQ(save.result(), SaveItemsDialog::Cancel);
    ResolveCollisionsDialog collisions(shell.window(), shell.window()->stateManager()->states());
    collisions.show();
    QTest::keyClick(&collisions, Qt::Key_Escape);
    EXPECT_EQ(collisions.result(), ResolveCollisionsDialog::Cancel);
}

TEST(Menus, theWindowMenuNumbersTheDocumentsAndChecksTheCurrentOne)
{
    ShellFixture shell;
    auto* menu = shell.window()->findChild<WindowMenu*>();
    menu->aboutToShow_Slot();
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_FALSE(menu->actions().at(0)->isEnabled()); // nothing to close
    EXPECT_FALSE(menu->actions().at(1)->isEnabled());
    for (int i = 0; i < 10; ++i)
        shell.window()->newState();
    menu->aboutToShow_Slot();
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 2 + 1 + 10);
    EXPECT_TRUE(entries.at(3)->text().startsWith("&1 "));
    EXPECT_TRUE(entries.at(12)->text().startsWith("&10 "));
    EXPECT_TRUE(entries.at(12)->isChecked()); // the newest is current
    entries.at(3)->trigger();
    EXPECT_EQ(shell.window()->currentState(), shell.window()->stateManager()->states().first());
}

TEST(Menus, arrowKeysReachTheEditorOnlyWhenItHasTheFocus)
{
    ShellFixture shell;
    shell.window()->newState();
    auto* edit = shell.window()->findChild<EditMenu*>();
    edit->focusChanged_Slot();
    EXPECT_FALSE(edit->arrowKeysEnabled()); // no editor yet: arrows stay with the widgets
}

TEST(Options, pagesApplyOnOkAndNotOnCancel)
{
    ShellFixture shell;
    canvasWidth = 2000;
    canvasHeight = 2000;
    {
        Options dialog(shell.window(), nullptr);
        EXPECT_EQ(dialog.tree()->topLevelItemCount(), 5);
        const QStringList order {"Joysticks", "Networking", "Security", "Stepmode", "Workspace"};
        for (int i = 0; i < order.size(); ++i)
            EXPECT_EQ(dialog.tree()->topLevelItem(i)->text(0), order.at(i));
        auto* size = static_cast<WorkspaceSizeOptions*>(dialog.pageOf(dialog.itemByText("Size")));
        EXPECT_TRUE(size->useAsDefaultCb->isChecked());
        EXPECT_FALSE(size->useAsDefaultCb->isEnabled());
        EXPECT_FALSE(size->fitPb->isEnabled());
        size->sizexInput->setValue(3000);
        size->sizeyInput->setValue(2400);
        dialog.cancelClicked();
        EXPECT_EQ(canvasWidth, 2000);
    }
    {
        Options dialog(shell.window(), nullptr);
        auto* size = static_cast<WorkspaceSizeOptions*>(dialog.pageOf(dialog.itemByText("Size")));
        size->sizexInput->setValue(3000);
        size->sizeyInput->setValue(2400);
        dialog.okClicked();
        EXPECT_EQ(canvasWidth, 3000);
        EXPECT_EQ(canvasHeight, 2400);
    }
    shell.window()->newState();
    auto* program = qobject_cast<State*>(shell.window()->currentState());
    {
        Options dialog(shell.window(), program);
        auto* step = static_cast<StepmodeOptions*>(dialog.pageOf(dialog.itemByText("Stepmode")));
        EXPECT_TRUE(step->parallelRb->isChecked());
        step->sequentiellRb->setChecked(true);
        dialog.tree()->setCurrentItem(dialog.itemByText("Stepmode"));
        EXPECT_EQ(dialog.content()->captionBar()->caption(), QStringLiteral("Stepmode"));
        dialog.tree()->setCurrentItem(dialog.itemByText("Workspace"));
        EXPECT_EQ(dialog.content()->captionBar()->caption(), QString());
        EXPECT_TRUE(dialog.content()->placeholder()->isVisibleTo(dialog.content()));
        dialog.okClicked();
        EXPECT_EQ(program->mode(), 1);
        EXPECT_EQ(defaultStepMode, 1);
    }
    fileHistory.add(shell.filePath("a.kdw"), 0);
    {
        Options dialog(shell.window(), program);
        auto* security = static_cast<SecurityOptions*>(dialog.pageOf(dialog.itemByText("Security")));
        EXPECT_TRUE(security->fileClear->isEnabled());
        security->fileClear->click();
        dialog.cancelClicked(); // the clearing stays
        EXPECT_TRUE(fileHistory.isEmpty());
        EXPECT_FALSE(security->fileClear->isEnabled());
    }
}

TEST(KeyFilter, ctrlDigitSwitchesProgramsAndNeverReachesTheWidget)
{
    ShellFixture shell;
    for (int i = 0; i < 3; ++i)
        shell.window()->newState();
    const QList<StateBase*> documents = shell.window()->stateManager()->states();
    QWidget* target = shell.window()->centralArea();
    press(target, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(shell.window()->currentState(), documents.at(0));
    press(target, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(shell.window()->currentState(), documents.at(2));
    press(target, Qt::Key_5, Qt::ControlModifier); // only three: nothing happens
    EXPECT_EQ(shell.window()->currentState(), documents.at(2));
}

TEST(KeyFilter, flagsAndTheDemoOverlay)
{
    ShellFixture shell;
    QWidget* target = shell.window()->centralArea();
    demoMode = false;
    QTest::keyPress(target, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(keyFilter->shiftPressed());
    EXPECT_FALSE(keyFilter->overlay()->isVisible()); // demo mode off: never shown
    demoMode = true;
    QTest::keyPress(target, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(keyFilter->ctrlPressed());
    EXPECT_TRUE(keyFilter->overlay()->isVisible());
    EXPECT_EQ(keyFilter->overlay()->tileCount(), 2);
    keyFilter->overlay()->repaint();
    EXPECT_EQ(keyFilter->overlay()->size(), QSize(60, 30));
    QTest::keyRelease(target, Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(target, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_FALSE(keyFilter->shiftPressed());
    EXPECT_FALSE(keyFilter->overlay()->isVisible());
    QTest::keyPress(target, Qt::Key_Delete);
    EXPECT_TRUE(keyFilter->deletePressed());
    QTest::keyRelease(target, Qt::Key_Delete);
    QTest::mouseDClick(target, Qt::LeftButton);
    EXPECT_TRUE(keyFilter->leftDoubleClick());
    demoMode = false;
}

TEST(Game, tenQuickClicksCompleteASeries)
{
    ShellFixture shell;
    auto* target = shell.window()->findChild<OsterEi*>();
    ASSERT_NE(target, nullptr);
    target->setProperty("quiet", true);
    const int before = OsterEi::seriesCount();
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(target, Qt::LeftButton);
    EXPECT_EQ(OsterEi::seriesCount(), before);
    // A pause longer than 250 ms restarts the count; waited for, never timed.
    QElapsedTimer waited;
    waited.start();
    while (target->clickCount() != 0 && waited.elapsed() < 5000)
        QTest::qWait(20);
    EXPECT_EQ(target->clickCount(), 0);
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(target, Qt::LeftButton);
    EXPECT_EQ(OsterEi::seriesCount(), before + 1);
}

TEST(Startup, settingsRoundTripAndTheCommandLineFile)
{
    QTemporaryDir config;
    QTemporaryDir files;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString old = QDir::currentPath();
    const QString path = files.filePath("start.kdw");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("<?xml version=\"1.0\"?>\n<model type=\"state\" mode=\"0\"/>\n");
    }
    StateProcessor::Options quiet;
    quiet.threaded = false;
    quiet.realtime = false;
    StateProcessor engine(quiet);
    StateProcessor::install(&engine);
    settingsPath.clear();
    fileHistory.clear();
    initApplicationDir();
    initSettingsPath();
    EXPECT_EQ(settingsPath, config.filePath("KelmarisView/drasvel.ini"));
    {
        ShellStartup startup;
        startup.createShell(CommandLine::parse({"drasvel", path, "/ip:10.1.2.3"}));
        ASSERT_EQ(mainWindow->centralArea()->tabBar()->count(), 1);
        EXPECT_EQ(mainWindow->currentState()->fileName(), QFileInfo(path).absoluteFilePath());
        EXPECT_EQ(comCenter->hostName(), QStringLiteral("10.1.2.3"));
        mainWindow->resize(900, 650);
        mainWindow->move(20, 30);
        language = QStringLiteral("en"); // a language without a translation file would fall back to en
        comCenter->addHostname(QStringLiteral("10.9.9.9"));
        mainWindow->close();
        startup.shutdown();
    }
    QFile written(settingsPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    for (const char* element :
         {"<Language>en</Language>", "<CanvasSize", "<MainwindowSettings", "<iphistory", "<filehistory"})
        EXPECT_TRUE(text.contains(element)) << element;
    windowWidth = 0;
    language.clear();
    fileHistory.clear();
    {
        ShellStartup startup;
        startup.createShell(CommandLine());
        EXPECT_EQ(windowWidth, 900);
        EXPECT_EQ(windowHeight, 650);
        EXPECT_EQ(language, QStringLiteral("en"));
        EXPECT_EQ(comCenter->hostnameList().first(), QStringLiteral("10.9.9.9"));
        EXPECT_EQ(fileHistory.at(0).first, QFileInfo(path).absoluteFilePath());
        mainWindow->close();
        startup.shutdown();
    }
    language.clear();
    fileHistory.clear();
    StateProcessor::install(nullptr);
    QDir::setCurrent(old);
}
