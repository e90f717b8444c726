#pragma once

#include <QPushButton>

// A scope channel's button over the screen; tells which channel was clicked.
class ChannelPushButton : public QPushButton
{
    Q_OBJECT

public:
    ChannelPushButton(QWidget* parent, unsigned channel);

Q_SIGNALS:
    void clicked(unsigned int channel);

public Q_SLOTS:
    void clicked_Slot();

private:
    unsigned channel;
};
