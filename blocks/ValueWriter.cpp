#include "ValueWriter.h"

#include "NodeFactory.h"
#include "SlotAccess.h"
#include "ValueLine.h"

#include <QMutexLocker>

namespace {
constexpr unsigned short valueWriterMaintype = 52;
}

ValueWriter::ValueWriter(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

ValueWriter::~ValueWriter()
{
    file.close();
}

NodeType ValueWriter::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("ValueWriter"));
        type.setFlags(4);
        type.setMaintype(valueWriterMaintype);
        type.addSubtype(QObject::tr("ValueWriter"), QStringLiteral("valuewriter.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("1"), 1), SlotSpec::Input, SlotSpec::Left, 0.0f);
        nodeFactories().insert(valueWriterMaintype, &ValueWriter::create);
    }
    return type;
}

StateNode* ValueWriter::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new ValueWriter(owner, canvas, type.subtype(), id);
}

void ValueWriter::setParameters(QMap<QString, QString> parameters)
{
    setFileName(parameters.value(QStringLiteral("filename")));
}

QMap<QString, QString> ValueWriter::parameters() const
{
    return {{QStringLiteral("filename"), fileName()}};
}

QString ValueWriter::fileName() const
{
    QMutexLocker locker(&fileNameMutex);
    return name;
}

void ValueWriter::setFileName(const QString& fileName)
{
    QMutexLocker locker(&fileNameMutex);
    name = fileName;
}

void ValueWriter::start()
{
    QMutexLocker valuesLocker(&valuesMutex);
    file.close();
    file.setFileName(fileName());
    // A file that cannot be opened is not reported: every line is then dropped.
    if (!file.fileName().isEmpty())
        file.open(QIODevice::WriteOnly);
}

void ValueWriter::stop()
{
    QMutexLocker valuesLocker(&valuesMutex);
    file.close();
}

void ValueWriter::readInputs()
{
    QMutexLocker locker(&valuesMutex);
    values.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < values.size(); ++i)
        values[i] = SlotAccess::value(*this, i);
}

void ValueWriter::writeOutputs()
{
    QMutexLocker locker(&valuesMutex);
    if (file.isOpen())
        file.write(ValueLine::format(values));
}
