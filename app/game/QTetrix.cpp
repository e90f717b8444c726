#include "QTetrix.h"

#include "QTetrixBoard.h"
#include "ShowNextPiece.h"
#include "TetrixRandom.h"

#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QTime>

namespace {
QLabel* label(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* title = new QLabel(text, parent);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(geometry);
    return title;
}

QLCDNumber* display(QWidget* parent, int digits, const QRect& geometry)
{
    auto* number = new QLCDNumber(digits, parent);
    number->setGeometry(geometry);
    number->display(0);
    return number;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* push = new QPushButton(text, parent);
    push->setGeometry(geometry);
    push->setFocusPolicy(Qt::NoFocus);
    return push;
}

// The game window's own seed: from the time of day, so each window plays a new sequence.
double timeSeed()
{
    const QTime now = QTime::currentTime();
    return (now.hour() + now.minute() + now.second()) / 144.0;
}
} // namespace

QTetrix::QTetrix(QWidget* parent) : QWidget(parent, Qt::Window)
{
    TetrixRandom::seed(timeSeed());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(550, 370);
    label(this, tr("NEXT"), QRect(50, 10, 78, 30));
    label(this, tr("SCORE"), QRect(330, 10, 178, 30));
    label(this, tr("LEVEL"), QRect(50, 130, 78, 30));
    label(this, tr("LINES REMOVED"), QRect(330, 130, 178, 30));
    m_board = new QTetrixBoard(this);
    m_board->setGeometry(150, 20, 153, 333);
    auto* next = new ShowNextPiece(this);
    next->setGeometry(50, 40, 78, 94);
    QLCDNumber* score = display(this, 5, QRect(330, 40, 178, 93));
    QLCDNumber* level = display(this, 2, QRect(50, 160, 78, 93));
    QLCDNumber* lines = display(this, 5, QRect(330, 160, 178, 93));
    connect(button(this, tr("&New Game"), QRect(46, 288, 90, 30)), &QPushButton::clicked, m_board,
            &QTetrixBoard::start);
    connect(button(this, tr("&Quit"), QRect(370, 265, 90, 30)), &QPushButton::clicked, this, &QWidget::close);
    connect(button(this, tr("&Pause"), QRect(370, 310, 90, 30)), &QPushButton::clicked, m_board, &QTetrixBoard::pause);
    connect(m_board, &QTetrixBoard::drawNextSquareSignal, next, &ShowNextPiece::drawNextSquare);
    connect(next, &ShowNextPiece::update, m_board, &QTetrixBoard::updateNext);
    connect(m_board, &QTetrixBoard::updateScoreSignal, score, qOverload<int>(&QLCDNumber::display));
    connect(m_board, &QTetrixBoard::updateLevelSignal, level, qOverload<int>(&QLCDNumber::display));
    connect(m_board, &QTetrixBoard::updateRemovedSignal, lines, qOverload<int>(&QLCDNumber::display));
    m_board->setShowNext(true);
    m_board->showNext();
}

void QTetrix::keyPressEvent(QKeyEvent* event)
{
    m_board->key(event);
}
