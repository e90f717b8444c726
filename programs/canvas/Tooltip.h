#pragma once

#include <QGraphicsRectItem>
#include <QPixmap>
#include <QString>

class QGraphicsScene;

// The editor's label with the name (and scaling formula) of the slot under the mouse.
class Tooltip : public QGraphicsRectItem
{
public:
    static constexpr qreal tipZ = 100;

    explicit Tooltip(QGraphicsScene* canvas);

    void setText(const QString& text);
    const QPixmap& label() const { return m_pixmap; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QPixmap m_pixmap;
};
