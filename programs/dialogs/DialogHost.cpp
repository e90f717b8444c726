#include "DialogHost.h"

#include "EditorGeometry.h"

#include <QWidget>

DialogHost::~DialogHost() = default;

void resizeWidgetToGrid(QWidget* widget, int width, int height, bool up)
{
    const QPoint snapped = snapToGrid(QPoint(width, height), dialogGridSize, up);
    widget->resize(snapped.x(), snapped.y());
}
