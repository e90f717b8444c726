#pragma once

// A shown program window over a loaded test program, mouse and key input on its editor
// view, and a comparable picture of a document's contents.

#include "StateManager.h"
#include "program_helper.h"

#include <QPoint>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

class Net;
class Node;
class State;
class StateBase;
class StateView;
class QWidget;

class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void closeProgram();
    // Replaces the program by one loaded from the body, shown in its window.
    void load(const QString& body);
    Node* block(int id) const;
    // The canvas point of a slot of a block.
    QPoint slotPoint(int id, int side, int index) const;
    // Moves block `to` (unrecorded) so its input lines up with the output of `from`.
    void alignInputWithOutput(int from, int to, int input = 0);

    // Mouse input at canvas points, as the viewport receives it.
    void press(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton);
    void moveTo(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void release(const QPoint& at, Qt::MouseButton button = Qt::LeftButton);
    void click(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void doubleClick(const QPoint& at);
    void drag(const QPoint& from, const QPoint& to);

    StateManager manager;
    State* program = nullptr;
    StateView* view = nullptr;
    QWidget* window = nullptr;
};

// The blocks as their node elements and the nets by the slots and points they join, so
// two states compare equal however net points are numbered.
QSet<QString> documentState(StateBase* document);

// Stands for the constant block: maintype 6, its value under the key "value".
class ConstStandIn : public StateNode
{
public:
    static constexpr unsigned short kind = 6;

    ConstStandIn(State* owner, QGraphicsScene* canvas, unsigned id);
    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void setParameters(QMap<QString, QString> values) override;
    QMap<QString, QString> parameters() const override;

    float value = 0;
};

// Two recording blocks, 1 at (60, 60) and 2 at (240, 60), output of 1 to input I1 of 2.
QString twoJoinedBlocks();
