#include "MapViewItem.h"

MapViewItem::MapViewItem(MapViewItem* parent, int interactive)
    : parentItem(parent), m_interactive(parent ? parent->interactive() : interactive)
{
}

MapViewItem::~MapViewItem() = default;

void MapViewItem::mouseEvent(int kind, const QPointF& point, MapViewItem*)
{
    if (parentItem && m_interactive != 0)
        parentItem->mouseEvent(kind, point, this);
}
