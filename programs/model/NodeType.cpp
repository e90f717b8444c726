#include "NodeType.h"

#include "EmbeddedImages.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <climits>

NodeType::NodeType() = default;

NodeType::NodeType(unsigned short maintype, unsigned short subtype, const QString& identifier)
    : m_maintype(maintype), m_subtype(subtype), m_identifier(identifier), m_needsBuild(false)
{
}

NodeType::NodeType(const QByteArray& dragData) : m_needsBuild(false)
{
    decode(dragData);
}

NodeType::NodeType(const NodeType& other)
{
    copyContentFrom(other);
}

NodeType& NodeType::operator=(const NodeType& other)
{
    if (this != &other)
        copyContentFrom(other);
    return *this;
}

void NodeType::copyContentFrom(const NodeType& other)
{
    // The geometry stays: a copy is laid out by whoever shows it.
    m_maintype = other.m_maintype;
    m_subtype.store(other.subtype(), std::memory_order_relaxed);
    m_flags = other.m_flags;
    m_name = other.m_name;
    m_identifier = other.m_identifier;
    m_subtypeNames = other.m_subtypeNames;
    m_subtypeIcons = other.m_subtypeIcons;
    m_subtypeData = other.m_subtypeData;
    for (int side = 0; side < 4; ++side)
        m_slotSpecs[side] = other.m_slotSpecs[side];
    m_needsBuild = false;
}

NodeType NodeType::withSubtype(unsigned short subtype) const
{
    NodeType copy(*this);
    copy.m_subtype.store(subtype, std::memory_order_relaxed);
    return copy;
}

void NodeType::setName(const QString& name)
{
    m_name = name;
}

void NodeType::setFlags(unsigned flags)
{
    m_flags |= flags;
    m_needsBuild = false;
}

void NodeType::setMaintype(unsigned short maintype)
{
    m_maintype = maintype;
    m_needsBuild = false;
}

void NodeType::addSubtype(const QString& name, const QString& icon)
{
    m_subtypeNames.append(name);
    m_subtypeIcons.append(icon);
    m_needsBuild = false;
}

void NodeType::addSubtypeData(int data)
{
    m_subtypeData.append(data);
    m_needsBuild = false;
}

void NodeType::setSubtypeName(unsigned index, const QString& name)
{
    if (index < subtypeCount())
        m_subtypeNames[static_cast<qsizetype>(index)] = name;
}

SlotSpec* NodeType::addSlot(int kind, const QString& name, int direction, int side)
{
    SlotSpec spec(kind, side, direction);
    spec.setName(name, 0);
    return addSlotSpec(spec);
}

SlotSpec* NodeType::addValueSlot(const QString& name, int direction, int side, float defaultValue)
{
    SlotSpec spec(SlotSpec::ValueKind, side, direction);
    spec.setName(name, 0);
    spec.setDefaultValue(defaultValue);
    return addSlotSpec(spec);
}

SlotSpec* NodeType::addVectorSlot(const QString& name, int direction, int side, const Vector& defaultValue)
{
    SlotSpec spec(SlotSpec::VectorKind, side, direction);
    spec.setName(name, 0);
    spec.setDefaultVector(defaultValue);
    return addSlotSpec(spec);
}

SlotSpec* NodeType::addImageSlot(const QString& name, int direction, int side)
{
    return addSlot(SlotSpec::ImageKind, name, direction, side);
}

SlotSpec* NodeType::addSegImageSlot(const QString& name, int direction, int side)
{
    return addSlot(SlotSpec::SegImageKind, name, direction, side);
}

SlotSpec* NodeType::addTransitionSlot(const QString& name, int direction, int side)
{
    return addSlot(SlotSpec::TransitionKind, name, direction, side);
}

SlotSpec* NodeType::addSlotSpec(SlotSpec& spec)
{
    if (!isValidSide(spec.side()))
        return nullptr;
    QMap<int, SlotSpec>& sideMap = m_slotSpecs[spec.side() - 1];
    spec.setIndex(static_cast<int>(sideMap.size()));
    auto stored = sideMap.insert(spec.index(), spec);
    m_needsBuild = false;
    return &stored.value();
}

QString NodeType::subtypeName() const
{
    return subtypeName(subtype());
}

QString NodeType::subtypeName(unsigned index) const
{
    if (index >= subtypeCount())
        return QString();
    return m_subtypeNames.at(static_cast<qsizetype>(index));
}

void NodeType::setSubtype(unsigned short subtype)
{
    m_subtype.store((subtype < subtypeCount() || subtypeCount() == 0) ? subtype : 0, std::memory_order_relaxed);
}

QPixmap NodeType::icon() const
{
    return icon(subtype());
}

QPixmap NodeType::icon(unsigned index) const
{
    if (index >= static_cast<unsigned>(m_subtypeIcons.size()))
        return QPixmap();
    const QString& name = m_subtypeIcons.at(static_cast<qsizetype>(index));
    if (name.isEmpty())
        return QPixmap();
    return EmbeddedImages::pixmap(name);
}

int NodeType::subtypeData(unsigned index) const
{
    if (index >= static_cast<unsigned>(m_subtypeData.size()))
        return 0;
    return m_subtypeData.at(static_cast<qsizetype>(index));
}

int NodeType::helpId() const
{
    if (m_flags & FunctionBlock)
        return (m_maintype + 10000) * 10 + subtype();
    if (m_flags & ChartElement)
        return (m_maintype + 20000) * 10 + subtype();
    return 0;
}

unsigned NodeType::slotCount() const
{
    unsigned count = 0;
    for (int side = 1; side <= 4; ++side)
        count += slotCount(side);
    return count;
}

unsigned NodeType::slotCount(int side) const
{
    if (!isValidSide(side))
        return 0;
    return static_cast<unsigned>(m_slotSpecs[side - 1].size());
}

const SlotSpec& NodeType::slotSpec(int side, unsigned index) const
{
    if (!isValidSide(side) || index > static_cast<unsigned>(INT_MAX))
        return SlotSpec::empty();
    const QMap<int, SlotSpec>& sideMap = m_slotSpecs[side - 1];
    auto found = sideMap.constFind(static_cast<int>(index));
    return found == sideMap.constEnd() ? SlotSpec::empty() : found.value();
}

const SlotSpec& NodeType::lastSlotSpec(int side) const
{
    const unsigned count = slotCount(side);
    if (count == 0)
        return SlotSpec::empty();
    return slotSpec(side, count - 1);
}

const SlotSpec& NodeType::slotSpecAt(unsigned n) const
{
    for (int side = 1; side <= 4; ++side) {
        const unsigned count = slotCount(side);
        if (n < count)
            return slotSpec(side, n);
        n -= count;
    }
    return SlotSpec::empty();
}

bool NodeType::duplicateLastSlot(int side)
{
    if (slotCount(side) == 0)
        return false;
    SlotSpec copy = lastSlotSpec(side);
    copy.setName(nextName(copy.name()), 0);
    addSlotSpec(copy);
    return true;
}

bool NodeType::removeLastSlot(int side)
{
    const unsigned count = slotCount(side);
    if (count == 0)
        return false;
    m_slotSpecs[side - 1].remove(static_cast<int>(count - 1));
    return true;
}

void NodeType::setSlotSubtypes(int subtype)
{
    for (auto& sideMap : m_slotSpecs) {
        for (SlotSpec& spec : sideMap)
            spec.setSubtype(subtype);
    }
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Adds one to a run of decimal digits of any length; leading zeros are dropped.
QString incrementDigits(const QString& digits)
{
    QString number = digits;
    while (number.size() > 1 && number.at(0) == QLatin1Char('0'))
        number.remove(0, 1);
    for (qsizetype i = number.size() - 1; i >= 0; --i) {
        if (number.at(i) != QLatin1Char('9')) {
            number[i] = QChar(number.at(i).unicode() + 1);
            return number;
        }
        number[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + number;
}

} // namespace

QString NodeType::nextName(const QString& name)
{
    bool isNumber = false;
    const qlonglong value = name.toLongLong(&isNumber);
    if (isNumber && QString::number(value) == name && value < LLONG_MAX)
        return QString::number(value + 1);
    if (name.isEmpty())
        return QStringLiteral("0");
    if (!isDigit(name.back()))
        return name + QLatin1Char('0');
    qsizetype digits = 0;
    while (digits < name.size() - 1 && isDigit(name.at(name.size() - 1 - digits)))
        ++digits;
    const qsizetype keep = name.size() - digits;
    return name.left(keep) + incrementDigits(name.mid(keep));
}

void NodeType::layout()
{
    const int left = static_cast<int>(leftSlotCount());
    const int right = static_cast<int>(rightSlotCount());
    const int top = static_cast<int>(topSlotCount());
    const int bottom = static_cast<int>(bottomSlotCount());
    const int vertical = std::max(left, right);
    const int horizontal = std::max(top, bottom);

    const int frameLeft = (left == 0 && horizontal < 3) ? 2 : 4;
    const int frameTop = (top == 0 && vertical < 3) ? 2 : 4;
    int height = 0;
    if (vertical <= 2) {
        height = 27 + (top > 0 ? 10 : 0) + (bottom > 0 ? 10 : 0);
    } else {
        const int k = vertical == 3 ? 1 : 2;
        height = 12 * vertical - 1 + (top > 0 ? 12 * k : 0) + (bottom > 0 ? 12 * k : 0);
    }
    int width = 0;
    if (horizontal <= 2)
        width = 27 + (left > 0 ? 10 : 0) + (right > 0 ? 10 : 0);
    else
        width = 12 * horizontal - 1 + (left > 0 ? 6 : 0) + (right > 0 ? 6 : 0);
    m_frameRect = QRect(frameLeft, frameTop, width, height);

    const QRect& frame = m_frameRect;
    QRect icon(0, 0, 25, 25);
    icon.moveTopLeft(QPoint((frame.left() + frame.right()) / 2 - 12, (frame.top() + frame.bottom()) / 2 - 12));
    if (left > 0 && icon.left() < frame.left() + 11)
        icon.moveLeft(frame.left() + 11);
    if (top > 0 && icon.top() < frame.top() + 11)
        icon.moveTop(frame.top() + 11);
    if (right > 0 && icon.right() > frame.right() - 11)
        icon.moveRight(frame.right() - 11);
    if (bottom > 0 && icon.bottom() > frame.bottom() - 11)
        icon.moveBottom(frame.bottom() - 11);
    m_iconRect = icon;
    m_iconCentre = QPoint((icon.left() + icon.right()) / 2, (icon.top() + icon.bottom()) / 2);

    for (int side = 1; side <= 4; ++side)
        layoutSide(side, frame);

    m_selectRect = QRect(frame.left() - 2, frame.top() - 2, frame.width() + 4, frame.height() + 4);
    m_textRect = QRect(QPoint(m_selectRect.left() + 2, m_selectRect.bottom() + 1), QSize(0, 0));
}

void NodeType::layoutSide(int side, const QRect& frame)
{
    QMap<int, SlotSpec>& sideMap = m_slotSpecs[side - 1];
    const int n = static_cast<int>(sideMap.size());
    if (n == 0)
        return;
    const bool alongY = side == SlotSpec::Left || side == SlotSpec::Right;
    const int middle =
        alongY ? (m_iconRect.top() + m_iconRect.bottom()) / 2 : (m_iconRect.left() + m_iconRect.right()) / 2;
    const int first = (n % 2 == 1) ? middle - ((n - 1) / 2) * 12 - 5 : middle - (n / 2) * 12 + 1;
    static const QPoint tipOffsets[4] = {QPoint(0, 5), QPoint(11, 5), QPoint(0, -11), QPoint(0, 22)};
    const QPoint dockOffset(5, 5);
    int along = first;
    for (SlotSpec& spec : sideMap) {
        QPoint topLeft;
        switch (side) {
        case SlotSpec::Left: topLeft = QPoint(frame.left(), along); break;
        case SlotSpec::Right: topLeft = QPoint(frame.right() - 10, along); break;
        case SlotSpec::Top: topLeft = QPoint(along, frame.top()); break;
        default: topLeft = QPoint(along, frame.bottom() - 10); break;
        }
        spec.setGeometry(QRect(topLeft, QSize(11, 11)), tipOffsets[side - 1], dockOffset);
        along += 12;
    }
}

QByteArray NodeType::toByteArray() const
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out << quint16(m_maintype) << quint32(m_flags) << quint16(subtype());
    out << quint32(m_identifier.size());
    for (QChar c : m_identifier)
        out << quint16(c.unicode());
    out << quint16(m_subtypeData.size());
    for (int entry : m_subtypeData)
        out << qint32(entry);
    return data;
}

void NodeType::decode(const QByteArray& dragData)
{
    QDataStream in(dragData);
    auto remaining = [&]() { return dragData.size() - in.device()->pos(); };
    quint16 maintype = 0;
    quint32 flags = 0;
    quint16 subtype = 0;
    quint32 identifierLength = 0;
    in >> maintype >> flags >> subtype >> identifierLength;
    if (in.status() != QDataStream::Ok || identifierLength > quint64(remaining()) / 2)
        return;
    QString identifier;
    identifier.reserve(static_cast<qsizetype>(identifierLength));
    for (quint32 i = 0; i < identifierLength; ++i) {
        quint16 unit = 0;
        in >> unit;
        identifier.append(QChar(unit));
    }
    quint16 dataCount = 0;
    in >> dataCount;
    if (in.status() != QDataStream::Ok || dataCount > quint64(remaining()) / 4)
        return;
    QList<int> entries;
    for (quint16 i = 0; i < dataCount; ++i) {
        qint32 entry = 0;
        in >> entry;
        entries.append(entry);
    }
    if (in.status() != QDataStream::Ok)
        return;
    m_maintype = maintype;
    m_flags = flags;
    m_subtype.store(subtype, std::memory_order_relaxed);
    m_identifier = identifier;
    m_subtypeData = entries;
}
