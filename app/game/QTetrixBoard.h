#pragma once

#include "GenericTetrix.h"

#include <QFrame>

class QTimer;

// The game board: draws the rules' squares, runs the falling timer and takes the keys.
class QTetrixBoard : public QFrame, public GenericTetrix
{
    Q_OBJECT

public:
    explicit QTetrixBoard(QWidget* parent = nullptr);

    void drawSquare(int x, int y, const QColor& colour) override;
    void gameOver() override;
    void newGame() override;
    void drawNextSquare(int x, int y, const QColor& colour) override;
    void pieceLanded(int dropHeight) override;
    void updateRemoved(int removed) override;
    void updateScore(int score) override;
    void updateLevel(int level) override;

    bool isGameOver() const { return m_gameOver; }
    bool isPaused() const { return m_paused; }
    bool isWaiting() const { return m_waiting; }
    int timerInterval() const { return m_interval; }

public Q_SLOTS:
    void timeout();
    void updateNext();
    void key(QKeyEvent* event);
    void start();
    void pause();

Q_SIGNALS:
    void gameOverSignal();
    void drawNextSquareSignal(int x, int y, QColor* colour);
    void updateRemovedSignal(int removed);
    void updateScoreSignal(int score);
    void updateLevelSignal(int level);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTimer* m_timer;
    int m_blockWidth = 20;
    int m_blockHeight = 20;
    int m_xOffset = -1;
    int m_yOffset = -1;
    int m_interval = 500;
    bool m_gameOver = true;
    bool m_paused = false;
    bool m_waiting = false;
    bool m_inNewGame = false;
};
