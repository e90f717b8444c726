#pragma once

#include "XKDDrawingObject.h"

#include <QPoint>

// Marks the first point of the image's point list with the object's name.
class XKDDoCross : public XKDDrawingObject
{
public:
    static constexpr int armLength = 8;

    XKDDoCross() : XKDDrawingObject(Cross) { }

    void paint(QPainter& painter, const XKDImage& image) const override;
    // The marked point, or false when the image has no such list or it is empty.
    bool markedPoint(const XKDImage& image, QPoint& point) const;
};
