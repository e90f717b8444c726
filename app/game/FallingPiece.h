#pragma once

#include <QColor>
#include <QPoint>

// One falling piece of the game: a type 1..7 and four cells around its position
// (x to the right, y downwards).
class FallingPiece
{
public:
    FallingPiece() { setType(1); }

    void setType(int type);
    int type() const { return m_type; }
    QPoint cell(int i) const { return m_cells[i]; }
    int minX() const;
    int maxX() const;
    int minY() const;
    int maxY() const;
    void rotateLeft();
    void rotateRight();

    static QColor colour(int type);

private:
    int m_type = 1;
    QPoint m_cells[4];
};
