#include "ScopeDialog.h"

#include "ChannelParams.h"
#include "ChannelPushButton.h"
#include "Plotter.h"
#include "Scope.h"
#include "TimeScale.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString arrows(bool shown)
{
    return shown ? QStringLiteral("<<") : QStringLiteral(">>");
}

} // namespace

ScopeDialog::ScopeDialog(QWidget* view, Scope* scope, const std::atomic<bool>* paramsShown, bool timeShown)
    : NodeDialog(view, scope)
    , panelShownAtOpen {paramsShown[0], paramsShown[1], paramsShown[2]}
    , timePanelShownAtOpen(timeShown)
    , backgroundColor(200, 200, 200)
    , scope(scope)
{
    connect(this, &NodeDialog::updateCustomWidget, this, &ScopeDialog::updateCustomWidget_Slot);
}

QWidget* ScopeDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    mainLayout = new QHBoxLayout(page);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    for (int c = 0; c < Scope::channels; ++c) {
        channelPanels[c] = new ChannelParams(page, unsigned(c), scope);
        channelPanels[c]->hide();
    }
    timePanel = new TimeScale(page, scope);
    timePanel->hide();
    QPalette background = palette();
    background.setColor(QPalette::Window, backgroundColor);
    setPalette(background);
    //: Kanal
    channelText = tr("Ch");
    timeText = tr("Time");
    mainLayout->addWidget(createPlotColumn(page), 1);
    for (ChannelParams* panel : channelPanels) {
        connect(panel, &ChannelParams::paramsChanged, plotter, &Plotter::paramsChanged);
        connect(panel, &ChannelParams::paramsChanged, this, &ScopeDialog::edited);
    }
    connect(scope, &Scope::timescaleChanged, plotter, &Plotter::timescaleChanged);
    connect(scope, &Scope::timescaleChanged, this, &ScopeDialog::edited);
    for (int c = 0; c < Scope::channels; ++c) {
        if (panelShownAtOpen[c])
            showChannelPanel(c, true);
    }
    if (timePanelShownAtOpen)
        showTimePanel(true);
    connect(scope, &Scope::timescaleChanged, timePanel, &TimeScale::on_timescale_changed);
    connect(timePanel, &TimeScale::copy, plotter, &Plotter::onCopy);
    return page;
}

QWidget* ScopeDialog::createPlotColumn(QWidget* page)
{
    auto* column = new QWidget(page);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    auto* buttonRow = new QHBoxLayout;
    for (int c = 0; c < Scope::channels; ++c) {
        channelButtons[c] = new ChannelPushButton(column, unsigned(c));
        channelButtons[c]->setText(channelText + QString::number(c + 1) + QStringLiteral(" >>"));
        QPalette colours = channelButtons[c]->palette();
        colours.setColor(QPalette::ButtonText, scopeChannelColors[c]);
        channelButtons[c]->setPalette(colours);
        connect(channelButtons[c], &ChannelPushButton::clicked, this, &ScopeDialog::channel_pushButton_clicked_Slot);
        buttonRow->addWidget(channelButtons[c]);
    }
    timeButton = new QPushButton(timeText + QStringLiteral(" >>"), column);
    timeButton->setFixedSize(55, 25);
    connect(timeButton, &QPushButton::clicked, this, &ScopeDialog::time_clicked);
    buttonRow->addWidget(timeButton);
    buttonRow->addStretch(1);
    columnLayout->addLayout(buttonRow);
    plotter = new Plotter(column, scope);
    columnLayout->addWidget(plotter, 1);
    return column;
}

void ScopeDialog::showChannelPanel(int channel, bool show)
{
    ChannelParams* panel = channelPanels[channel];
    if (show) {
        int position = 1;
        for (int c = 0; c < channel; ++c)
            position += channelPanels[c]->isHidden() ? 0 : 1;
        mainLayout->insertWidget(position, panel);
        panel->show();
    } else {
        mainLayout->removeWidget(panel);
        panel->hide();
    }
    scope->paramsShown[channel] = show;
    fitPanels();
    channelButtons[channel]->setText(channelText + QString::number(channel + 1) + QStringLiteral(" ") + arrows(show));
    channelButtons[channel]->update();
}

void ScopeDialog::showTimePanel(bool show)
{
    if (show) {
        mainLayout->addWidget(timePanel);
        timePanel->show();
    } else {
        mainLayout->removeWidget(timePanel);
        timePanel->hide();
    }
    scope->timeShown = show;
    fitPanels();
    timeButton->setText(timeText + QStringLiteral(" ") + arrows(show));
}

// The open panels are saved with the program, so a change marks it modified.
void ScopeDialog::fitPanels()
{
    mainLayout->activate();
    fitCustomPage();
    setNodeModified();
}

void ScopeDialog::channel_pushButton_clicked_Slot(unsigned int channel)
{
    showChannelPanel(int(channel), !scope->paramsShown[channel]);
}

void ScopeDialog::time_clicked()
{
    showTimePanel(!scope->timeShown);
}

void ScopeDialog::edited()
{
    setNodeModified();
}

void ScopeDialog::updateCustomWidget_Slot(int)
{
    plotter->redraw();
}

NodeDialog* Scope::createDialog(QWidget* parent)
{
    return new ScopeDialog(parent, this, paramsShown, timeShown);
}
