#include "FallingPiece.h"

#include <algorithm>

namespace {
const QPoint pieceCells[7][4] = {
    {{0, -1}, {0, 0}, {-1, 0}, {-1, 1}}, {{0, -1}, {0, 0}, {1, 0}, {1, 1}}, {{0, -1}, {0, 0}, {0, 1}, {0, 2}},
    {{-1, 0}, {0, 0}, {1, 0}, {0, 1}},   {{0, 0}, {1, 0}, {0, 1}, {1, 1}},  {{-1, -1}, {0, -1}, {0, 0}, {0, 1}},
    {{1, -1}, {0, -1}, {0, 0}, {0, 1}},
};
const QColor pieceColours[7] = {QColor(200, 100, 100), QColor(100, 200, 100), QColor(100, 100, 200),
                                QColor(200, 200, 100), QColor(200, 100, 200), QColor(100, 200, 200),
                                QColor(218, 170, 0)};
constexpr int squareType = 5;
} // namespace

void FallingPiece::setType(int type)
{
    m_type = (type < 1 || type > 7) ? 1 : type;
    std::copy(std::begin(pieceCells[m_type - 1]), std::end(pieceCells[m_type - 1]), m_cells);
}

int FallingPiece::minX() const
{
    return std::min_element(m_cells, m_cells + 4, [](QPoint a, QPoint b) { return a.x() < b.x(); })->x();
}

int FallingPiece::maxX() const
{
    return std::max_element(m_cells, m_cells + 4, [](QPoint a, QPoint b) { return a.x() < b.x(); })->x();
}

int FallingPiece::minY() const
{
    return std::min_element(m_cells, m_cells + 4, [](QPoint a, QPoint b) { return a.y() < b.y(); })->y();
}

int FallingPiece::maxY() const
{
    return std::max_element(m_cells, m_cells + 4, [](QPoint a, QPoint b) { return a.y() < b.y(); })->y();
}

void FallingPiece::rotateLeft()
{
    if (m_type == squareType)
        return;
    for (QPoint& c : m_cells)
        c = QPoint(c.y(), -c.x());
}

void FallingPiece::rotateRight()
{
    if (m_type == squareType)
        return;
    for (QPoint& c : m_cells)
        c = QPoint(-c.y(), c.x());
}

QColor FallingPiece::colour(int type)
{
    return (type >= 1 && type <= 7) ? pieceColours[type - 1] : QColor();
}
