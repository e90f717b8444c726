#include "Scope.h"

#include "BlockClock.h"
#include "BlockKind.h"
#include "BlockParameters.h"
#include "Clock.h"
#include "DialogRefresh.h"
#include "ScopeScales.h"
#include "SlotAccess.h"
#include "StateBase.h"

#include <algorithm>
#include <limits>

namespace {

constexpr unsigned short scopeMaintype = 2;

QString channelKey(const char* key, int channel)
{
    return QLatin1String(key) + QString::number(channel);
}

int readInt(const QMap<QString, QString>& map, const QString& key)
{
    return map.value(key).toInt();
}

} // namespace

Scope::Scope(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), m_clock(BlockClock::clock())
{
    for (int c = 0; c < channels; ++c) {
        channelEnable[c] = true;
        triggerPoint[c] = -1;
        scaleYdialValue[c] = 2;
        positionYsliderValue[c] = 0;
        positionY[c] = 0.0f;
        triggerSliderValue[c] = 0;
        trigger[c] = 0;
        triggerLevel[c] = 0.0f;
        paramsShown[c] = false;
        buffers[c].resize(recordSize);
        updateScaleY(c);
    }
    updateTimeBase();
}

NodeType Scope::nodeType()
{
    return describeBlockKind<Scope>([](NodeType& type) {
        type.setName(QObject::tr("Scope"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(scopeMaintype);
        type.addSubtype(QObject::tr("Scope", "Oszilloskop"), QStringLiteral("scope.png"));
        type.addValueSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%2", "Input channel").arg(2), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("I%3", "Input channel").arg(3), SlotSpec::Input, SlotSpec::Left, 0.0f);
    });
}

void Scope::setParameters(QMap<QString, QString> parameters)
{
    for (int c = 0; c < channels; ++c) {
        channelEnable[c] = parameterFlag(parameters, channelKey("channelEnable", c));
        triggerPoint[c] = readInt(parameters, channelKey("triggerPoint", c));
        scaleYdialValue[c] = readInt(parameters, channelKey("scaleYdialValue", c));
        positionYsliderValue[c] = readInt(parameters, channelKey("positionYsliderValue", c));
        trigger[c] = readInt(parameters, channelKey("trigger", c));
        triggerSliderValue[c] = readInt(parameters, channelKey("triggerSliderValue", c));
        paramsShown[c] = parameterFlag(parameters, channelKey("paramsShown", c));
        positionY[c] = static_cast<float>(positionYsliderValue[c] * 0.1);
        triggerLevel[c] = static_cast<float>(triggerSliderValue[c] * 0.1);
        updateScaleY(c);
    }
    timeScaleDialValue = readInt(parameters, QStringLiteral("timeScaleDialValue"));
    updateTimeBase();
    timeShown = parameterFlag(parameters, QStringLiteral("timeShown"));
}

QMap<QString, QString> Scope::parameters() const
{
    QMap<QString, QString> map;
    for (int c = 0; c < channels; ++c) {
        map.insert(channelKey("channelEnable", c), QString::number(int(channelEnable[c].load())));
        map.insert(channelKey("triggerPoint", c), QString::number(triggerPoint[c].load()));
        map.insert(channelKey("scaleYdialValue", c), QString::number(scaleYdialValue[c].load()));
        map.insert(channelKey("positionYsliderValue", c), QString::number(positionYsliderValue[c].load()));
        map.insert(channelKey("trigger", c), QString::number(trigger[c].load()));
        map.insert(channelKey("triggerSliderValue", c), QString::number(triggerSliderValue[c].load()));
        map.insert(channelKey("paramsShown", c), QString::number(int(paramsShown[c].load())));
    }
    map.insert(QStringLiteral("timeScaleDialValue"), QString::number(timeScaleDialValue.load()));
    map.insert(QStringLiteral("timeShown"), QString::number(int(timeShown.load())));
    return map;
}

void Scope::reset()
{
    m_sampledBefore = false;
    for (auto& buffer : buffers)
        buffer.fill(PlotPoint());
}

void Scope::readInputs()
{
    const std::chrono::nanoseconds now = m_clock.now();
    if (!m_sampledBefore) {
        m_lastSample = now;
        m_sampledBefore = true;
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_lastSample).count();
    const int interval = static_cast<int>(std::min<long long>(elapsed, std::numeric_limits<int>::max()));
    const bool store = elapsed >= static_cast<long long>(msPerDivision.load() / 10);
    if (store)
        m_lastSample = now;
    for (int c = 0; c < channels; ++c)
        sampleChannel(c, store, interval);
}

void Scope::sampleChannel(int channel, bool store, int interval)
{
    const float value = SlotAccess::value(*this, channel);
    const int mode = trigger[channel];
    if (mode == 0) {
        triggerPoint[channel] = -1;
    } else {
        const float threshold = (triggerLevel[channel] - positionY[channel]) * scaleY[channel];
        if (ScopeScales::triggerFires(mode, buffers[channel].last().value, value, threshold)) {
            buffers[channel].fill(PlotPoint());
            triggerPoint[channel] = 0;
        }
    }
    if (store)
        buffers[channel].push({value, interval, true});
}

int Scope::step()
{
    const StateBase* program = owner();
    if (program && (program->stepCount() % 4 == 0 || program->stepMode()))
        postDialogRefresh(*this);
    return 0;
}

void Scope::updateScaleY(int channel)
{
    scaleY[channel] = ScopeScales::scaleY(scaleYdialValue[channel]);
}

void Scope::updateTimeBase()
{
    msPerDivision = ScopeScales::msPerDivision(timeScaleDialValue);
}

void Scope::scaleYDialUp(int channel)
{
    if (scaleYdialValue[channel] < ScopeScales::dialMaximum) {
        ++scaleYdialValue[channel];
        updateScaleY(channel);
    }
}

void Scope::scaleYDialDown(int channel)
{
    if (scaleYdialValue[channel] >= 1) {
        --scaleYdialValue[channel];
        updateScaleY(channel);
    }
}

void Scope::timeScaleDialUp()
{
    if (timeScaleDialValue < ScopeScales::dialMaximum) {
        ++timeScaleDialValue;
        updateTimeBase();
        emit timescaleChanged();
    }
}

void Scope::timeScaleDialDown()
{
    if (timeScaleDialValue >= 1) {
        --timeScaleDialValue;
        updateTimeBase();
        emit timescaleChanged();
    }
}

QString Scope::scaleYText(int channel) const
{
    return QString::number(scaleY[channel].load(), 'g', 6);
}

QString Scope::timeBaseText() const
{
    return ScopeScales::timeBaseText(msPerDivision);
}

int Scope::triggerStart(int channel) const
{
    const int stored = triggerPoint[channel];
    if (stored == -1)
        return -1;
    const int size = buffers[channel].size();
    return ((stored % size) + size) % size;
}
