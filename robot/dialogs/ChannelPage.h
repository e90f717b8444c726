#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class ChannelBlock;
class QComboBox;

// The custom page of the channel dialogs (digital output and input, analogue input,
// distance sensor, relay): one list, " --- " and then one entry per channel, whose
// index is the block's number.
class ChannelPage : public QWidget
{
    Q_OBJECT

public:
    // The entries after " --- ".
    using Entries = std::function<QStringList()>;

    ChannelPage(ChannelBlock& block, const Entries& entries, QWidget* parent = nullptr);

    static ChannelPage* forDigitalOutput(ChannelBlock& block, QWidget* parent = nullptr);
    static ChannelPage* forDigitalInput(ChannelBlock& block, QWidget* parent = nullptr);
    static ChannelPage* forADC(ChannelBlock& block, QWidget* parent = nullptr);
    static ChannelPage* forDistance(ChannelBlock& block, QWidget* parent = nullptr);
    static ChannelPage* forRelay(ChannelBlock& block, QWidget* parent = nullptr);

    QComboBox* list() const { return box; }

public Q_SLOTS:
    void channelChanged_Slot(int index);

private:
    ChannelBlock& block;
    QComboBox* box;
};
