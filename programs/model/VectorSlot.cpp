#include "VectorSlot.h"

#include <QStringList>

VectorSlot::VectorSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner)
    : DataSlot(canvas, spec, owner), m_x(spec.defaultVector().x()), m_y(spec.defaultVector().y())
{
    setPixmaps(QStringLiteral("vector_idle.png"), QStringLiteral("vector_accept.png"),
               QStringLiteral("vector_reject.png"));
    setTransformNames({
        QStringLiteral("y=x"),
        QStringLiteral("y=(a,b) (a,b)") + tr("cartesian"),
        QStringLiteral("y=(a,b) (a,b)") + tr("polar"),
        QStringLiteral("y=a*x+(b,c) (b,c)") + tr("cartesian"),
        QStringLiteral("y=a*x+(b,c) (b,c)") + tr("polar"),
        QStringLiteral("y=rot(x,a)"),
    });
}

void VectorSlot::reset()
{
    store(spec().defaultVector());
}

void VectorSlot::fetch()
{
    if (!isInput())
        return;
    Vector x = spec().defaultVector();
    if (Slot* source = connectedSource()) {
        if (VectorSlot* vectorSource = source->toVectorSlot())
            x = vectorSource->value();
    }
    store(applyTransform(x));
}

VectorSlot* VectorSlot::toVectorSlot()
{
    return this;
}

void VectorSlot::setValue(const Vector& value)
{
    store(applyTransform(value));
}

Vector VectorSlot::value() const
{
    return Vector(m_x.load(std::memory_order_relaxed), m_y.load(std::memory_order_relaxed), 0);
}

Vector VectorSlot::applyTransform(const Vector& x) const
{
    switch (transform()) {
    case 0: return x;
    case 1: return Vector(a(), b(), 0);
    case 2: return Vector(a(), b(), 1);
    case 3: return x * a() + Vector(b(), c(), 0);
    case 4: return x * a() + Vector(b(), c(), 1);
    case 5: {
        Vector rotated = x;
        rotated.rotate(a());
        return rotated;
    }
    default: return Vector();
    }
}

void VectorSlot::store(const Vector& value)
{
    m_x.store(value.x(), std::memory_order_relaxed);
    m_y.store(value.y(), std::memory_order_relaxed);
}
