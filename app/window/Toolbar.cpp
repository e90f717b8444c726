#include "Toolbar.h"

#include "ChartSupport.h"
#include "DorvanLink.h"
#include "IpAddressInput.h"
#include "MainWindow.h"
#include "OsterEi.h"
#include "ShellPictures.h"
#include "StateBase.h"
#include "ToolbarButton.h"
#include "WifiStatus.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

Toolbar::Toolbar(MainWindow* window) : QToolBar(tr("Toolbar"), window), m_window(window)
{
    setObjectName(QStringLiteral("toolbar"));
    setMovable(false);
    addFileButton(QStringLiteral("state.png"), tr("New function block program"), &Toolbar::on_newstate_clicked);
    addFileButton(QStringLiteral("statechart.png"), tr("New flow control program"), &Toolbar::on_newstatechart_clicked);
    addFileButton(QStringLiteral("fileopen.xpm"), tr("Open file"), &Toolbar::on_open_clicked);
    addFileButton(QStringLiteral("filesave.xpm"), tr("Save file"), &Toolbar::on_save_clicked);
    addSeparator();
    m_start = addRunButton(QStringLiteral("start"), tr("Start"), &Toolbar::on_start_toggled);
    m_pause = addRunButton(QStringLiteral("pause"), tr("Pause"), &Toolbar::on_pause_toggled);
    m_stop = addRunButton(QStringLiteral("stop"), tr("Stop - Press twice or Ctrl+Space to stop all"),
                          &Toolbar::on_stop_toggled);
    addSeparator();
    // The address entry stretches here once the robot link fills it.
    m_connectionArea = new QWidget(this);
    m_connectionArea->setObjectName(QStringLiteral("connectionArea"));
    auto* connectionLayout = new QHBoxLayout(m_connectionArea);
    connectionLayout->setContentsMargins(0, 0, 0, 0);
    m_connectionArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connectionLayout->addWidget(new IpAddressInput(m_connectionArea), 1);
    connectionLayout->addWidget(new WifiStatus(m_connectionArea));
    connectionLayout->addWidget(new DorvanLink(m_connectionArea));
    addWidget(m_connectionArea);
    auto* spacer = new QWidget(this);
    spacer->setMinimumWidth(35);
    addWidget(spacer);
    auto* game = new OsterEi(this);
    game->setMinimumWidth(35);
    addWidget(game);
    disableButtons();
}

QToolButton* Toolbar::addFileButton(const QString& picture, const QString& text, void (Toolbar::*slot)())
{
    auto* button = new QToolButton(this);
    button->setIcon(QIcon(shellPicture(picture)));
    button->setText(text);
    button->setToolTip(text);
    button->setFixedSize(29, 24);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, slot);
    addWidget(button);
    m_fileButtons[m_fileButtonCount++] = button;
    return button;
}

ToolbarButton* Toolbar::addRunButton(const QString& name, const QString& text, void (Toolbar::*slot)(bool))
{
    auto* button = new ToolbarButton(name + QLatin1String("_pressed.png"), name + QLatin1String("_not_pressed.png"),
                                     name + QLatin1String("_disabled.png"), name + QLatin1String("_pressed_active.png"),
                                     name + QLatin1String("_not_pressed_active.png"), this);
    button->setText(text);
    button->setToolTip(text);
    connect(button, &QToolButton::toggled, this, slot);
    addWidget(button);
    return button;
}

void Toolbar::setOn(ToolbarButton* button, bool on)
{
    const QSignalBlocker blocker(button);
    button->setChecked(on);
}

void Toolbar::disableButtons()
{
    for (ToolbarButton* button : {m_start, m_pause, m_stop}) {
        button->setEnabled(false);
        setOn(button, false);
    }
}

void Toolbar::updateButtons(StateBase* program)
{
    if (!program) {
        disableButtons();
        return;
    }
    StateBase* runningChart = nullptr;
    StateBase* steppedChart = nullptr;
    if (program->kind() == StateBase_t::Program) {
        runningChart = ChartSupport::current().runningReferringChart(program);
        steppedChart = ChartSupport::current().steppedReferringChart(program);
    }
    if (runningChart || steppedChart) {
        // Driven by a chart: only Stop, and Start for the chart's next step.
        disableButtons();
        m_stop->setEnabled(true);
        if (steppedChart) {
            m_start->setEnabled(true);
            setOn(m_pause, true);
        }
        return;
    }
    for (ToolbarButton* button : {m_start, m_pause, m_stop})
        button->setEnabled(true);
    const bool running = program->isRunning();
    if (program->stepMode()) {
        setOn(m_pause, true);
        setOn(m_start, false);
    } else {
        setOn(m_pause, false);
        setOn(m_start, running);
    }
    setOn(m_stop, !running);
}

void Toolbar::on_start_toggled(bool on)
{
    if (!on) {
        setOn(m_start, true);
        return;
    }
    if (m_pause->isChecked()) {
        m_window->stepCurrent();
        setOn(m_start, false);
        return;
    }
    m_window->startCurrent();
}

void Toolbar::on_pause_toggled(bool on)
{
    m_window->setStepMode(on);
}

void Toolbar::on_stop_toggled(bool on)
{
    StateBase* current = m_window->currentState();
    if (current && !current->isRunning()) {
        m_window->stopAll();
        setOn(m_stop, true);
        return;
    }
    if (on)
        m_window->stopCurrent();
}

void Toolbar::on_open_clicked()
{
    m_window->openFileDialog();
}

void Toolbar::on_save_clicked()
{
    m_window->saveCurrent();
}

void Toolbar::on_newstate_clicked()
{
    m_window->newState();
}

void Toolbar::on_newstatechart_clicked()
{
    m_window->newStateChart();
}
