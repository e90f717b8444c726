#include "editor_helper.h"
#include "spine_helper.h"

#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Node.h"
#include "NodeType.h"
#include "ShellServices.h"
#include "Slot.h"
#include "State.h"
#include "StateView.h"
#include "Tooltip.h"
#include "UndoStack.h"

#include <QScrollBar>

#include <QAction>
#include <QApplication>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

class EditorView : public EditorTest
{
protected:
    UndoStack* undo() const { return static_cast<UndoStack*>(program->undoStack()); }
};

TEST_F(EditorView, ZoomDoublesUpTo800AndStopsWhenTheWholeCanvasShows)
{
    load(twoJoinedBlocks());
    const double zoomIns[] = {200, 400, 800, 800};
    for (double expected : zoomIns) {
        view->zoomIn();
        EXPECT_EQ(view->zoom(), expected);
    }
    view->zoomOut();
    view->zoomOut();
    view->zoomOut();
    EXPECT_EQ(view->zoom(), 100);
    // Out until the whole canvas shows; then zooming out is ignored.
    double last = 0;
    while (last != view->zoom()) {
        last = view->zoom();
        view->zoomOut();
    }
    EXPECT_LT(view->zoom(), 100);
    const QRect visible = view->visibleCanvasRect();
    EXPECT_GE(visible.width(), 1000);
    EXPECT_GE(visible.height(), 1000);
}

TEST_F(EditorView, GridSpacingIsClampedAndWiderOrNarrowerShowsTheGrid)
{
    load(twoJoinedBlocks());
    struct Case
    {
        int start;
        int change; // 0 sets start only, +1 wider, -1 narrower
        int expected;
        bool visible;
    };
    const Case cases[] = {
        {0, 0, 1, false},   {-3, 0, 10, false}, {11, 0, 10, false}, {4, 0, 4, false},
        {10, +1, 10, true}, {1, -1, 1, true},   {4, +1, 5, true},   {4, -1, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " change " << c.change);
        view->setGridVisible(false);
        view->setGridSpacing(c.start);
        if (c.change > 0)
            view->increaseGridSpacing();
        else if (c.change < 0)
            view->decreaseGridSpacing();
        EXPECT_EQ(view->gridSpacing(), c.expected);
        EXPECT_EQ(view->isGridVisible(), c.visible);
        EXPECT_EQ(program->gridSpace(), c.expected);
    }
    view->setGridSpacing(4);
    view->setGridVisible(true);
    EXPECT_EQ(view->scene()->backgroundBrush().texture().width(), 24);
}

TEST_F(EditorView, ArrowKeysMoveTheSelectionOneUndoStepPerPress)
{
    load(twoJoinedBlocks());
    struct Case
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint offset;
    };
    const Case cases[] = {
        {Qt::Key_Up, Qt::NoModifier, {0, -6}},      {Qt::Key_Down, Qt::NoModifier, {0, 6}},
        {Qt::Key_Left, Qt::NoModifier, {-6, 0}},    {Qt::Key_Right, Qt::NoModifier, {6, 0}},
        {Qt::Key_Down, Qt::ShiftModifier, {0, 60}}, {Qt::Key_Right, Qt::ShiftModifier, {60, 0}},
    };
    Node* node = block(2);
    click(node->position());
    ASSERT_EQ(view->selectedNodes(), QList<Node*> {node});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " " << c.modifiers);
        const QPoint before = node->position();
        const int groups = undo()->undoCount();
        QTest::keyClick(view, c.key, c.modifiers);
        EXPECT_EQ(node->position(), before + c.offset);
        EXPECT_EQ(undo()->undoCount(), groups + 1);
        program->undo();
        EXPECT_EQ(node->position(), before);
        program->redo();
    }
}

TEST_F(EditorView, DeleteRemovesLinesPointsAndBlocksAsOneUndoStep)
{
    load(twoJoinedBlocks());
    const QSet<QString> before = documentState(program);
    alignInputWithOutput(1, 2);
    const QSet<QString> aligned = documentState(program);
    const QPoint middle = (slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2;
    doubleClick(middle);
    ASSERT_EQ(program->nets().size(), 1);
    ASSERT_EQ(program->nets().first()->points().size(), 1);
    click(block(1)->position(), Qt::ShiftModifier);
    ASSERT_EQ(view->selectedNetPoints().size(), 1);
    ASSERT_EQ(view->selectedNodes().size(), 1);
    const int groups = undo()->undoCount();
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(undo()->undoCount(), groups + 1);
    EXPECT_EQ(program->nodes().size(), 1);
    EXPECT_TRUE(program->nets().isEmpty());
    EXPECT_FALSE(view->hasSelection());
    program->undo();
    EXPECT_EQ(program->nodes().size(), 2);
    ASSERT_EQ(program->nets().size(), 1);
    program->undo();
    EXPECT_EQ(documentState(program), aligned);
    EXPECT_NE(documentState(program), before);
}

TEST_F(EditorView, ADragWithin12PixelsMovesNothingAndRecordsNothing)
{
    load(twoJoinedBlocks());
    Node* node = block(1);
    const QPoint start = node->position();
    const int groups = undo()->undoCount();
    drag(start, start + QPoint(6, 6));
    EXPECT_EQ(node->position(), start);
    EXPECT_EQ(undo()->undoCount(), groups);
    // Past the threshold the block follows the mouse's grid point.
    drag(start, start + QPoint(14, 7));
    EXPECT_EQ(node->position(), start + QPoint(12, 6));
    EXPECT_EQ(undo()->undoCount(), groups + 1);
}

TEST_F(EditorView, ADragOfAGroupMovesEveryBlockAndOneUndoPutsThemBack)
{
    load(twoJoinedBlocks());
    click(block(1)->position());
    click(block(2)->position(), Qt::ShiftModifier);
    ASSERT_EQ(view->selectedNodes().size(), 2);
    const QSet<QString> before = documentState(program);
    press(block(1)->position());
    moveTo(block(1)->position() + QPoint(18, 0));
    moveTo(block(1)->position() + QPoint(24, 12));
    release(block(1)->position());
    EXPECT_EQ(block(1)->position(), QPoint(60 + 42, 60 + 12));
    EXPECT_EQ(block(2)->position(), QPoint(240 + 42, 60 + 12));
    program->undo();
    EXPECT_EQ(documentState(program), before);
}

TEST_F(EditorView, DoubleClickOnALineSplitsItAndLeavesTheNewPointSelected)
{
    load(twoJoinedBlocks());
    alignInputWithOutput(1, 2);
    const QPoint middle = (slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2;
    const int groups = undo()->undoCount();
    doubleClick(middle);
    ASSERT_EQ(program->nets().size(), 1);
    Net* net = program->nets().first();
    ASSERT_EQ(net->points().size(), 1);
    EXPECT_EQ(net->lines().size(), 2);
    EXPECT_EQ(view->selectedNetPoints(), QList<NetPoint*> {net->points().first()});
    EXPECT_TRUE(net->points().first()->isSelected());
    EXPECT_EQ(undo()->undoCount(), groups + 1);
}

TEST_F(EditorView, DrawingANetFromOutputToInputAddsItAsOneUndoStep)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60) + workspace::node(2, RecordingBlock::kind, 240, 120));
    const int groups = undo()->undoCount();
    click(slotPoint(1, 2, 0));
    ASSERT_TRUE(view->netBeingDrawn());
    moveTo(QPoint(150, 60));
    click(QPoint(150, 90)); // a corner
    ASSERT_EQ(view->netBeingDrawn()->points().size(), 1);
    moveTo(slotPoint(2, 1, 1));
    click(slotPoint(2, 1, 1));
    EXPECT_FALSE(view->netBeingDrawn());
    ASSERT_EQ(program->nets().size(), 1);
    EXPECT_EQ(program->nets().first()->points().size(), 1);
    EXPECT_EQ(undo()->undoCount(), groups + 1);
    program->undo();
    EXPECT_TRUE(program->nets().isEmpty());
    program->redo();
    EXPECT_EQ(program->nets().size(), 1);
}

TEST_F(EditorView, AStraightLineBackToTheSameBlockIsIgnoredAndDrawingGoesOn)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60));
    const QSet<QString> before = documentState(program);
    click(slotPoint(1, 2, 0));
    ASSERT_TRUE(view->netBeingDrawn());
    click(slotPoint(1, 1, 0));
    EXPECT_TRUE(view->netBeingDrawn());
    EXPECT_TRUE(program->isUndoEmpty());
    EXPECT_TRUE(program->nets().isEmpty());
    // Deleting while drawing only cancels the net.
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_FALSE(view->netBeingDrawn());
    EXPECT_EQ(documentState(program), before);
    EXPECT_EQ(program->nodes().size(), 1);
}

TEST_F(EditorView, RemovingABlockWhileANetIsDrawnFromItCancelsTheNet)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60) + workspace::node(2, RecordingBlock::kind, 240, 60));
    click(slotPoint(1, 2, 0));
    ASSERT_TRUE(view->netBeingDrawn());
    program->beginUndoGroup();
    program->deleteNodeById(1);
    program->endUndoGroup();
    EXPECT_FALSE(view->netBeingDrawn());
    EXPECT_TRUE(program->nets().isEmpty());
    EXPECT_EQ(program->nodes().size(), 1);
    program->undo();
    EXPECT_EQ(program->nodes().size(), 2);
}

TEST_F(EditorView, ALibraryDropAddsAndSelectsTheBlock)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60));
    struct Case
    {
        const char* name;
        QByteArray payload;
        bool added;
    };
    const Case cases[] = {
        {"recorder", RecordingBlock::nodeType().toByteArray(), true},
        {"empty", QByteArray(), false},
        {"hostile", QByteArray::fromHex("ffffffff20676172626167652000010203"), false},
        {"truncated", RecordingBlock::nodeType().toByteArray().left(7), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const qsizetype blocks = program->nodes().size();
        QMimeData data;
        data.setData(QString::fromLatin1(NodeType::mimeType), c.payload);
        const QPoint at = view->mapFromScene(QPointF(300, 301));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent moveEvent(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &moveEvent);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &drop);
        EXPECT_EQ(program->nodes().size(), blocks + (c.added ? 1 : 0));
        EXPECT_FALSE(view->draggedNode());
        if (!c.added)
            continue;
        Node* dropped = program->nodes().last();
        EXPECT_EQ(dropped->position(), QPoint(300, 300));
        EXPECT_EQ(view->selectedNodes(), QList<Node*> {dropped});
        program->undo();
        EXPECT_EQ(program->nodes().size(), blocks);
    }
}

TEST_F(EditorView, ADragThatLeavesTheViewLeavesNothingBehind)
{
    load(QString());
    QMimeData data;
    data.setData(QString::fromLatin1(NodeType::mimeType), RecordingBlock::nodeType().toByteArray());
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    ASSERT_TRUE(view->draggedNode());
    QDragLeaveEvent leave;
    QApplication::sendEvent(view->viewport(), &leave);
    EXPECT_FALSE(view->draggedNode());
    EXPECT_TRUE(program->nodes().isEmpty());
    EXPECT_TRUE(program->isUndoEmpty());
}

TEST_F(EditorView, TheRubberBandSelectsWhatItTouches)
{
    load(twoJoinedBlocks() + workspace::node(3, RecordingBlock::kind, 60, 400));
    press(QPoint(20, 20));
    ASSERT_TRUE(view->selectionRectangle()->isVisible());
    moveTo(QPoint(300, 120));
    EXPECT_EQ(view->selectedNodes().size(), 2);
    EXPECT_EQ(view->selectedNetLines().size(), 1);
    // Shrinking the band lets go of what it no longer touches.
    moveTo(QPoint(100, 120));
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {block(1)});
    release(QPoint(100, 120));
    EXPECT_FALSE(view->selectionRectangle()->isVisible());
    EXPECT_TRUE(program->isUndoEmpty());
}

TEST_F(EditorView, ThePressSelectsAndShiftTogglesTheSelection)
{
    load(twoJoinedBlocks());
    click(block(1)->position());
    click(block(2)->position(), Qt::ShiftModifier);
    EXPECT_EQ(view->selectedNodes().size(), 2);
    // A press on a selected block keeps the selection for a group drag.
    click(block(1)->position());
    EXPECT_EQ(view->selectedNodes().size(), 2);
    click(block(1)->position(), Qt::ShiftModifier);
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {block(2)});
    EXPECT_FALSE(block(1)->isSelected());
    click(QPoint(600, 600));
    EXPECT_FALSE(view->hasSelection());
    EXPECT_FALSE(block(2)->isSelected());
}

TEST_F(EditorView, TheContextMenuEnablesWhatCanBeDone)
{
    load(twoJoinedBlocks());
    struct Case
    {
        const char* name;
        bool select;
        bool copyFirst;
        bool cut, copy, paste;
    };
    const Case cases[] = {
        {"nothing selected, nothing copied", false, false, false, false, false},
        {"a block selected", true, false, true, true, false},
        {"a block copied", true, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view->clearSelection();
        if (c.select)
            click(block(1)->position());
        if (c.copyFirst)
            program->copy();
        std::unique_ptr<QMenu> menu(view->createContextMenu());
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 3);
        EXPECT_EQ(actions.at(0)->text(), QStringLiteral("Cut"));
        EXPECT_EQ(actions.at(1)->text(), QStringLiteral("Copy"));
        EXPECT_EQ(actions.at(2)->text(), QStringLiteral("Paste"));
        EXPECT_EQ(actions.at(0)->isEnabled(), c.cut);
        EXPECT_EQ(actions.at(1)->isEnabled(), c.copy);
        // Another test may have filled the process-wide clipboard already.
        if (c.copyFirst) {
            EXPECT_TRUE(actions.at(2)->isEnabled());
        }
    }
}

TEST_F(EditorView, AClickOnALineSelectsItsPointEndsOnly)
{
    load(twoJoinedBlocks());
    alignInputWithOutput(1, 2);
    const QPoint a = slotPoint(1, 2, 0);
    const QPoint b = slotPoint(2, 1, 0);
    doubleClick((a + b) / 2);
    view->clearSelection();
    // The line from the new point to the input joins a point and a slot.
    const QPoint nearInput = (((a + b) / 2) + b) / 2;
    click(nearInput);
    EXPECT_EQ(view->selectedNetLines().size(), 1);
    EXPECT_TRUE(view->selectedNetPoints().isEmpty());
}

} // namespace

namespace {

TEST_F(EditorView, ClicksLandOnTheirItemsAfterTheViewScrolled)
{
    // Ids follow canvas order: the far block is number 3.
    load(twoJoinedBlocks() + workspace::node(3, RecordingBlock::kind, 900, 900));
    alignInputWithOutput(1, 2);
    click(block(3)->position());
    ASSERT_GT(view->verticalScrollBar()->value(), 0);
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {block(3)});
    const QPoint middle = (slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2;
    view->centerOn(QPointF(middle));
    click(middle);
    EXPECT_EQ(view->selectedNetLines().size(), 1);
    view->zoomIn();
    click(block(1)->position());
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {block(1)});
}

TEST_F(EditorView, HoveringASlotShowsItsNameAndWhetherTheNetMayEndThere)
{
    load(workspace::node(1, RecordingBlock::kind, 60, 60) + workspace::node(2, RecordingBlock::kind, 240, 60));
    moveTo(slotPoint(2, 1, 0));
    EXPECT_TRUE(view->tooltip()->isVisible());
    EXPECT_EQ(block(2)->slot(1, 0)->connectState(), Slot::Accept);
    moveTo(QPoint(500, 500));
    EXPECT_FALSE(view->tooltip()->isVisible());
    EXPECT_EQ(block(2)->slot(1, 0)->connectState(), Slot::Idle);
    // While a net from an output is drawn, another output refuses it.
    click(slotPoint(1, 2, 0));
    moveTo(slotPoint(2, 2, 0));
    EXPECT_EQ(block(2)->slot(2, 0)->connectState(), Slot::Reject);
    moveTo(slotPoint(2, 1, 0));
    EXPECT_EQ(block(2)->slot(1, 0)->connectState(), Slot::Accept);
}

} // namespace

namespace {

TEST_F(EditorView, ABranchDrawnFromANetPointJoinsItsNetAndUndoesAsOneStep)
{
    load(twoJoinedBlocks() + workspace::node(3, RecordingBlock::kind, 420, 240));
    alignInputWithOutput(1, 2);
    const QPoint middle = (slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2;
    doubleClick(middle);
    const QSet<QString> split = documentState(program);
    const QPoint point = view->selectedNetPoints().first()->position();
    // A double click on the point starts a branch there.
    doubleClick(point);
    ASSERT_TRUE(view->netBeingDrawn());
    EXPECT_EQ(view->netBeingDrawn(), program->nets().first());
    moveTo(QPoint(point.x(), 240));
    click(QPoint(point.x(), 240));
    click(slotPoint(3, 1, 0));
    EXPECT_FALSE(view->netBeingDrawn());
    ASSERT_EQ(program->nets().size(), 1);
    EXPECT_EQ(program->nets().first()->targetCount(), 2);
    program->undo();
    EXPECT_EQ(documentState(program), split);
}

TEST_F(EditorView, CancellingABranchLeavesItsNetAsItWas)
{
    load(twoJoinedBlocks());
    alignInputWithOutput(1, 2);
    doubleClick((slotPoint(1, 2, 0) + slotPoint(2, 1, 0)) / 2);
    const QSet<QString> split = documentState(program);
    const QPoint point = view->selectedNetPoints().first()->position();
    doubleClick(point);
    ASSERT_TRUE(view->netBeingDrawn());
    click(point + QPoint(0, 120)); // a corner
    view->clearSelection();
    EXPECT_FALSE(view->netBeingDrawn());
    EXPECT_EQ(documentState(program), split);
}

TEST_F(EditorView, ChartsShowTheirOwnBackgroundAndGridColours)
{
    SpineTestProgram chart(3, StateBase_t::Chart);
    StateView chartView(nullptr, &chart);
    EXPECT_EQ(chart.editor(), &chartView);
    EXPECT_EQ(chartView.scene()->backgroundBrush().color(), chartBackground);
    chartView.setGridSpacing(1);
    chartView.setGridVisible(true);
    const QImage cell = chartView.scene()->backgroundBrush().texture().toImage();
    ASSERT_EQ(cell.size(), QSize(6, 6));
    EXPECT_EQ(QColor(cell.pixel(0, 3)), QColor(183, 183, 183));
    EXPECT_EQ(QColor(cell.pixel(3, 3)), chartBackground);
    load(twoJoinedBlocks());
    view->setGridVisible(true);
    const QImage programCell = view->scene()->backgroundBrush().texture().toImage();
    EXPECT_EQ(QColor(programCell.pixel(0, 5)), QColor(210, 210, 210));
    EXPECT_EQ(QColor(programCell.pixel(5, 5)), QColor(Qt::white));
}

TEST_F(EditorView, CtrlWithAnArrowScrollsAndStillMovesTheSelection)
{
    load(twoJoinedBlocks());
    view->zoomIn();
    view->horizontalScrollBar()->setValue(100);
    click(block(1)->position());
    const int scrolled = view->horizontalScrollBar()->value();
    const QPoint before = block(1)->position();
    QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(block(1)->position(), before + QPoint(6, 0));
    EXPECT_EQ(view->horizontalScrollBar()->value(), scrolled + 12);
}

TEST_F(EditorView, SelectingABlockSetsTheHelpContextOfItsKind)
{
    load(twoJoinedBlocks());
    currentHelpContext = 0;
    click(block(2)->position());
    EXPECT_EQ(currentHelpContext, block(2)->type()->helpId());
    EXPECT_NE(currentHelpContext, 0);
}

} // namespace

namespace {

TEST_F(EditorView, TheSavedGridComesBackAsItWasLeft)
{
    registerTestBlocks();
    State* saved = loadProgram(manager, workspace::model(QString(), QStringLiteral(" grid=\"0\" gridspace=\"4\"")),
                               QStringLiteral("/tmp/grid.kdw"));
    ASSERT_TRUE(saved);
    StateView* savedView = saved->stateView();
    ASSERT_TRUE(savedView);
    EXPECT_FALSE(savedView->isGridVisible());
    EXPECT_EQ(savedView->gridSpacing(), 4);
    savedView->setGridVisible(true);
    EXPECT_EQ(savedView->scene()->backgroundBrush().texture().width(), 24);
    manager.remove(saved);
    delete saved;
}

TEST_F(EditorView, DeletingWhileANetIsDrawnKeepsTheSelection)
{
    load(twoJoinedBlocks() + workspace::node(3, RecordingBlock::kind, 420, 240));
    click(block(3)->position());
    click(slotPoint(1, 2, 0), Qt::ShiftModifier);
    ASSERT_TRUE(view->netBeingDrawn());
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_FALSE(view->netBeingDrawn());
    EXPECT_EQ(program->nodes().size(), 3);
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {block(3)});
}

} // namespace
