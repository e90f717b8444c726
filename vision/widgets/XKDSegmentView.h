#pragma once

#include "ChannelValueSet.h"

#include <QWidget>
#include <mutex>

// One channel's allowed values as marks over 0..255, or the value axis in scale mode.
class XKDSegmentView : public QWidget
{
    Q_OBJECT

public:
    explicit XKDSegmentView(QWidget* parent = nullptr);

    void setValueSet(const ChannelValueSet& set);
    ChannelValueSet valueSet() const;
    void setChannelEnabled(bool on);
    bool isChannelEnabled() const { return channelEnabled; }
    void setScaleMode(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool scaleMode = false;
    bool channelEnabled = true;
    mutable std::mutex mutex;
    ChannelValueSet values;
};
