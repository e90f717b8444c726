#include "editor_helper.h"

#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Node.h"
#include "NodePixmap.h"
#include "Slot.h"
#include "State.h"
#include "StateView.h"
#include "UndoStack.h"

#include <QTest>

#include <functional>
#include <vector>

namespace {

class Undo : public EditorTest
{
protected:
    UndoStack* stack() const { return static_cast<UndoStack*>(program->undoStack()); }

    // Three blocks: 1 feeds inputs of 2 and of 3 through one net with a junction.
    QString branchedProgram() const
    {
        return workspace::node(1, RecordingBlock::kind, 60, 60) + workspace::node(2, RecordingBlock::kind, 240, 60)
            + workspace::node(3, RecordingBlock::kind, 240, 240) + workspace::net(1, 1, 2) + workspace::net(2, 2, 3, 1);
    }
};

TEST_F(Undo, AnySequenceOfEditsUndoesBackToTheSameDocument)
{
    load(branchedProgram());
    alignInputWithOutput(1, 2);
    using Edit = std::function<void()>;
    const std::vector<std::pair<const char*, Edit>> edits = {
        {"move a block", [&] { drag(block(1)->position(), block(1)->position() + QPoint(30, 24)); }},
        {"split a line",
         [&] { doubleClick((slotPoint(1, 2, 0) + program->nets().first()->lines().first()->endPoint()) / 2); }},
        {"move the new point", [&] { QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier); }},
        {"delete block 2",
         [&] {
             view->clearSelection();
             click(block(2)->position());
             QTest::keyClick(view, Qt::Key_Delete);
         }},
        {"draw a net",
         [&] {
             click(slotPoint(1, 2, 0));
             click(slotPoint(3, 1, 0));
         }},
        {"delete everything",
         [&] {
             program->selectAll();
             QTest::keyClick(view, Qt::Key_Delete);
         }},
    };
    std::vector<QSet<QString>> states {documentState(program)};
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        edit();
        states.push_back(documentState(program));
        EXPECT_NE(states.back(), states.at(states.size() - 2));
    }
    EXPECT_EQ(stack()->undoCount(), int(edits.size()));
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        program->undo();
        EXPECT_EQ(documentState(program), states.at(i - 1)) << "after undoing edit " << i;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        program->redo();
        EXPECT_EQ(documentState(program), states.at(i)) << "after redoing edit " << i;
    }
    // Half way back and forth again.
    program->undo();
    program->undo();
    program->redo();
    EXPECT_EQ(documentState(program), states.at(states.size() - 2));
}

TEST_F(Undo, TheHundredAndFirstGroupDropsTheOldest)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60));
    click(block(1)->position());
    for (int i = 0; i < 101; ++i)
        QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(stack()->undoCount(), UndoStack::maxGroups);
    while (!program->isUndoEmpty())
        program->undo();
    // The first step can no longer be undone.
    EXPECT_EQ(block(1)->position(), QPoint(66, 60));
    EXPECT_EQ(stack()->redoCount(), UndoStack::maxGroups);
}

TEST_F(Undo, ADeletedBlockComesBackWithItsIdAndThenItsNets)
{
    load(branchedProgram());
    const QSet<QString> before = documentState(program);
    Node* middle = block(2);
    ASSERT_EQ(middle->attachedLines().size(), 2);
    program->beginUndoGroup();
    program->deleteItem(middle->iconItem());
    program->endUndoGroup();
    EXPECT_FALSE(block(2));
    EXPECT_TRUE(program->nets().isEmpty());
    program->undo();
    ASSERT_TRUE(block(2));
    EXPECT_EQ(block(2)->attachedLines().size(), 2);
    EXPECT_EQ(program->nets().size(), 2);
    EXPECT_EQ(documentState(program), before);
}

TEST_F(Undo, RedoSurvivesAPlainClickAndGoesWithTheNextEdit)
{
    load(twoJoinedBlocks());
    alignInputWithOutput(1, 2);
    click(block(1)->position());
    QTest::keyClick(view, Qt::Key_Up);
    program->undo();
    ASSERT_FALSE(program->isRedoEmpty());
    const QPoint middle = (slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2;
    click(block(2)->position());
    click(middle);
    click(QPoint(700, 600));
    EXPECT_FALSE(program->isRedoEmpty());
    drag(block(1)->position(), block(1)->position() + QPoint(40, 40));
    EXPECT_TRUE(program->isRedoEmpty());
}

TEST_F(Undo, AnUndoneNetComesBackWithItsIdOnRedo)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60) + workspace::node(2, RecordingBlock::kind, 240, 60));
    click(slotPoint(1, 2, 0));
    click(slotPoint(2, 1, 0));
    ASSERT_EQ(program->nets().size(), 1);
    const unsigned id = program->nets().first()->id();
    program->undo();
    EXPECT_TRUE(program->nets().isEmpty());
    program->redo();
    ASSERT_EQ(program->nets().size(), 1);
    EXPECT_EQ(program->nets().first()->id(), id);
    EXPECT_EQ(block(2)->slot(1, 0)->lines().size(), 1);
}

TEST_F(Undo, OneDragRecordsOnlyTheFirstPositionOfEachBlock)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60));
    press(QPoint(60, 60));
    moveTo(QPoint(90, 60));
    moveTo(QPoint(120, 66));
    moveTo(QPoint(150, 72));
    release(QPoint(150, 72));
    ASSERT_EQ(stack()->undoCount(), 1);
    program->undo();
    EXPECT_EQ(block(1)->position(), QPoint(60, 60));
}

TEST_F(Undo, GroupsOpenAndCloseOnlyOnce)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60));
    // An end without a begin does nothing; nested begins join the outer group.
    program->endUndoGroup();
    program->beginUndoGroup();
    program->beginUndoGroup();
    program->moveNodeById(1, QPoint(120, 60));
    program->endUndoGroup();
    EXPECT_FALSE(stack()->isGroupOpen());
    program->endUndoGroup();
    EXPECT_EQ(stack()->undoCount(), 1);
    // Edits outside a group (loading) are not recorded.
    program->moveNodeById(1, QPoint(180, 60));
    EXPECT_EQ(stack()->undoCount(), 1);
}

TEST_F(Undo, AFailingStepDiscardsTheWholeHistory)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60) + workspace::node(2, RecordingBlock::kind, 240, 60));
    click(block(1)->position());
    QTest::keyClick(view, Qt::Key_Right);
    click(block(2)->position());
    QTest::keyClick(view, Qt::Key_Right);
    // Block 2 goes without a record: its move can no longer be undone.
    program->deleteNodeById(2);
    program->undo();
    EXPECT_TRUE(program->isUndoEmpty());
    EXPECT_TRUE(program->isRedoEmpty());
    EXPECT_EQ(block(1)->position(), QPoint(66, 60));
}

} // namespace
