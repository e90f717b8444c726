#include "ShowNextPiece.h"

#include <QPainter>

ShowNextPiece::ShowNextPiece(QWidget* parent) : QFrame(parent), m_cells(5 * 6)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ShowNextPiece::drawNextSquare(int x, int y, QColor* colour)
{
    if (x < 0 || x >= 5 || y < 0 || y >= 6)
        return;
    m_cells[y * 5 + x] = colour ? *colour : QColor();
    QWidget::update();
}

void ShowNextPiece::resizeEvent(QResizeEvent* event)
{
    m_blockWidth = (width() - 3) / 5;
    m_blockHeight = (height() - 3) / 6;
    m_xOrigin = m_blockWidth;
    m_yOrigin = m_blockHeight;
    QFrame::resizeEvent(event);
}

void ShowNextPiece::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_xOrigin < 0)
        return;
    QPainter painter(this);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 5; ++x) {
            const QColor c = m_cells.at(y * 5 + x);
            if (c.isValid())
                painter.fillRect(m_xOrigin + x * m_blockWidth, m_yOrigin + y * m_blockHeight, m_blockWidth - 1,
                                 m_blockHeight - 1, c);
        }
    }
}
