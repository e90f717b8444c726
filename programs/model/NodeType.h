#pragma once

#include "SlotSpec.h"
#include "Vector.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <atomic>

// Descriptor of one kind of block or chart element. Every kind owns one; every node
// keeps its own copy, whose name is the node's name and whose slot lists follow the
// node's slot counts.
class NodeType
{
public:
    enum Flag : unsigned {
        FunctionBlock = 1,
        ChartElement = 2,
        EngineCycle = 4,
        ImageCycle = 8,
    };

    NodeType();
    NodeType(unsigned short maintype, unsigned short subtype, const QString& identifier);
    // Decodes the drag payload; malformed data gives an empty descriptor.
    explicit NodeType(const QByteArray& dragData);
    NodeType(const NodeType& other);
    NodeType& operator=(const NodeType& other);

    NodeType withSubtype(unsigned short subtype) const;

    // Building
    void setName(const QString& name);
    void setFlags(unsigned flags);
    void setMaintype(unsigned short maintype);
    void addSubtype(const QString& name, const QString& icon);
    void addSubtypeData(int data);
    void setSubtypeName(unsigned index, const QString& name);
    SlotSpec* addValueSlot(const QString& name, int direction, int side, float defaultValue);
    SlotSpec* addVectorSlot(const QString& name, int direction, int side, const Vector& defaultValue);
    SlotSpec* addImageSlot(const QString& name, int direction, int side);
    SlotSpec* addSegImageSlot(const QString& name, int direction, int side);
    SlotSpec* addTransitionSlot(const QString& name, int direction, int side);
    // Returns null (and stores nothing) for a side outside 1 to 4.
    SlotSpec* addSlotSpec(SlotSpec& spec);
    bool needsBuild() const { return m_needsBuild; }

    // Queries
    unsigned short maintype() const { return m_maintype; }
    unsigned short subtype() const { return m_subtype.load(std::memory_order_relaxed); }
    const QString& name() const { return m_name; }
    const QString& identifier() const { return m_identifier; }
    unsigned flags() const { return m_flags; }
    bool hasFlags(unsigned mask) const { return (m_flags & mask) == mask; }
    unsigned subtypeCount() const { return static_cast<unsigned>(m_subtypeNames.size()); }
    QString subtypeName() const;
    QString subtypeName(unsigned index) const;
    const QStringList& subtypeNames() const { return m_subtypeNames; }
    const QStringList& subtypeIcons() const { return m_subtypeIcons; }
    void setSubtype(unsigned short subtype);
    QPixmap icon() const;
    QPixmap icon(unsigned index) const;
    int subtypeData(unsigned index) const;
    const QList<int>& subtypeDataList() const { return m_subtypeData; }
    int helpId() const;

    unsigned leftSlotCount() const { return slotCount(SlotSpec::Left); }
    unsigned rightSlotCount() const { return slotCount(SlotSpec::Right); }
    unsigned topSlotCount() const { return slotCount(SlotSpec::Top); }
    unsigned bottomSlotCount() const { return slotCount(SlotSpec::Bottom); }
    unsigned slotCount() const;
    unsigned slotCount(int side) const;
    const SlotSpec& slotSpec(int side, unsigned index) const;
    const SlotSpec& lastSlotSpec(int side) const;
    const SlotSpec& slotSpecAt(unsigned n) const;
    bool duplicateLastSlot(int side);
    bool removeLastSlot(int side);
    // Gives every slot of the copy the subtype whose name it shows.
    void setSlotSubtypes(int subtype);

    static QString nextName(const QString& name);

    // Geometry of the node box, relative to the node's origin.
    void layout();
    const QRect& selectRect() const { return m_selectRect; }
    const QRect& frameRect() const { return m_frameRect; }
    const QRect& textRect() const { return m_textRect; }
    const QRect& iconRect() const { return m_iconRect; }
    const QPoint& iconCentre() const { return m_iconCentre; }

    QByteArray toByteArray() const;

    static constexpr const char* mimeType = "xtype/mytype";

private:
    static bool isValidSide(int side) { return side >= 1 && side <= 4; }
    SlotSpec* addSlot(int kind, const QString& name, int direction, int side);
    void copyContentFrom(const NodeType& other);
    void decode(const QByteArray& dragData);
    void layoutSide(int side, const QRect& frame);

    unsigned short m_maintype = 0;
    // A dialog changes the variant while the cycle thread reads it.
    std::atomic<unsigned short> m_subtype {0};
    QString m_name;
    QString m_identifier;
    unsigned m_flags = 0;
    QStringList m_subtypeNames;
    QStringList m_subtypeIcons;
    QList<int> m_subtypeData;
    QMap<int, SlotSpec> m_slotSpecs[4];
    bool m_needsBuild = true;
    QRect m_selectRect;
    QRect m_frameRect;
    QRect m_textRect;
    QRect m_iconRect;
    QPoint m_iconCentre;
};
