#pragma once

#include <QColor>
#include <QFrame>
#include <QVector>

// The preview of the next piece beside the game board.
class ShowNextPiece : public QFrame
{
    Q_OBJECT

public:
    explicit ShowNextPiece(QWidget* parent = nullptr);

public Q_SLOTS:
    void drawNextSquare(int x, int y, QColor* colour);

Q_SIGNALS:
    void update();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_blockWidth = 0;
    int m_blockHeight = 0;
    int m_xOrigin = -1;
    int m_yOrigin = 0;
    // The preview grid of 5 x 6 cells, invalid colour where empty.
    QVector<QColor> m_cells;
};
