#include "MainWindow.h"

#include "AppGlobals.h"
#include "CentralWidget.h"
#include "ChartSupport.h"
#include "ComCenter.h"
#include "EditMenu.h"
#include "ExtrasMenu.h"
#include "FileMenu.h"
#include "FrequencyDisplay.h"
#include "HelpMenu.h"
#include "HelpWindow.h"
#include "JoystickWin32.h"
#include "KeyFilter.h"
#include "Library.h"
#include "LogCategories.h"
#include "RobotConnection.h"
#include "Settings.h"
#include "State.h"
#include "StateBaseCaptionChangedEvent.h"
#include "StateBaseStopEvent.h"
#include "StateManager.h"
#include "StateProcessor.h"
#include "StateProcessorStepEvent.h"
#include "ThreadHandOver.h"
#include "Toolbar.h"
#include "ViewMenu.h"
#include "WindowMenu.h"

#include <QCloseEvent>
#include <QDebug>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

MainWindow::MainWindow() : QMainWindow(nullptr)
{
    setWindowTitle(applicationTitle);
    setObjectName(QStringLiteral("mainWindow"));
    mainWindow = this;
    auto* stopAllKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Space")), this);
    stopAllKey->setContext(Qt::ApplicationShortcut);
    connect(stopAllKey, &QShortcut::activated, this, &MainWindow::stopAll);
    if (comCenter) {
        connect(comCenter, &ComCenter::error, this, &MainWindow::comError);
        connect(comCenter, &ComCenter::connected, this, &MainWindow::comConnected);
        connect(comCenter, &ComCenter::connecting, this, &MainWindow::comConnecting);
        connect(comCenter, &ComCenter::connectionClosed, this, &MainWindow::comConnectionClosed);
    }
    if (keyFilter)
        connect(keyFilter, &KeyFilter::changeProgram, this, &MainWindow::on_changeProgram);
    joystickManager = new JoystickWin32;
    // The connection widgets connect and disconnect through this window.
    RobotConnection::setCommands([this] { connectRobot(); }, [this] { disconnectRobot(); });
    m_frequencyArea = new FrequencyDisplay(statusBar());
    m_frequencyArea->setObjectName(QStringLiteral("frequencyArea"));
    m_library = new Library(this);
    addDockWidget(Qt::RightDockWidgetArea, m_library);
    m_library->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_stateManager = new StateManager(this);
    m_fileMenu = new FileMenu(this);
    m_editMenu = new EditMenu(this);
    m_viewMenu = new ViewMenu(this);
    m_extrasMenu = new ExtrasMenu(this);
    m_windowMenu = new WindowMenu(this);
    m_helpMenu = new HelpMenu(this);
    m_fileMenu->setTitle(tr("&File"));
    m_editMenu->setTitle(tr("&Edit"));
    m_viewMenu->setTitle(tr("&View"));
    m_extrasMenu->setTitle(tr("E&xtras"));
    m_windowMenu->setTitle(tr("&Window"));
    m_helpMenu->setTitle(tr("&Help"));
    for (QMenu* menu :
         {static_cast<QMenu*>(m_fileMenu), static_cast<QMenu*>(m_editMenu), static_cast<QMenu*>(m_viewMenu),
          static_cast<QMenu*>(m_extrasMenu), static_cast<QMenu*>(m_windowMenu), static_cast<QMenu*>(m_helpMenu)})
        menuBar()->addMenu(menu);
    m_toolbar = new Toolbar(this);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    m_central = new CentralWidget(this);
    connect(m_central, &CentralWidget::closeClicked, this, &MainWindow::closeClicked_Slot);
    connect(m_central, &CentralWidget::selectionChanged, this, &MainWindow::selectionChanged_Slot);
    setCentralWidget(m_central);
    statusBar()->addPermanentWidget(m_frequencyArea, 0);
}

MainWindow::~MainWindow()
{
    // Documents go before the widgets their pages live in.
    for (StateBase* document : m_stateManager->states()) {
        m_stateManager->remove(document);
        delete document;
    }
    RobotConnection::setCommands(nullptr, nullptr);
    delete joystickManager;
    joystickManager = nullptr;
    if (mainWindow == this)
        mainWindow = nullptr;
}

StateBase* MainWindow::currentState() const
{
    return m_central ? m_central->currentState() : nullptr;
}

void MainWindow::showStatusMessage(const QString& text)
{
    statusBar()->showMessage(text);
}

void MainWindow::showProgram(StateBase* program)
{
    m_central->showState(program);
}

void MainWindow::updateProgramTab(StateBase* program)
{
    m_central->updateClock(program);
}

void MainWindow::updateToolbar()
{
    m_toolbar->updateButtons(currentState());
}

void MainWindow::selectionChanged_Slot(StateBase* state)
{
    m_toolbar->updateButtons(state);
}

void MainWindow::startCurrent()
{
    StateBase* current = currentState();
    if (!current || !resolveCollisions(current))
        return;
    current->start(nullptr);
    updateToolbar();
}

void MainWindow::stepCurrent()
{
    StateBase* current = currentState();
    if (!current)
        return;
    if (current->kind() == StateBase_t::Program) {
        if (StateBase* chart = ChartSupport::current().steppedReferringChart(current)) {
            if (!chart->isRunning())
                chart->start(nullptr);
            chart->setSteps(1);
            return;
        }
    }
    if (current->isRunning()) {
        current->setSteps(1);
        return;
    }
    current->start(nullptr);
    updateToolbar();
}

void MainWindow::setStepMode(bool on)
{
    StateBase* current = currentState();
    if (!current || !resolveCollisions(current))
        return;
    current->setStepMode(on);
    updateToolbar();
}

void MainWindow::stopCurrent()
{
    if (StateBase* current = currentState())
        current->stop();
    updateToolbar();
}

void MainWindow::stopAll()
{
    stopAllStates();
    ChartSupport::current().stopAllStateCharts();
    updateToolbar();
}

void MainWindow::connectRobot()
{
    if (comCenter)
        comCenter->connectToHost();
}

void MainWindow::disconnectRobot()
{
    if (!comCenter)
        return;
    comCenter->setAutoReconnect(false);
    comCenter->close();
}

void MainWindow::comConnecting()
{
    showStatusMessage(QCoreApplication::translate("QObject", "Connecting to %1.").arg(comCenter->hostName()));
}

void MainWindow::comConnected()
{
    showStatusMessage(tr("Connected to %1.").arg(comCenter->hostName()));
    if (m_autostartPending) {
        m_autostartPending = false;
        startCurrent();
    }
}

void MainWindow::comConnectionClosed()
{
    stopAll();
    showStatusMessage(tr("Connection to %1 closed.").arg(comCenter->hostName()));
}

void MainWindow::comError(int code)
{
    m_autostartPending = false;
    stopAll();
    const QString message = comCenter->errorMessage(code);
    showStatusMessage(message);
    comCenter->setAutoReconnect(false);
    comCenter->close();
    ShellServices::current().messageBox(this, ShellServices::Warning, applicationTitle,
                                        tr("Communication error.") + QLatin1Char('\n') + message);
}

void MainWindow::help()
{
    qCDebug(lcShell) << "help context" << helpContextId;
    HelpWindow::instance()->showContext(helpContextId, language.isEmpty() ? QStringLiteral("en") : language);
}

void MainWindow::on_changeProgram(int n)
{
    const QList<StateBase*> documents = m_stateManager->states();
    if (n < 1 || n > documents.size())
        return;
    StateBase* wanted = documents.at(n - 1);
    if (wanted != currentState())
        m_central->showState(wanted);
}

void MainWindow::customEvent(QEvent* event)
{
    receiveHandOver(event);
    if (event->type() == StateProcessorStepEvent::eventType) {
        for (State* running : runningStates())
            m_central->updateClock(running);
        return;
    }
    if (event->type() == StateBaseStopEvent::eventType) {
        if (StateBase* stopped = m_stateManager->stateById(static_cast<StateBaseStopEvent*>(event)->id())) {
            m_central->updateClock(stopped);
            if (stopped == currentState())
                updateToolbar();
        }
        return;
    }
    if (event->type() == StateBaseCaptionChangedEvent::eventType) {
        if (StateBase* changed = m_stateManager->stateById(static_cast<StateBaseCaptionChangedEvent*>(event)->id())) {
            m_central->updateCaption(changed);
            if (changed->kind() == StateBase_t::Program)
                m_library->renameProgram(changed);
        }
    }
    QMainWindow::customEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    stopAll();
    disconnectRobot();
    closeAll();
    if (!m_stateManager->isEmpty()) {
        event->ignore();
        return;
    }
    if (!isMaximized()) {
        windowWidth = width();
        windowHeight = height();
        windowX = pos().x();
        windowY = pos().y();
    }
    windowMaximized = isMaximized();
    event->accept();
}
