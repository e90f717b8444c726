#include "QTetrixBoard.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

QTetrixBoard::QTetrixBoard(QWidget* parent) : QFrame(parent), m_timer(new QTimer(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_timer, &QTimer::timeout, this, &QTetrixBoard::timeout);
}

void QTetrixBoard::drawSquare(int, int, const QColor&)
{
    // Painting happens in paintEvent from the board contents.
    update();
}

void QTetrixBoard::drawNextSquare(int x, int y, const QColor& colour)
{
    QColor copy = colour;
    Q_EMIT drawNextSquareSignal(x, y, &copy);
}

void QTetrixBoard::gameOver()
{
    m_timer->stop();
    m_gameOver = true;
    Q_EMIT gameOverSignal();
}

void QTetrixBoard::newGame()
{
    m_inNewGame = true;
    m_waiting = false;
    GenericTetrix::newGame();
    m_inNewGame = false;
}

void QTetrixBoard::pieceLanded(int dropHeight)
{
    if (!m_waiting)
        GenericTetrix::pieceLanded(dropHeight);
}

void QTetrixBoard::updateRemoved(int removed)
{
    if (!m_inNewGame) {
        // The next piece comes at the next tick, after a short look at the cleared board.
        m_timer->start(500);
        m_waiting = true;
    }
    Q_EMIT updateRemovedSignal(removed);
}

void QTetrixBoard::updateScore(int score)
{
    Q_EMIT updateScoreSignal(score);
}

void QTetrixBoard::updateLevel(int level)
{
    m_timer->stop();
    m_interval = 1000 / (level + 1);
    m_timer->start(m_interval);
    Q_EMIT updateLevelSignal(level);
}

void QTetrixBoard::timeout()
{
    if (m_waiting) {
        m_timer->stop();
        m_waiting = false;
        newPiece();
        m_timer->start(m_interval);
        return;
    }
    oneLineDown();
}

void QTetrixBoard::updateNext()
{
    showNext();
}

void QTetrixBoard::key(QKeyEvent* event)
{
    if (m_gameOver || m_paused || m_waiting) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: moveLeft(); break;
    case Qt::Key_Right: moveRight(); break;
    case Qt::Key_Up: rotateLeft(); break;
    case Qt::Key_Down: rotateRight(); break;
    case Qt::Key_Space: dropDown(); break;
    case Qt::Key_D: oneLineDown(); break;
    default: event->ignore(); return;
    }
    event->accept();
}

void QTetrixBoard::start()
{
    if (m_paused)
        return;
    m_gameOver = false;
    newGame();
}

void QTetrixBoard::pause()
{
    if (m_gameOver)
        return;
    m_paused = !m_paused;
    if (m_paused)
        m_timer->stop();
    else
        m_timer->start(m_interval);
    update();
}

void QTetrixBoard::resizeEvent(QResizeEvent* event)
{
    m_blockWidth = (width() - 3) / boardWidth();
    m_blockHeight = (height() - 3) / boardHeight();
    m_xOffset = 1;
    m_yOffset = 1;
    QFrame::resizeEvent(event);
}

void QTetrixBoard::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_xOffset < 0)
        return;
    QPainter painter(this);
    if (m_paused) {
        painter.drawText(contentsRect(), Qt::AlignCenter, tr("Press \"Pause\""));
        return;
    }
    auto square = [&](int x, int line, const QColor& c) {
        const int px = m_xOffset + x * m_blockWidth;
        const int py = m_yOffset + (boardHeight() - 1 - line) * m_blockHeight;
        const int w = m_blockWidth;
        const int h = m_blockHeight;
        painter.setPen(c.lighter(150));
        painter.drawLine(px, py + h - 1, px, py);
        painter.drawLine(px, py, px + w - 1, py);
        painter.setPen(c.darker(200));
        painter.drawLine(px + 1, py + h - 1, px + w - 1, py + h - 1);
        painter.drawLine(px + w - 1, py + h - 1, px + w - 1, py + 1);
        painter.fillRect(px + 1, py + 1, w - 2, h - 2, c);
    };
    for (int line = 0; line < boardHeight(); ++line) {
        for (int x = 0; x < boardWidth(); ++x) {
            if (board(x, line) != 0)
                square(x, line, FallingPiece::colour(board(x, line)));
        }
    }
    if (currentLine() >= 0) {
        for (int i = 0; i < 4; ++i)
            square(currentColumn() + currentPiece().cell(i).x(), currentLine() - currentPiece().cell(i).y(),
                   FallingPiece::colour(currentPiece().type()));
    }
}
