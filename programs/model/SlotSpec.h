#pragma once

#include "Vector.h"

#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>

// Describes one slot of a kind of block: its data kind, side, direction, default,
// names per variant and its place in the node box.
class SlotSpec
{
public:
    enum Side { Left = 1, Right = 2, Top = 3, Bottom = 4 };
    enum Direction { Input = 1, Output = 2 };
    enum Kind { ValueKind = 0x16, VectorKind = 0x26, ImageKind = 0x46, SegImageKind = 0x86, TransitionKind = 0x0A };

    SlotSpec() = default;
    SlotSpec(int kind, int side, int direction);

    // The one record returned wherever a slot is missing.
    static const SlotSpec& empty();

    int kind() const { return m_kind; }
    int side() const { return m_side; }
    float defaultValue() const { return m_defaultValue; }
    const Vector& defaultVector() const { return m_defaultVector; }
    int direction() const { return m_direction; }
    const QRect& rect() const { return m_rect; }
    const QPoint& tipOffset() const { return m_tipOffset; }
    const QPoint& dockOffset() const { return m_dockOffset; }
    int index() const { return m_index; }
    const QMap<unsigned, QString>& names() const { return m_names; }
    int subtype() const { return m_subtype; }

    void setName(const QString& name, unsigned subtype);
    // All bits set means the record's own subtype.
    QString name(unsigned subtype = ~0u) const;
    void setSubtype(int subtype) { m_subtype = subtype; }

    void setDefaultValue(float value) { m_defaultValue = value; }
    void setDefaultVector(const Vector& value) { m_defaultVector = value; }
    void setIndex(int index) { m_index = index; }
    void setGeometry(const QRect& rect, const QPoint& tipOffset, const QPoint& dockOffset);

private:
    int m_kind = 0;
    int m_side = 0;
    float m_defaultValue = 0.0f;
    Vector m_defaultVector;
    int m_direction = 0;
    QRect m_rect;
    QPoint m_tipOffset;
    QPoint m_dockOffset;
    int m_index = 0;
    QMap<unsigned, QString> m_names;
    int m_subtype = 0;
};
