#include "XKDDoRubberBand.h"

#include "SegmentDescription.h"
#include "XKDImage.h"

#include <QPainter>

#include <algorithm>

bool XKDDoRubberBand::setShape(int shape)
{
    if (m_shape != NoShape && m_shape != shape)
        return false;
    m_shape = shape;
    return true;
}

void XKDDoRubberBand::span(const QPoint& from, const QPoint& to)
{
    m_area = QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                   QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

bool XKDDoRubberBand::contains(int x, int y) const
{
    if (!m_area.contains(x, y))
        return false;
    if (m_shape != Circle)
        return true;
    // Inside the ellipse that fills the area.
    const double rx = m_area.width() / 2.0;
    const double ry = m_area.height() / 2.0;
    const double dx = (x + 0.5 - (m_area.left() + rx)) / rx;
    const double dy = (y + 0.5 - (m_area.top() + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

void XKDDoRubberBand::paint(QPainter& painter, const XKDImage&) const
{
    if (m_shape == NoShape || m_area.isEmpty())
        return;
    painter.setPen(QPen(Qt::white, 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    if (m_shape == Circle)
        painter.drawEllipse(m_area);
    else
        painter.drawRect(m_area);
}

bool XKDDoRubberBand::teach(const XKDImage& image, SegmentDescription& description) const
{
    if (!isVisible() || m_shape == NoShape || !image.data())
        return false;
    const QRect inside = m_area.intersected(QRect(0, 0, image.width(), image.height()));
    std::uint64_t sums[3] = {0, 0, 0};
    std::uint64_t count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (!contains(x, y))
                continue;
            const std::uint8_t* pixel = image.data() + 3 * (y * image.width() + x);
            // The display holds the channels reversed; the classes use the format's order.
            for (int c = 0; c < 3; ++c) {
                description.valueSet(c).set(pixel[2 - c], true);
                sums[c] += pixel[2 - c];
            }
            ++count;
        }
    }
    if (count == 0)
        return false;
    description.setMeanColor(
        {std::uint8_t(sums[0] / count), std::uint8_t(sums[1] / count), std::uint8_t(sums[2] / count)});
    description.setColorFormat(image.colorFormat());
    return true;
}
