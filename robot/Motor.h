#pragma once

#include "ChannelBlock.h"

#include <atomic>

// Drives one drive motor directly: reads its actual velocity, position and current and
// sends a velocity request with priority, the speed controller's gains, a position reset
// and, when asked, the brake.
class Motor : public ChannelBlock
{
public:
    static constexpr float defaultKp = 0.9f;
    static constexpr float defaultKi = 0.01f;
    static constexpr float defaultKd = 0.0f;

    Motor(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    unsigned motor() const { return channel(); }
    void setMotor(unsigned n) { setChannel(n); }
    float kp() const { return m_kp.load(); }
    float ki() const { return m_ki.load(); }
    float kd() const { return m_kd.load(); }
    void setKp(float v) { m_kp.store(v); }
    void setKi(float v) { m_ki.store(v); }
    void setKd(float v) { m_kd.store(v); }

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void readInputs() override;
    void writeOutputs() override;

private:
    std::int32_t setVelocity = 0;
    std::int32_t priority = 0;
    std::int32_t actualVelocity = 0;
    std::int32_t motorCurrent = 0;
    bool resetPosition = false;
    std::atomic<bool> brake {false};
    std::int32_t position = 0;
    std::atomic<float> m_kp {defaultKp};
    std::atomic<float> m_ki {defaultKi};
    std::atomic<float> m_kd {defaultKd};
};
