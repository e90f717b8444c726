#pragma once

#include <QPixmap>
#include <QWidget>

// A vertical bar of a NorthStar spot's signal magnitude, growing from the bottom.
class NStarMagBar : public QWidget
{
    Q_OBJECT

public:
    NStarMagBar(QWidget* parent, unsigned maximum);

    unsigned value() const { return m_value; }
    void setValue(unsigned value);
    // Rows filled at the current height: height x value / maximum.
    int barHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();

    unsigned m_value = 0;
    unsigned maximum;
    QPixmap picture;
};
