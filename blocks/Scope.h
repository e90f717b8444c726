#pragma once

#include "PlotPoint.h"
#include "RingBuffer.h"
#include "StateNode.h"

#include <atomic>
#include <chrono>

class Clock;

// Three-channel oscilloscope: samples its inputs into one ring per channel at the
// time base's interval, restarts a channel's record on its trigger, and asks its open
// dialog to redraw every fourth cycle. The settings below are the dialog's to read and
// write directly; each is a single value, so they are atomics.
class Scope : public StateNode
{
    Q_OBJECT

public:
    static constexpr int channels = 3;
    static constexpr unsigned recordSize = 200;

    Scope(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void reset() override;
    void readInputs() override;
    int step() override;

    void updateScaleY(int channel);
    void updateTimeBase();
    void scaleYDialUp(int channel);
    void scaleYDialDown(int channel);
    void timeScaleDialUp();
    void timeScaleDialDown();
    QString scaleYText(int channel) const;
    QString timeBaseText() const;
    // Storage position where a triggered record starts (the stored index taken modulo
    // the ring size), or -1 while the channel runs freely.
    int triggerStart(int channel) const;

    std::atomic<bool> channelEnable[channels];
    std::atomic<int> triggerPoint[channels];
    std::atomic<int> scaleYdialValue[channels];
    std::atomic<float> scaleY[channels];
    std::atomic<int> positionYsliderValue[channels];
    std::atomic<float> positionY[channels];
    std::atomic<int> triggerSliderValue[channels];
    std::atomic<int> trigger[channels];
    std::atomic<float> triggerLevel[channels];
    std::atomic<int> timeScaleDialValue {11};
    std::atomic<unsigned> msPerDivision {100};
    std::atomic<bool> paramsShown[channels];
    std::atomic<bool> timeShown {false};
    RingBuffer<PlotPoint> buffers[channels];

Q_SIGNALS:
    void timescaleChanged();

private:
    void sampleChannel(int channel, bool store, int interval);

    // Monotonic: a clock change must not stop or burst the sampling.
    Clock& m_clock;
    std::chrono::nanoseconds m_lastSample {0};
    bool m_sampledBefore = false;
};
