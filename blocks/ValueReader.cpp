#include "ValueReader.h"

#include "NodeFactory.h"
#include "SlotAccess.h"
#include "ValueLine.h"

#include <QMutexLocker>

#include <algorithm>

namespace {
constexpr unsigned short valueReaderMaintype = 53;
}

ValueReader::ValueReader(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

ValueReader::~ValueReader()
{
    file.close();
}

NodeType ValueReader::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("ValueReader"));
        type.setFlags(4);
        type.setMaintype(valueReaderMaintype);
        type.addSubtype(QObject::tr("ValueReader"), QStringLiteral("valuereader.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("1"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(valueReaderMaintype, &ValueReader::create);
    }
    return type;
}

StateNode* ValueReader::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ValueReader(owner, canvas, type.subtype(), id);
}

void ValueReader::setParameters(QMap<QString, QString> parameters)
{
    setFileName(parameters.value(QStringLiteral("filename")));
}

QMap<QString, QString> ValueReader::parameters() const
{
    return {{QStringLiteral("filename"), fileName()}};
}

QString ValueReader::fileName() const
{
    QMutexLocker locker(&fileNameMutex);
    return name;
}

void ValueReader::setFileName(const QString& fileName)
{
    QMutexLocker locker(&fileNameMutex);
    name = fileName;
}

void ValueReader::start()
{
    QMutexLocker valuesLocker(&valuesMutex);
    file.close();
    file.setFileName(fileName());
    // A missing file is not reported: the outputs then stay 0.
    if (!file.fileName().isEmpty())
        file.open(QIODevice::ReadOnly);
}

void ValueReader::stop()
{
    QMutexLocker valuesLocker(&valuesMutex);
    file.close();
}

void ValueReader::readInputs()
{
    QMutexLocker locker(&valuesMutex);
    values.fill(0.0, static_cast<int>(type()->rightSlotCount()));
    if (!file.isOpen())
        return;
    // Whole lines, however long, so that no line is split into two.
    const QByteArray line = file.readLine();
    if (!line.isEmpty())
        ValueLine::parse(line, values);
}

void ValueReader::writeOutputs()
{
    QMutexLocker locker(&valuesMutex);
    const int count = std::min(static_cast<int>(values.size()), static_cast<int>(type()->rightSlotCount()));
    for (int i = 0; i < count; ++i)
        SlotAccess::setValue(*this, i, static_cast<float>(values[i]));
}
