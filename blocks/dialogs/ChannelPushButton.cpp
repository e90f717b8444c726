#include "ChannelPushButton.h"

ChannelPushButton::ChannelPushButton(QWidget* parent, unsigned channel) : QPushButton(parent), channel(channel)
{
    setFixedSize(45, 25);
    connect(this, &QAbstractButton::clicked, this, &ChannelPushButton::clicked_Slot);
}

void ChannelPushButton::clicked_Slot()
{
    emit clicked(channel);
}
