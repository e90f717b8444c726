#pragma once

#include "PerformanceTimer.h"
#include "SiggenWaveform.h"
#include "StateNode.h"

#include <QMutex>

// Source of a square, ramp or sine signal whose time base is the time since the block
// started, not the number of cycles.
class Siggen : public StateNode
{
public:
    Siggen(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void start() override;
    void reset() override;
    int step() override;
    void writeOutputs() override;

    // A copy of the settings, and their replacement (the dialog's sliders); the cycle
    // never sees half of a change.
    SiggenWaveform waveform() const;
    void setWaveform(const SiggenWaveform& waveform);

private:
    mutable QMutex waveformMutex;
    SiggenWaveform settings;
    float output = 0.0f;
    unsigned phase = 0;
    PerformanceTimer timer;
};
