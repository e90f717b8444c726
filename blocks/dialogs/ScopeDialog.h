#pragma once

#include "NodeDialog.h"

#include <QColor>
#include <QVector>

class ChannelParams;
class ChannelPushButton;
class Plotter;
class QHBoxLayout;
class QPushButton;
class Scope;
class TimeScale;

// The scope's page: the screen under a row of buttons that open one settings panel
// per channel and a time-base panel beside it.
class ScopeDialog : public NodeDialog
{
    Q_OBJECT

public:
    ScopeDialog(QWidget* view, Scope* scope, const std::atomic<bool>* paramsShown, bool timeShown);

    QWidget* createCustomWidget(QWidget* parent) override;
    void showChannelPanel(int channel, bool show);
    void showTimePanel(bool show);

    Plotter* screen() const { return plotter; }
    ChannelPushButton* channelButton(int channel) const { return channelButtons[channel]; }
    QPushButton* timePanelButton() const { return timeButton; }
    ChannelParams* channelPanel(int channel) const { return channelPanels[channel]; }
    TimeScale* timeScalePanel() const { return timePanel; }
    QHBoxLayout* pageLayout() const { return mainLayout; }

public Q_SLOTS:
    void channel_pushButton_clicked_Slot(unsigned int channel);
    void time_clicked();
    void edited();
    void updateCustomWidget_Slot(int id);

private:
    QWidget* createPlotColumn(QWidget* page);
    void fitPanels();

    QVector<bool> panelShownAtOpen;
    bool timePanelShownAtOpen;
    QColor backgroundColor;
    ChannelPushButton* channelButtons[3] {};
    QPushButton* timeButton = nullptr;
    QString channelText;
    QString timeText;
    Plotter* plotter = nullptr;
    Scope* scope;
    ChannelParams* channelPanels[3] {};
    TimeScale* timePanel = nullptr;
    QHBoxLayout* mainLayout = nullptr;
};
