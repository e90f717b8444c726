#pragma once

#include "XKDDrawingObject.h"

#include <QRect>

class SegmentDescription;

// The segmenter dialog's selection: a rectangle or circle spanned over the frozen image, whose
// pixels teach a new colour class.
class XKDDoRubberBand : public XKDDrawingObject
{
public:
    enum Shape { NoShape = 0, Rectangle = 1, Circle = 2 };

    XKDDoRubberBand() : XKDDrawingObject(RubberBand) { }

    // True when the band had no shape yet or already this one.
    bool setShape(int shape);
    int shape() const { return m_shape; }
    // Spans the band between two image points (either order).
    void span(const QPoint& from, const QPoint& to);
    QRect area() const { return m_area; }
    bool contains(int x, int y) const;

    void paint(QPainter& painter, const XKDImage& image) const override;
    // The pixels inside, in display order (blue, green, red), taught into the description's
    // value sets, mean colour and colour format; false when hidden, without shape or empty.
    bool teach(const XKDImage& image, SegmentDescription& description) const;

private:
    int m_shape = NoShape;
    QRect m_area;
};
