#include "GenericTetrix.h"

#include "TetrixRandom.h"

GenericTetrix::GenericTetrix(int boardWidth, int boardHeight)
    : m_width(boardWidth), m_height(boardHeight), m_board(boardWidth * boardHeight, 0), m_emptyLines(boardHeight)
{
    m_current.setType(TetrixRandom::next(7) + 1);
    m_next.setType(TetrixRandom::next(7) + 1);
}

GenericTetrix::~GenericTetrix() = default;

void GenericTetrix::drawNextSquare(int, int, const QColor&)
{
}

void GenericTetrix::pieceLanded(int)
{
    newPiece();
}

void GenericTetrix::updateRemoved(int)
{
}

void GenericTetrix::updateScore(int)
{
}

void GenericTetrix::updateLevel(int)
{
}

void GenericTetrix::newGame()
{
    if (m_line >= 0)
        erasePiece();
    m_line = -1;
    for (int line = 0; line < m_height - m_emptyLines; ++line) {
        for (int x = 0; x < m_width; ++x) {
            if (board(x, line) != 0) {
                setBoard(x, line, 0);
                drawSquare(x, line, QColor());
            }
        }
    }
    m_removed = 0;
    updateRemoved(0);
    m_emptyLines = m_height;
    m_dropped = 0;
    m_score = 0;
    updateScore(0);
    m_level = 1;
    updateLevel(1);
    newPiece();
}

bool GenericTetrix::canPosition(const FallingPiece& piece, int column, int line) const
{
    for (int i = 0; i < 4; ++i) {
        const int x = column + piece.cell(i).x();
        const int y = line - piece.cell(i).y();
        if (x < 0 || x >= m_width || y < 0 || y >= m_height || board(x, y) != 0)
            return false;
    }
    return true;
}

void GenericTetrix::erasePiece()
{
    for (int i = 0; i < 4; ++i)
        drawSquare(m_column + m_current.cell(i).x(), m_line - m_current.cell(i).y(), QColor());
}

void GenericTetrix::drawPiece()
{
    for (int i = 0; i < 4; ++i)
        drawSquare(m_column + m_current.cell(i).x(), m_line - m_current.cell(i).y(),
                   FallingPiece::colour(m_current.type()));
}

void GenericTetrix::drawNext(bool erase)
{
    const int shiftX = (m_next.minX() - m_next.maxX() + 3) / 2;
    const int shiftY = (m_next.minY() - m_next.maxY() + 3) / 2;
    for (int i = 0; i < 4; ++i) {
        const QPoint c = m_next.cell(i);
        drawNextSquare(c.x() - m_next.minX() + shiftX, c.y() - m_next.minY() + shiftY,
                       erase ? QColor() : FallingPiece::colour(m_next.type()));
    }
}

void GenericTetrix::showNext()
{
    if (m_showNext)
        drawNext(false);
}

void GenericTetrix::hideNext()
{
    if (m_showNext)
        drawNext(true);
}

void GenericTetrix::newPiece()
{
    m_current = m_next;
    hideNext();
    m_next.setType(TetrixRandom::next(7) + 1);
    showNext();
    m_line = m_height - 1 + m_current.minY();
    m_column = m_width / 2 + 1;
    if (!canPosition(m_current, m_column, m_line)) {
        m_line = -1;
        gameOver();
        return;
    }
    drawPiece();
}

void GenericTetrix::movePiece(const FallingPiece& piece, int column, int line)
{
    erasePiece();
    m_current = piece;
    m_column = column;
    m_line = line;
    drawPiece();
}

void GenericTetrix::moveLeft()
{
    if (m_line >= 0 && canPosition(m_current, m_column - 1, m_line))
        movePiece(m_current, m_column - 1, m_line);
}

void GenericTetrix::moveRight()
{
    if (m_line >= 0 && canPosition(m_current, m_column + 1, m_line))
        movePiece(m_current, m_column + 1, m_line);
}

void GenericTetrix::rotateLeft()
{
    FallingPiece turned = m_current;
    turned.rotateLeft();
    if (m_line >= 0 && canPosition(turned, m_column, m_line))
        movePiece(turned, m_column, m_line);
}

void GenericTetrix::rotateRight()
{
    FallingPiece turned = m_current;
    turned.rotateRight();
    if (m_line >= 0 && canPosition(turned, m_column, m_line))
        movePiece(turned, m_column, m_line);
}

void GenericTetrix::dropDown()
{
    if (m_line < 0)
        return;
    int fallen = 0;
    int line = m_line;
    while (canPosition(m_current, m_column, line - 1)) {
        --line;
        ++fallen;
    }
    if (fallen > 0)
        movePiece(m_current, m_column, line);
    landPiece(fallen);
}

void GenericTetrix::oneLineDown()
{
    if (m_line < 0)
        return;
    if (canPosition(m_current, m_column, m_line - 1))
        movePiece(m_current, m_column, m_line - 1);
    else
        landPiece(0);
}

bool GenericTetrix::lineFull(int line) const
{
    for (int x = 0; x < m_width; ++x) {
        if (board(x, line) == 0)
            return false;
    }
    return true;
}

// Moves every non-full line down over the full ones; returns how many were removed.
int GenericTetrix::removeFullLines()
{
    const int occupied = m_height - m_emptyLines;
    int full = 0;
    for (int line = 0; line < occupied; ++line) {
        if (lineFull(line)) {
            ++full;
            continue;
        }
        if (full == 0)
            continue;
        for (int x = 0; x < m_width; ++x) {
            const int type = board(x, line);
            if (board(x, line - full) != type) {
                setBoard(x, line - full, type);
                drawSquare(x, line - full, FallingPiece::colour(type));
            }
        }
    }
    for (int line = occupied - full; line < occupied; ++line) {
        for (int x = 0; x < m_width; ++x) {
            if (board(x, line) != 0) {
                setBoard(x, line, 0);
                drawSquare(x, line, QColor());
            }
        }
    }
    return full;
}

void GenericTetrix::landPiece(int dropHeight)
{
    for (int i = 0; i < 4; ++i)
        setBoard(m_column + m_current.cell(i).x(), m_line - m_current.cell(i).y(), m_current.type());
    const int top = m_line - m_current.minY();
    if (top >= m_height - m_emptyLines)
        m_emptyLines = m_height - top - 1;
    ++m_dropped;
    if (m_dropped % 25 == 0) {
        ++m_level;
        updateLevel(m_level);
    }
    m_score += dropHeight + 7;
    const int removed = removeFullLines();
    if (removed > 0) {
        m_removed += removed;
        m_emptyLines += removed;
        updateRemoved(m_removed);
        m_score += 10 * removed;
    }
    updateScore(m_score);
    m_line = -1;
    pieceLanded(dropHeight);
}

void GenericTetrix::updateBoard()
{
    for (int line = 0; line < m_height; ++line) {
        for (int x = 0; x < m_width; ++x) {
            if (board(x, line) != 0)
                drawSquare(x, line, FallingPiece::colour(board(x, line)));
        }
    }
    if (m_line >= 0)
        drawPiece();
}
