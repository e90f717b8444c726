#include "Siggen.h"

#include "BlockClock.h"
#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short siggenMaintype = 1;
}

Siggen::Siggen(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), timer(BlockClock::clock())
{
}

NodeType Siggen::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Generator"));
        type.setFlags(4);
        type.setMaintype(siggenMaintype);
        type.addSubtype(QObject::tr("Square puls generator", "Rechteckgenerator"), QStringLiteral("siggen_rect.png"));
        type.addSubtype(QObject::tr("Triangle puls generator", "Sägezahngenerator"), QStringLiteral("siggen_tri.png"));
        type.addSubtype(QObject::tr("Sine generator", "Sinusgenerator"), QStringLiteral("siggen_sine.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("Output"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(siggenMaintype, &Siggen::create);
    }
    return type;
}

StateNode* Siggen::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Siggen(owner, canvas, type.subtype(), id);
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
    QMutexLocker locker(&waveformMutex);
    return settings;
}

void Siggen::setWaveform(const SiggenWaveform& waveform)
{
    QMutexLocker locker(&waveformMutex);
    settings = waveform;
}

void Siggen::start()
{
    timer.start();
}

void Siggen::reset()
{
    phase = 0;
    output = 0.0f;
}

int Siggen::step()
{
    QMutexLocker locker(&waveformMutex);
    phase = settings.phaseAt(timer.elapsed());
    output = settings.valueAt(type()->subtype(), phase, output);
    return 0;
}

void Siggen::writeOutputs()
{
    SlotAccess::setValue(*this, 0, output);
}
