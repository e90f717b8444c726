#include "editor_helper.h"

#include "EditorClipboard.h"
#include "EditorGeometry.h"
#include "Net.h"
#include "NetLine.h"
#include "Node.h"
#include "Slot.h"
#include "State.h"
#include "StateView.h"
#include "spine_helper.h"

#include <QApplication>
#include <QWidget>

namespace {

class Clipboard : public EditorTest
{
protected:
    void TearDown() override
    {
        if (second) {
            manager.remove(second);
            delete second;
            second = nullptr;
        }
        EditorTest::TearDown();
    }

    // A second program window with one block (id 1) of its own.
    void openSecond()
    {
        second = loadProgram(manager, workspace::model(workspace::node(1, RecordingBlock::kind, 600, 600)),
                             QStringLiteral("/tmp/second.kdw"));
        ASSERT_TRUE(second);
        second->widget()->resize(900, 700);
        second->widget()->show();
        second->viewAdded();
        QApplication::processEvents();
    }

    // Selects both blocks of twoJoinedBlocks and their line.
    void selectJoinedPair()
    {
        alignInputWithOutput(1, 2);
        click(block(1)->position());
        click(block(2)->position(), Qt::ShiftModifier);
        click((slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2, Qt::ShiftModifier);
        ASSERT_EQ(view->selectedNodes().size(), 2);
        ASSERT_EQ(view->selectedNetLines().size(), 1);
    }

    State* second = nullptr;
};

QPoint centreOf(const QRect& r)
{
    return QPoint((r.left() + r.right()) / 2, (r.top() + r.bottom()) / 2);
}

TEST_F(Clipboard, TwoBlocksAndTheirNetArePastedWithNewIdsCentredAndSelected)
{
    load(twoJoinedBlocks());
    selectJoinedPair();
    const QSet<QString> original = documentState(program);
    program->copy();
    openSecond();
    ASSERT_FALSE(second->nothingToPaste());
    second->paste();

    ASSERT_EQ(second->nodes().size(), 3);
    ASSERT_EQ(second->nets().size(), 1);
    QList<Node*> pasted;
    for (Node* node : second->nodes()) {
        if (node->id() != 1)
            pasted.append(node);
    }
    ASSERT_EQ(pasted.size(), 2);
    QList<unsigned> ids {pasted.at(0)->id(), pasted.at(1)->id()};
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (QList<unsigned> {2, 3}));
    Net* net = second->nets().first();
    EXPECT_EQ(net->sourceCount(), 1);
    EXPECT_EQ(net->targetCount(), 1);
    EXPECT_TRUE(pasted.contains(net->sources().first()->owner()));
    EXPECT_TRUE(pasted.contains(net->targets().first()->owner()));

    QRect bounds;
    for (Node* node : pasted)
        uniteRect(bounds, node->rect());
    const QPoint offCentre = centreOf(bounds) - centreOf(second->stateView()->visibleCanvasRect());
    EXPECT_LE(std::abs(offCentre.x()), 6);
    EXPECT_LE(std::abs(offCentre.y()), 6);
    for (Node* node : pasted)
        EXPECT_EQ(node->position(), snapToGrid(node->position(), 6));

    StateView* secondView = second->stateView();
    EXPECT_EQ(secondView->selectedNodes().size(), 2);
    EXPECT_EQ(secondView->selectedNetLines().size(), net->lines().size());

    EXPECT_EQ(documentState(program), original);
    second->undo();
    EXPECT_EQ(second->nodes().size(), 1);
    EXPECT_TRUE(second->nets().isEmpty());
    EXPECT_TRUE(second->isUndoEmpty());
}

TEST_F(Clipboard, PastingTwiceGivesTwoIndependentCopies)
{
    load(twoJoinedBlocks());
    selectJoinedPair();
    program->copy();
    program->paste();
    program->paste();
    EXPECT_EQ(program->nodes().size(), 6);
    EXPECT_EQ(program->nets().size(), 3);
    QSet<unsigned> netIds;
    for (const Net* net : program->nets())
        netIds.insert(net->id());
    EXPECT_EQ(netIds.size(), 3);
}

TEST_F(Clipboard, LinesAloneCopyNothing)
{
    load(twoJoinedBlocks() + workspace::node(3, RecordingBlock::kind, 420, 60, QStringLiteral("lone")));
    click(block(3)->position());
    program->copy();
    alignInputWithOutput(1, 2);
    view->clearSelection();
    click((slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2);
    ASSERT_EQ(view->selectedNetLines().size(), 1);
    ASSERT_TRUE(view->selectedNodes().isEmpty());
    program->copy();
    program->paste();
    // Still the lone block from before.
    ASSERT_EQ(program->nodes().size(), 4);
    EXPECT_EQ(program->nodes().last()->type()->name(), QStringLiteral("lone"));
    EXPECT_EQ(program->nets().size(), 1);
}

TEST_F(Clipboard, ANetToABlockLeftBehindIsNotPasted)
{
    load(twoJoinedBlocks());
    alignInputWithOutput(1, 2);
    click(block(1)->position());
    click((slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2, Qt::ShiftModifier);
    program->copy();
    openSecond();
    second->paste();
    EXPECT_EQ(second->nodes().size(), 2);
    EXPECT_TRUE(second->nets().isEmpty());
    // Nothing of the new net was bound to the second program's own block 1.
    EXPECT_TRUE(second->nodeById(1)->slot(1, 0)->lines().isEmpty());
}

TEST_F(Clipboard, ALoneBlockLandsWhereTheMouseWasLastPressed)
{
    load(twoJoinedBlocks());
    click(block(1)->position());
    program->copy();
    click(QPoint(401, 335));
    program->paste();
    ASSERT_EQ(program->nodes().size(), 3);
    EXPECT_EQ(program->nodes().last()->position(), QPoint(402, 336));
    program->undo();
    EXPECT_EQ(program->nodes().size(), 2);
}

TEST_F(Clipboard, ProgramBlocksDoNotGoIntoACharts)
{
    load(twoJoinedBlocks());
    click(block(1)->position());
    program->copy();
    SpineTestProgram chart(7, StateBase_t::Chart);
    EXPECT_TRUE(chart.nothingToPaste());
    chart.paste();
    EXPECT_TRUE(chart.nodes().isEmpty());
    EXPECT_TRUE(chart.isUndoEmpty());
    EXPECT_FALSE(program->nothingToPaste());
}

TEST_F(Clipboard, CutCopiesAndDeletesAsOneUndoStep)
{
    load(twoJoinedBlocks());
    selectJoinedPair();
    program->cut();
    EXPECT_TRUE(program->nodes().isEmpty());
    EXPECT_TRUE(program->nets().isEmpty());
    program->paste();
    EXPECT_EQ(program->nodes().size(), 2);
    EXPECT_EQ(program->nets().size(), 1);
    program->undo();
    program->undo();
    EXPECT_EQ(program->nodes().size(), 2);
    EXPECT_EQ(program->nodeById(1)->type()->name(), QStringLiteral("first"));
}

TEST(UniteRect, AnEmptyRectangleBecomesTheOther)
{
    QRect r;
    uniteRect(r, QRect(10, 20, 5, 5));
    EXPECT_EQ(r, QRect(10, 20, 5, 5));
    uniteRect(r, QRect(0, 30, 2, 10));
    EXPECT_EQ(r, QRect(QPoint(0, 20), QPoint(14, 39)));
}

} // namespace
