#pragma once

#include "PlotPoint.h"

#include <QColor>
#include <QLine>
#include <QList>
#include <QPixmap>
#include <QPolygon>
#include <QVector>
#include <QWidget>

class Scope;

// Trace and marker colours of the scope's three channels: red, dark green, dark blue.
extern const QColor scopeChannelColors[3];

// The scope's screen: a 10 × 10 division grid with the three channels' traces and
// their position and trigger markers, drawn into a pixmap from the block's records.
class Plotter : public QWidget
{
    Q_OBJECT

public:
    Plotter(QWidget* parent, Scope* block);

    void redraw();
    QSize sizeHint() const override;

    // What the last redraw drew, for the dialog's tests and the clipboard.
    const QPixmap& picture() const { return buffer; }
    QRect plotArea() const { return plotRect; }
    float pixelsPerMs() const { return pxPerMs; }
    float pixelsPerUnit(int channel) const { return pxPerUnit[channel]; }
    int centreLine() const { return centreY; }
    QList<int> verticalGridLines() const;
    QList<int> horizontalGridLines() const;
    QString labelText() const;
    QList<QLine> traceLines(int channel) const { return traces[channel]; }
    // Tips of the markers drawn; a null point when the channel has none.
    QPoint positionMarkerTip(int channel) const { return positionTips[channel]; }
    QPoint triggerMarkerTip(int channel) const { return triggerTips[channel]; }

public Q_SLOTS:
    void timescaleChanged();
    void paramsChanged(unsigned int channel);
    void onCopy();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void computeScales();
    void drawGrid(QPainter& painter);
    void drawMarkers(QPainter& painter);
    void drawTrace(QPainter& painter, int channel);
    int clampedY(double pixels) const;

    QPixmap buffer;
    QPolygon vPosMarker;
    QPolygon triggerMarker;
    QRect plotRect;
    float pxPerMs = 0.0f;
    float pxPerUnit[3] {};
    int centreY = 0;
    Scope* scope;
    QList<QLine> traces[3];
    QPoint positionTips[3];
    QPoint triggerTips[3];
};
