#pragma once

#include "FallingPiece.h"

#include <QColor>
#include <QVector>

// The rules of the falling-blocks game, without any drawing: the board (line 0 at the
// bottom), the falling and the next piece, score, level and removed lines. A board
// widget derives from it and draws through the virtual notifications.
class GenericTetrix
{
public:
    GenericTetrix(int boardWidth = 10, int boardHeight = 22);
    virtual ~GenericTetrix();

    virtual void drawSquare(int x, int y, const QColor& colour) = 0;
    virtual void gameOver() = 0;
    virtual void newGame();
    virtual void drawNextSquare(int x, int y, const QColor& colour);
    virtual void pieceLanded(int dropHeight);
    virtual void updateRemoved(int removed);
    virtual void updateScore(int score);
    virtual void updateLevel(int level);

    void moveLeft();
    void moveRight();
    void rotateLeft();
    void rotateRight();
    void dropDown();
    void oneLineDown();
    void newPiece();

    int boardWidth() const { return m_width; }
    int boardHeight() const { return m_height; }
    int board(int x, int line) const { return m_board[line * m_width + x]; }
    void setBoard(int x, int line, int type) { m_board[line * m_width + x] = type; }
    int score() const { return m_score; }
    int level() const { return m_level; }
    int linesRemoved() const { return m_removed; }
    int piecesDropped() const { return m_dropped; }
    int currentLine() const { return m_line; }
    int currentColumn() const { return m_column; }
    const FallingPiece& currentPiece() const { return m_current; }
    const FallingPiece& nextPiece() const { return m_next; }
    void setCurrentPiece(int type) { m_current.setType(type); }
    void setNextPieceType(int type) { m_next.setType(type); }
    void setShowNext(bool on) { m_showNext = on; }
    // Redraws every occupied cell and then the falling piece.
    void updateBoard();
    void showNext();
    void hideNext();

protected:
    bool canPosition(const FallingPiece& piece, int column, int line) const;
    void erasePiece();
    void drawPiece();
    void landPiece(int dropHeight);

private:
    void movePiece(const FallingPiece& piece, int column, int line);
    int removeFullLines();
    bool lineFull(int line) const;
    void drawNext(bool erase);

    int m_width;
    int m_height;
    QVector<int> m_board;
    FallingPiece m_current;
    FallingPiece m_next;
    int m_line = -1;
    int m_column = 0;
    bool m_showNext = true;
    int m_removed = 0;
    int m_dropped = 0;
    int m_score = 0;
    int m_level = 1;
    int m_emptyLines;
};
