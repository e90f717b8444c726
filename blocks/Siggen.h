#pragma once

#include "PerformanceTimer.h"
#include "SiggenWaveform.h"
#include "StateNode.h"

#include <mutex>

// Source of a square, ramp or sine signal whose time base is the time since the block
// started, not the number of cycles.
class Siggen : public StateNode
{
public:
    Siggen(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

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
    mutable std::mutex m_waveformMutex;
    SiggenWaveform m_settings;
    float m_output = 0.0f;
    unsigned m_phase = 0;
    PerformanceTimer m_timer;
};
