#include "Siggen.h"

#include "BlockClock.h"
#include "BlockKind.h"
#include "SlotAccess.h"

#include <mutex>

namespace {
constexpr unsigned short siggenMaintype = 1;
}

Siggen::Siggen(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), m_timer(BlockClock::clock())
{
}

NodeType Siggen::nodeType()
{
    return describeBlockKind<Siggen>([](NodeType& type) {
        type.setName(QObject::tr("Generator"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(siggenMaintype);
        type.addSubtype(QObject::tr("Square puls generator", "Rechteckgenerator"), QStringLiteral("siggen_rect.png"));
        type.addSubtype(QObject::tr("Triangle puls generator", "Sägezahngenerator"), QStringLiteral("siggen_tri.png"));
        type.addSubtype(QObject::tr("Sine generator", "Sinusgenerator"), QStringLiteral("siggen_sine.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Output"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
}

void Siggen::setParameters(QMap<QString, QString> parameters)
{
    SiggenWaveform loaded = waveform();
    loaded.ampSliderValue = parameters.value(QStringLiteral("ampSliderValue")).toInt();
    loaded.freqSliderValue = parameters.value(QStringLiteral("freqSliderValue")).toInt();
    loaded.pwSliderValue = parameters.value(QStringLiteral("pwSliderValue")).toInt();
    loaded.applyAll();
    setWaveform(loaded);
}

QMap<QString, QString> Siggen::parameters() const
{
    const SiggenWaveform current = waveform();
    return {{QStringLiteral("ampSliderValue"), QString::number(current.ampSliderValue)},
            {QStringLiteral("freqSliderValue"), QString::number(current.freqSliderValue)},
            {QStringLiteral("pwSliderValue"), QString::number(current.pwSliderValue)}};
}

SiggenWaveform Siggen::waveform() const
{
    const std::lock_guard locker(m_waveformMutex);
    return m_settings;
}

void Siggen::setWaveform(const SiggenWaveform& waveform)
{
    const std::lock_guard locker(m_waveformMutex);
    m_settings = waveform;
}

void Siggen::start()
{
    m_timer.start();
}

void Siggen::reset()
{
    m_phase = 0;
    m_output = 0.0f;
}

int Siggen::step()
{
    const std::lock_guard locker(m_waveformMutex);
    m_phase = m_settings.phaseAt(m_timer.elapsed());
    m_output = m_settings.valueAt(type()->subtype(), m_phase, m_output);
    return 0;
}

void Siggen::writeOutputs()
{
    SlotAccess::setValue(*this, 0, m_output);
}
