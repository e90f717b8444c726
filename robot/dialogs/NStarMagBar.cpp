#include "NStarMagBar.h"

#include <QPainter>

NStarMagBar::NStarMagBar(QWidget* parent, unsigned maximum) : QWidget(parent), maximum(maximum == 0 ? 1 : maximum)
{
    setMinimumSize(16, 60);
}

void NStarMagBar::setValue(unsigned value)
{
    m_value = value;
    redraw();
}

int NStarMagBar::barHeight() const
{
    return static_cast<int>(static_cast<unsigned long long>(height()) * m_value / maximum);
}

void NStarMagBar::redraw()
{
    picture = QPixmap(size());
    picture.fill(palette().color(backgroundRole()));
    QPainter painter(&picture);
    const int bar = barHeight();
    if (bar > 0)
        painter.fillRect(QRect(0, height() - bar, width(), bar), Qt::green);
    update();
}

void NStarMagBar::resizeEvent(QResizeEvent*)
{
    redraw();
}

void NStarMagBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}
