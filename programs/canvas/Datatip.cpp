#include "Datatip.h"

#include "LabelPixmap.h"
#include "Slot.h"
#include "ValueSlot.h"
#include "VectorSlot.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QTransform>

namespace {

QString withoutZeroDecimals(QString text)
{
    return text.remove(QStringLiteral(".00"));
}

} // namespace

Datatip::Datatip(QGraphicsScene* canvas, Slot* slot) : m_slot(slot), m_kind(slot->kind())
{
    setVisible(false);
    if (canvas)
        canvas->addItem(this);
    setZValue(tipZ);
    setPen(Qt::NoPen);
}

QString Datatip::valueText(float value)
{
    return withoutZeroDecimals(QString::number(value, 'f', 2));
}

QString Datatip::vectorText(const Vector& value)
{
    return withoutZeroDecimals(
        QStringLiteral("(%1 , %2)").arg(QString::number(value.x(), 'f', 2), QString::number(value.y(), 'f', 2)));
}

void Datatip::setAnchor(const QPoint& anchor)
{
    m_anchorX = anchor.x();
    m_anchorY = anchor.y();
    const int pw = m_pixmap.width();
    const int ph = m_pixmap.height();
    const int sh = m_slot->spec().rect().height();
    switch (m_slot->spec().side()) {
    case SlotSpec::Left: setPos(m_anchorX - pw - 2, m_anchorY - ph / 2); break;
    case SlotSpec::Right: setPos(m_anchorX + 2, m_anchorY - ph / 2); break;
    case SlotSpec::Top: setPos(m_anchorX, m_anchorY - ph + sh - 2); break;
    case SlotSpec::Bottom: setPos(m_anchorX, m_anchorY - sh + 2); break;
    default: break;
    }
}

void Datatip::updateText()
{
    if (!isVisible())
        return;
    const bool first = m_pixmap.width() == 0;
    if (m_kind == SlotSpec::ValueKind) {
        ValueSlot* slot = m_slot->toValueSlot();
        const float value = slot ? slot->value() : 0.0f;
        if (first || !(value == m_lastValue)) {
            m_lastValue = value;
            render(valueText(value));
        }
    } else if (m_kind == SlotSpec::VectorKind) {
        VectorSlot* slot = m_slot->toVectorSlot();
        const Vector value = slot ? slot->value() : Vector();
        if (first || value != m_lastVector) {
            m_lastVector = value;
            render(vectorText(value));
        }
    } else if (m_kind == SlotSpec::ImageKind) {
        if (first || !m_imageLabel) {
            render(tr("IMG"));
            m_imageLabel = true;
        }
    }
}

void Datatip::showValue()
{
    show();
    updateText();
}

void Datatip::render(const QString& text)
{
    m_pixmap = renderLabelPixmap(text);

    const int side = m_slot->spec().side();
    if (side == SlotSpec::Top || side == SlotSpec::Bottom)
        m_pixmap = m_pixmap.transformed(QTransform().rotate(-90));
    setRect(0, 0, m_pixmap.width(), m_pixmap.height());
    setAnchor(QPoint(m_anchorX, m_anchorY));
    update();
}

void Datatip::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->drawPixmap(0, 0, m_pixmap);
}
