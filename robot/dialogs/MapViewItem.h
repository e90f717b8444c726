#pragma once

#include <QPointF>

// An item of the position map that takes mouse events. Without a handler of its own it
// passes them to its parent item, naming itself as source, when it is interactive.
class MapViewItem
{
public:
    enum Kind { Press = 0, Release = 1, Move = 2, Enter = 3, Leave = 4 };

    explicit MapViewItem(MapViewItem* parent = nullptr, int interactive = 0);
    virtual ~MapViewItem();

    virtual void mouseEvent(int kind, const QPointF& point, MapViewItem* source);
    int interactive() const { return m_interactive; }

private:
    MapViewItem* parentItem;
    int m_interactive;
};
