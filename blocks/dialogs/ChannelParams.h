#pragma once

#include "ChannelParamsBase.h"

#include <QList>
#include <QPixmap>

class Scope;

// One scope channel's settings panel: every change goes straight into the block and
// is announced with paramsChanged, so that the screen redraws.
class ChannelParams : public ChannelParamsBase
{
    Q_OBJECT

public:
    ChannelParams(QWidget* parent, unsigned channel, Scope* scope);

    unsigned mode() const { return triggerMode; }

Q_SIGNALS:
    void paramsChanged(unsigned int channel);

public Q_SLOTS:
    void channel_pushButton_toggled_Slot(bool on) override;
    void trigger_pushButton_clicked_Slot() override;
    void minus_clicked_Slot() override;
    void plus_clicked_Slot() override;
    void yplus_clicked_Slot() override;
    void yminus_clicked_Slot() override;
    void tplus_clicked_Slot() override;
    void tminus_clicked_Slot() override;
    void positionY_slider_valueChanged_Slot(int value) override;
    void trigger_slider_valueChanged_Slot(int value) override;

private:
    void showScale();
    static QPixmap edgePicture(bool rising);

    unsigned triggerMode = 0;
    QPixmap triggerPixmaps[3];
    unsigned channel;
    QList<QWidget*> channelWidgets;
    Scope* scope;
};
