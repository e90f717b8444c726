#pragma once

#include "Vector.h"

#include <QList>
#include <QPixmap>
#include <QVector>
#include <QWidget>

class VectorView;

// Draws the vector view's input vectors as red lines from one origin, the longest one
// reaching the edge, between the block's background and foreground pictures.
class VectorViewDialogDraw : public QWidget
{
    Q_OBJECT

public:
    VectorViewDialogDraw(QWidget* parent, VectorView* block);

    void redraw();
    const QPixmap& picture() const { return buffer; }

    // The origin in a widget of that size: the centre of the square in its top-left corner.
    static QPoint origin(const QSize& size);
    // Where each vector's line ends in a widget of that size, in widget coordinates.
    static QList<QPoint> lineEnds(const QVector<Vector>& values, const QSize& size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap buffer;
    VectorView* block;
};
