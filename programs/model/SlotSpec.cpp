#include "SlotSpec.h"

SlotSpec::SlotSpec(int kind, int side, int direction) : m_kind(kind), m_side(side), m_direction(direction)
{
}

const SlotSpec& SlotSpec::empty()
{
    static const SlotSpec record;
    return record;
}

void SlotSpec::setName(const QString& name, unsigned subtype)
{
    m_names.insert(subtype, name);
}

QString SlotSpec::name(unsigned subtype) const
{
    const unsigned wanted = subtype == ~0u ? static_cast<unsigned>(m_subtype) : subtype;
    auto found = m_names.constFind(wanted);
    if (found != m_names.constEnd())
        return found.value();
    found = m_names.constFind(0);
    if (found != m_names.constEnd())
        return found.value();
    return QString();
}

void SlotSpec::setGeometry(const QRect& rect, const QPoint& tipOffset, const QPoint& dockOffset)
{
    m_rect = rect;
    m_tipOffset = tipOffset;
    m_dockOffset = dockOffset;
}
