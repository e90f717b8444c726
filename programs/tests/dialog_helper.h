#pragma once

// A program with one recording block and a plain widget standing for the dialog
// area, for the tests of the block-dialog base and its pages.

#include "program_helper.h"

#include <QWidget>

#include <gtest/gtest.h>

class NodeDialog;
class QMouseEvent;

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the block's dialog as the user does, in the area.
    NodeDialog* openDialog();
    // Runs the deletions that closing a dialog schedules.
    static void settle();
    static void press(QWidget* widget, const QPoint& at, Qt::MouseButton button = Qt::LeftButton);
    static void moveMouse(QWidget* widget, const QPoint& at, Qt::MouseButtons buttons = Qt::LeftButton);
    static void release(QWidget* widget, const QPoint& at);

    QWidget area;
    StateManager* manager = nullptr;
    State* program = nullptr;
    RecordingBlock* block = nullptr;
};
