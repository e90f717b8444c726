#include "Plotter.h"

#include "Scope.h"

#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

const QColor scopeChannelColors[3] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 128)};

namespace {

const int divisions = 10;

// One channel's record as the drawing sees it: copied whole under the ring's lock.
class Record
{
public:
    explicit Record(const RingBuffer<PlotPoint>& ring) : data(ring.storage(&next)) { }

    int size() const { return int(data.size()); }
    // k places before the newest.
    const PlotPoint& at(long long k) const { return data[wrap(next - 1 - k)]; }
    // At storage position i.
    const PlotPoint& atIndex(long long i) const { return data[wrap(i)]; }

private:
    int wrap(long long i) const
    {
        const long long n = data.size();
        return int(((i % n) + n) % n);
    }

    int next = 0;
    QVector<PlotPoint> data;
};

} // namespace

Plotter::Plotter(QWidget* parent, Scope* block)
    : QWidget(parent)
    , vPosMarker(QVector<QPoint> {{0, 0}, {-7, -3}, {-7, 3}})
    , triggerMarker(QVector<QPoint> {{0, 0}, {7, -3}, {7, 3}})
    , scope(block)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(2);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
    setMinimumSize(100, 100);
    redraw();
}

QSize Plotter::sizeHint() const
{
    return size();
}

QList<int> Plotter::verticalGridLines() const
{
    QList<int> lines;
    for (int k = 1; k < divisions; ++k)
        lines.append(plotRect.left() + (plotRect.width() * k) / divisions);
    return lines;
}

QList<int> Plotter::horizontalGridLines() const
{
    QList<int> lines;
    for (int k = 1; k < divisions; ++k)
        lines.append(plotRect.bottom() - (plotRect.height() * k) / divisions);
    return lines;
}

QString Plotter::labelText() const
{
    QString text;
    for (int c = 0; c < Scope::channels; ++c)
        text += QStringLiteral("C%1:%2 ").arg(c).arg(scope->scaleYText(c));
    return text + QStringLiteral("T:") + scope->timeBaseText();
}

void Plotter::computeScales()
{
    plotRect = QRect(QPoint(21, 2), QPoint(width() - 22, height() - 13));
    const double w = width() - 42;
    const double h = height() - 14;
    pxPerMs = float(w / double(unsigned(scope->msPerDivision * divisions)));
    for (int c = 0; c < Scope::channels; ++c)
        pxPerUnit[c] = float(h / (double(scope->scaleY[c]) * divisions));
    centreY = (plotRect.bottom() + plotRect.top()) / 2;
}

int Plotter::clampedY(double pixels) const
{
    return std::clamp(int(std::trunc(centreY - pixels)), plotRect.top(), plotRect.bottom());
}

void Plotter::redraw()
{
    computeScales();
    buffer = QPixmap(size());
    buffer.fill(palette().color(backgroundRole()));
    QPainter painter(&buffer);
    drawGrid(painter);
    drawMarkers(painter);
    for (int c = 0; c < Scope::channels; ++c)
        drawTrace(painter, c);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    painter.setFont(font);
    painter.drawText(QPoint(2, plotRect.bottom() + 12), labelText());
    painter.end();
    update();
}

void Plotter::drawGrid(QPainter& painter)
{
    painter.setPen(QPen(palette().color(QPalette::Dark).lighter(150), 0, Qt::SolidLine));
    for (int x : verticalGridLines())
        painter.drawLine(x, plotRect.top(), x, plotRect.bottom());
    for (int y : horizontalGridLines())
        painter.drawLine(plotRect.left(), y, plotRect.right(), y);
    painter.drawRect(plotRect.adjusted(0, 0, -1, -1));
}

void Plotter::drawMarkers(QPainter& painter)
{
    for (int c = 0; c < Scope::channels; ++c) {
        positionTips[c] = QPoint();
        if (!scope->channelEnable[c])
            continue;
        const int y = clampedY(double(scope->scaleY[c]) * double(scope->positionY[c]) * pxPerUnit[c]);
        positionTips[c] = QPoint(plotRect.left() - 7 - 4 * c, y);
        painter.setBrush(scopeChannelColors[c]);
        painter.drawPolygon(vPosMarker.translated(positionTips[c]));
        painter.setBrush(Qt::black);
    }
    for (int c = 0; c < Scope::channels; ++c) {
        triggerTips[c] = QPoint();
        if (!scope->channelEnable[c] || scope->trigger[c] == 0)
            continue;
        const int y = clampedY(double(scope->scaleY[c]) * double(scope->triggerLevel[c]) * pxPerUnit[c]);
        triggerTips[c] = QPoint(plotRect.right() + 7 + 4 * c, y);
        painter.setBrush(scopeChannelColors[c]);
        painter.drawPolygon(triggerMarker.translated(triggerTips[c]));
        painter.setBrush(Qt::black);
    }
    painter.setBrush(Qt::NoBrush);
}

// A free-running record ends at the right edge and runs leftwards from the newest
// sample; a triggered one starts at the left edge in storage order. Each sample's
// value is held for the interval stored with it.
void Plotter::drawTrace(QPainter& painter, int channel)
{
    QList<QLine>& lines = traces[channel];
    lines.clear();
    if (!scope->channelEnable[channel])
        return;
    const Record record(scope->buffers[channel]);
    const float perUnit = pxPerUnit[channel];
    const int offset = int(std::trunc(double(scope->scaleY[channel]) * double(scope->positionY[channel]) * perUnit));
    auto yOf = [&](const PlotPoint& p) { return clampedY(double(perUnit) * double(p.value)) - offset; };
    const int start = scope->triggerStart(channel);
    const bool freeRunning = start == -1;
    auto pointAt = [&](long long k) -> const PlotPoint& {
        return freeRunning ? record.at(k) : record.atIndex(start + k);
    };
    int xPrev = freeRunning ? plotRect.right() : plotRect.left();
    const int xEnd = freeRunning ? plotRect.left() : plotRect.right();
    int yPrev = yOf(pointAt(0));
    for (long long k = 0; k < record.size() - 1 && xPrev != xEnd; ++k) {
        const PlotPoint& p = pointAt(k);
        if (p.interval == -1)
            break;
        const int step = int(std::trunc(double(pxPerMs) * p.interval));
        const int x = freeRunning ? std::max(xPrev - step, xEnd) : std::min(xPrev + step, xEnd);
        const int yNew = yOf(pointAt(k + 1));
        lines.append(QLine(xPrev, yPrev, x, yPrev));
        lines.append(QLine(x, yPrev, x, yNew));
        xPrev = x;
        yPrev = yNew;
    }
    painter.setPen(QPen(scopeChannelColors[channel], 2, Qt::SolidLine));
    painter.drawLines(lines);
}

void Plotter::timescaleChanged()
{
    redraw();
}

void Plotter::paramsChanged(unsigned int)
{
    redraw();
}

void Plotter::onCopy()
{
    QApplication::clipboard()->setPixmap(buffer, QClipboard::Clipboard);
}

void Plotter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& rect : event->region())
        painter.drawPixmap(rect, buffer, rect);
}

void Plotter::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    redraw();
}
