#pragma once

#include "Vector.h"

#include <QCoreApplication>
#include <QGraphicsRectItem>
#include <QPixmap>
#include <QPoint>

class QGraphicsScene;
class Slot;

// The live value of one slot, drawn in a small label beside it.
class Datatip : public QGraphicsRectItem
{
    Q_DECLARE_TR_FUNCTIONS(Datatip)

public:
    static constexpr qreal tipZ = 7;

    Datatip(QGraphicsScene* canvas, Slot* slot);

    void setAnchor(const QPoint& anchor);
    void updateText();
    void showValue();
    const QPixmap& label() const { return m_pixmap; }
    // The text the label shows for a value and for a vector.
    static QString valueText(float value);
    static QString vectorText(const Vector& value);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void render(const QString& text);

    QPixmap m_pixmap;
    int m_anchorX = 0;
    int m_anchorY = 0;
    Slot* m_slot;
    float m_lastValue = 0.0f;
    int m_kind;
    Vector m_lastVector;
    bool m_imageLabel = false;
};
