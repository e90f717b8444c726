#pragma once

#include <QWidget>

class QTetrixBoard;

// The game window: board, preview, score, level and removed lines, and three buttons.
class QTetrix : public QWidget
{
    Q_OBJECT

public:
    explicit QTetrix(QWidget* parent = nullptr);

    QTetrixBoard* board() const { return m_board; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTetrixBoard* m_board;
};
