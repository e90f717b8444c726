#pragma once

#include <QPoint>
#include <QRect>

// Geometry shared by views, blocks, nets and dialogs.

// Each coordinate goes to a multiple of grid: up when its remainder is at least half
// the grid (or when up is set), else down toward zero.
QPoint snapToGrid(const QPoint& point, int grid, bool up = false);

// Grows the rectangle to take in the point; an empty rectangle becomes that point.
void extendRect(QRect& rect, const QPoint& point);
