#pragma once

#include <QWidget>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// The form of a scope channel's settings panel: show switch, vertical position,
// vertical scale and trigger. Its slots only warn; ChannelParams serves them.
class ChannelParamsBase : public QWidget
{
    Q_OBJECT

public:
    explicit ChannelParamsBase(QWidget* parent);

    QCheckBox* channelVisible;
    QLabel* vpositionTextLabel;
    QPushButton* yplusPb;
    QPushButton* yminusPb;
    QPushButton* plusPb;
    QPushButton* minusPb;
    QLabel* scaleY_Label;
    QPushButton* trigger_pushButton;
    QPushButton* tplusPb;
    QPushButton* tminusPb;

public Q_SLOTS:
    virtual void channel_pushButton_toggled_Slot(bool on);
    virtual void trigger_pushButton_clicked_Slot();
    virtual void minus_clicked_Slot();
    virtual void plus_clicked_Slot();
    virtual void yplus_clicked_Slot();
    virtual void yminus_clicked_Slot();
    virtual void tplus_clicked_Slot();
    virtual void tminus_clicked_Slot();
    virtual void positionY_slider_valueChanged_Slot(int value);
    virtual void scaleY_dial_valueChanged_Slot(int value);
    virtual void trigger_slider_valueChanged_Slot(int value);

protected:
    QVBoxLayout* ChannelParamsBaseLayout;
    QHBoxLayout* layout10;
    QHBoxLayout* layout12;
    QHBoxLayout* layout11;
};
