#include "ValueWriter.h"

#include "BlockKind.h"
#include "FileOpening.h"
#include "SlotAccess.h"
#include "ValueLine.h"

#include <mutex>

namespace {
constexpr unsigned short valueWriterMaintype = 52;
}

ValueWriter::ValueWriter(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

ValueWriter::~ValueWriter()
{
    m_file.close();
}

NodeType ValueWriter::nodeType()
{
    return describeBlockKind<ValueWriter>([](NodeType& type) {
        type.setName(QObject::tr("ValueWriter"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(valueWriterMaintype);
        type.addSubtype(QObject::tr("ValueWriter"), QStringLiteral("valuewriter.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("1"), 1), SlotSpec::Input, SlotSpec::Left, 0.0f);
    });
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
    const std::lock_guard locker(m_fileNameMutex);
    return m_name;
}

void ValueWriter::setFileName(const QString& fileName)
{
    const std::lock_guard locker(m_fileNameMutex);
    m_name = fileName;
}

void ValueWriter::start()
{
    const std::lock_guard valuesLocker(m_valuesMutex);
    // A file that cannot be opened is not reported: every line is then dropped.
    FileOpening::openForWriting(m_file, fileName(), FileOpening::Kinds::RegularOrFifo);
}

void ValueWriter::stop()
{
    const std::lock_guard valuesLocker(m_valuesMutex);
    m_file.close();
}

void ValueWriter::readInputs()
{
    const std::lock_guard locker(m_valuesMutex);
    m_values.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < m_values.size(); ++i)
        m_values[i] = SlotAccess::value(*this, i);
}

void ValueWriter::writeOutputs()
{
    const std::lock_guard locker(m_valuesMutex);
    if (m_file.isOpen())
        m_file.write(ValueLine::format(m_values));
}
