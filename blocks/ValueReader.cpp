#include "ValueReader.h"

#include "BlockKind.h"
#include "FileOpening.h"
#include "SlotAccess.h"
#include "ValueLine.h"

#include <algorithm>
#include <mutex>

namespace {
constexpr unsigned short valueReaderMaintype = 53;
}

ValueReader::ValueReader(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

ValueReader::~ValueReader()
{
    m_file.close();
}

NodeType ValueReader::nodeType()
{
    return describeBlockKind<ValueReader>([](NodeType& type) {
        type.setName(QObject::tr("ValueReader"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(valueReaderMaintype);
        type.addSubtype(QObject::tr("ValueReader"), QStringLiteral("valuereader.png"));
        type.addValueSlot(SlotAccess::numberedName(QObject::tr("1"), 1), SlotSpec::Output, SlotSpec::Right, 0.0f);
    });
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
    const std::lock_guard locker(m_fileNameMutex);
    return m_name;
}

void ValueReader::setFileName(const QString& fileName)
{
    const std::lock_guard locker(m_fileNameMutex);
    m_name = fileName;
}

void ValueReader::start()
{
    const std::lock_guard valuesLocker(m_valuesMutex);
    // A missing file is not reported: the outputs then stay 0.
    FileOpening::openForReading(m_file, fileName(), FileOpening::Kinds::RegularOrFifo);
}

void ValueReader::stop()
{
    const std::lock_guard valuesLocker(m_valuesMutex);
    m_file.close();
}

void ValueReader::readInputs()
{
    const std::lock_guard locker(m_valuesMutex);
    m_values.fill(0.0, static_cast<int>(type()->rightSlotCount()));
    if (!m_file.isOpen())
        return;
    // Whole lines, however long, so that no line is split into two.
    const QByteArray line = m_file.readLine();
    if (!line.isEmpty())
        ValueLine::parse(line, m_values);
}

void ValueReader::writeOutputs()
{
    const std::lock_guard locker(m_valuesMutex);
    const int count = std::min(static_cast<int>(m_values.size()), static_cast<int>(type()->rightSlotCount()));
    for (int i = 0; i < count; ++i)
        SlotAccess::setValue(*this, i, static_cast<float>(m_values[i]));
}
