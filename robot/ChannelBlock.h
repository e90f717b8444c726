#pragma once

#include "ChannelIcon.h"
#include "StateNode.h"

#include <atomic>

// Base of the robot blocks that address one channel (output, input, converter, sensor,
// relay or motor), kept as a number with 0 for none and stored under one parameter key.
// The GUI thread sets the number; the cycle thread reads it whole.
class ChannelBlock : public StateNode
{
public:
    struct IconRule
    {
        const char* plain; // shown while no channel is chosen
        const char* base; // the picture the number is drawn on
        int shownOffset; // drawn number = channel + offset
        int pointSize;
        ChannelIcon::Placement placement;
    };

    ChannelBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type, const QString& key,
                 const IconRule& rule);

    unsigned channel() const { return m_channel.load(); }
    // Stores the number and shows it on the icon.
    void setChannel(unsigned n);

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;

private:
    std::atomic<unsigned> m_channel {0};
    QString key;
    IconRule rule;
};
