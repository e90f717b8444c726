#pragma once

#include <QPixmap>
#include <QString>

// The program's collection of named images: pictures in the Qt resources under
// ":/images/" (drawings in SVG rendered on first use), and the slot pictures, which are
// painted here on first use.
class EmbeddedImages
{
public:
    // The image of that name, or a null pixmap when there is none.
    static QPixmap pixmap(const QString& name);

private:
    static QPixmap renderDrawing(const QString& resource, qreal ratio);
    static QPixmap paintSlotPicture(const QString& name);
};
