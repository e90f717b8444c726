#include "XKDSegmentView.h"

#include <QPainter>

#include <mutex>

XKDSegmentView::XKDSegmentView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMinimumSize(270, 20);
}

void XKDSegmentView::setValueSet(const ChannelValueSet& set)
{
    {
        std::unique_lock<std::mutex> lock(mutex);
        values = set;
    }
    update();
}

ChannelValueSet XKDSegmentView::valueSet() const
{
    std::unique_lock<std::mutex> lock(mutex);
    return values;
}

void XKDSegmentView::setChannelEnabled(bool on)
{
    channelEnabled = on;
    update();
}

void XKDSegmentView::setScaleMode(bool on)
{
    scaleMode = on;
    update();
}

void XKDSegmentView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (scaleMode) {
        painter.drawLine(5, 4, 260, 4);
        for (int v : {0, 100, 200, 255}) {
            painter.drawLine(v + 5, 2, v + 5, 6);
            painter.drawText(QRect(v - 45, 6, 100, 40), Qt::AlignTop | Qt::AlignHCenter, QString::number(v));
        }
        return;
    }
    painter.setPen(channelEnabled ? Qt::black : Qt::red);
    std::unique_lock<std::mutex> lock(mutex);
    for (int x = 5; x <= 260; ++x) {
        if (!channelEnabled || values.test(static_cast<std::uint8_t>(x - 5)))
            painter.drawLine(x, 9, x, 11);
    }
}
