#pragma once

#include <QLine>
#include <QPoint>
#include <QString>

#include <vector>

// The position map's arithmetic: world to canvas, the heading line, ruler ticks.
namespace MapGeometry {

constexpr int canvasSize = 1000;
constexpr int centre = 500;
constexpr double degreesToRadians = 0.01745329238474369;

// World (x, y) lies at canvas (500 + x, 500 - y), each truncated to whole units.
QPoint canvasPoint(double x, double y);
// Canvas point back to world.
QPointF worldPoint(double canvasX, double canvasY);
// From 15 to 35 units out along the heading (counter-clockwise degrees, screen y down).
QLine headingLine(double x, double y, double phi);

struct Tick
{
    int pixel;
    QString label;
};
// Ticks 50 pixels apart from the ruler's start value, up to width pixels.
std::vector<Tick> rulerTicks(double start, double zoom, int offset, int width);
// A tick value shortened to at most four characters.
QString tickLabel(double value);

} // namespace MapGeometry
