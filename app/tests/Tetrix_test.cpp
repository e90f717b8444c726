#include "GenericTetrix.h"
#include "TetrixRandom.h"

#include <gtest/gtest.h>

namespace {
// The rules without a screen: counts the notifications.
class PlainTetrix : public GenericTetrix
{
public:
    void drawSquare(int, int, const QColor&) override { }
    void gameOver() override { ++gameOvers; }
    void updateLevel(int level) override { lastLevel = level; }
    void pieceLanded(int) override { } // the test places each next piece itself
    int gameOvers = 0;
    int lastLevel = 0;
};
} // namespace

TEST(TetrixRandom, seedMakesEveryDecimalOddAndTheSequenceRepeats)
{
    TetrixRandom::seed(0.12345);
    EXPECT_NEAR(TetrixRandom::state(), 0.13355, 1e-12);
    TetrixRandom::seed(-3.5);
    EXPECT_NEAR(TetrixRandom::state(), 0.51111, 1e-12);
    TetrixRandom::seed(0.2);
    QList<int> first;
    for (int i = 0; i < 20; ++i)
        first.append(TetrixRandom::next(7));
    TetrixRandom::seed(0.2);
    for (int i = 0; i < 20; ++i) {
        const int value = TetrixRandom::next(7);
        EXPECT_EQ(value, first.at(i));
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 7);
    }
}

TEST(GenericTetrix, aHardDropOfFifteenLinesScoresTwentyTwo)
{
    PlainTetrix game;
    game.newGame();
    game.setBoard(6, 4, 1);
    game.setBoard(7, 4, 1);
    game.setNextPieceType(5); // the square enters at line 21, column 6
    game.newPiece();
    ASSERT_EQ(game.currentLine(), 21);
    game.dropDown();
    EXPECT_EQ(game.score(), 15 + 7);
}

TEST(GenericTetrix, clearingTwoLinesWithOnePieceAddsTwenty)
{
    PlainTetrix game;
    game.newGame();
    for (int line = 0; line < 2; ++line) {
        for (int x = 0; x < 10; ++x) {
            if (x != 6 && x != 7)
                game.setBoard(x, line, 3);
        }
    }
    game.setNextPieceType(5);
    game.newPiece();
    game.dropDown();
    EXPECT_EQ(game.linesRemoved(), 2);
    EXPECT_EQ(game.score(), 20 + 7 + 20);
    for (int line = 0; line < 2; ++line) {
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(game.board(x, line), 0) << x << "," << line;
    }
}

TEST(GenericTetrix, levelRisesWithTheTwentyFifthPiece)
{
    PlainTetrix game;
    game.newGame();
    for (int landed = 0; landed < 25; ++landed) {
        for (int line = 0; line < game.boardHeight(); ++line) {
            for (int x = 0; x < game.boardWidth(); ++x)
                game.setBoard(x, line, 0);
        }
        game.setNextPieceType(5);
        game.newPiece();
        EXPECT_EQ(game.level(), 1 + (landed >= 25));
        game.dropDown();
    }
    EXPECT_EQ(game.piecesDropped(), 25);
    EXPECT_EQ(game.level(), 2);
    EXPECT_EQ(game.lastLevel, 2);
}

TEST(GenericTetrix, squareNeverRotatesAndBlockedMovesAreRefused)
{
    PlainTetrix game;
    game.newGame();
    game.setNextPieceType(5);
    game.newPiece();
    const FallingPiece before = game.currentPiece();
    game.rotateLeft();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(game.currentPiece().cell(i), before.cell(i));
    for (int i = 0; i < 20; ++i)
        game.moveRight();
    const int rightmost = game.currentColumn();
    game.moveRight();
    EXPECT_EQ(game.currentColumn(), rightmost);
    EXPECT_EQ(rightmost + game.currentPiece().maxX(), game.boardWidth() - 1);
}

TEST(GenericTetrix, aPieceThatCannotEnterEndsTheGame)
{
    PlainTetrix game;
    game.newGame();
    for (int x = 0; x < 10; ++x)
        game.setBoard(x, game.boardHeight() - 1, 1);
    game.newPiece();
    EXPECT_EQ(game.gameOvers, 1);
    EXPECT_EQ(game.currentLine(), -1);
}
