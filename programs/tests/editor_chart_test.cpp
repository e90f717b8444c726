// The editor view of a sequence chart: program elements dropped from the library, the
// chart's grid, opening a program element's program, undo of element and transition
// edits, and the clipboard between charts and programs.
#include "chart_helper.h"
#include "spine_helper.h"

#include "Net.h"
#include "NetLine.h"
#include "NodePixmap.h"
#include "Slot.h"
#include "Start.h"
#include "State.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateManager.h"
#include "StateView.h"
#include "Sync.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

// Records which programs a chart asks to bring to the front.
class ShowingShell : public ScriptedShell
{
public:
    void showProgram(StateBase* program) override { shown << program; }

    QList<StateBase*> shown;
};

class ChartEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        chart = manager.newStateChart(nullptr);
        ASSERT_TRUE(chart);
        view = chart->stateView();
        ASSERT_TRUE(view);
        view->resize(800, 500);
        view->show();
        chart->viewAdded();
        QApplication::processEvents();
    }

    void TearDown() override { closeAll(manager); }

    // The library's entry of a program: a program element carrying the program's id.
    static NodeType programEntry(const State* program)
    {
        NodeType type = StateBlock::nodeType();
        type.addSubtypeData(program->id());
        return type;
    }

    // Drags a library entry into the view and drops it at the canvas point.
    bool drop(const NodeType& type, const QPoint& at)
    {
        const qsizetype before = chart->nodes().size();
        QMimeData data;
        data.setData(QString::fromLatin1(NodeType::mimeType), type.toByteArray());
        const QPoint local = view->mapFromScene(QPointF(at));
        QDragEnterEvent enter(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent moveEvent(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &moveEvent);
        QDropEvent dropEvent(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &dropEvent);
        return chart->nodes().size() == before + 1;
    }

    void send(QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons)
    {
        const QPointF local = view->mapFromScene(QPointF(at));
        QMouseEvent event(type, local, view->viewport()->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }

    void click(const QPoint& at)
    {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    void doubleClick(const QPoint& at)
    {
        click(at);
        send(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    // What the chart holds, as (kind, position) of its elements and the number of lines.
    QStringList picture() const
    {
        QStringList items;
        for (Node* node : chart->nodes())
            items << QStringLiteral("%1@%2,%3")
                         .arg(node->type()->maintype())
                         .arg(node->position().x())
                         .arg(node->position().y());
        int lines = 0;
        for (Net* net : chart->nets())
            lines += int(net->lines().size());
        items.sort();
        items << QStringLiteral("lines %1").arg(lines);
        return items;
    }

    ShowingShell shell;
    StateManager manager;
    StateChart* chart = nullptr;
    StateView* view = nullptr;
};

TEST_F(ChartEditor, AChartsWindowIsItsEditorView)
{
    EXPECT_EQ(chart->widget(), static_cast<QWidget*>(view));
    EXPECT_EQ(chart->editor(), view);
    EXPECT_EQ(view->owner(), chart);
}

TEST_F(ChartEditor, EachProgramGivesOneElementAndASecondDropSelectsIt)
{
    State* first = manager.newState(nullptr);
    State* second = manager.newState(nullptr);
    ASSERT_TRUE(drop(programEntry(first), QPoint(120, 60)));
    auto* element = qobject_cast<StateBlock*>(chart->nodes().last());
    ASSERT_TRUE(element);
    EXPECT_EQ(element->state(), first);
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {element});

    ASSERT_TRUE(drop(programEntry(second), QPoint(300, 60)));
    EXPECT_EQ(chart->stateBlockCount(), 2);
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {chart->nodes().last()});

    EXPECT_FALSE(drop(programEntry(first), QPoint(300, 240)));
    EXPECT_EQ(chart->stateBlockCount(), 2);
    EXPECT_EQ(view->selectedNodes(), QList<Node*> {element});
    EXPECT_FALSE(view->draggedNode());
}

TEST_F(ChartEditor, AProgramClosedSinceItsEntryWasMadeGivesNothing)
{
    State* program = manager.newState(nullptr);
    const NodeType entry = programEntry(program);
    manager.remove(program);
    delete program;
    EXPECT_FALSE(drop(entry, QPoint(120, 60)));
    EXPECT_TRUE(chart->nodes().isEmpty());
    EXPECT_TRUE(chart->isUndoEmpty());
}

TEST_F(ChartEditor, ADoubleClickOnAProgramElementShowsItsProgram)
{
    State* program = manager.newState(nullptr);
    ASSERT_TRUE(drop(programEntry(program), QPoint(120, 60)));
    ASSERT_TRUE(drop(Start::nodeType(), QPoint(30, 180)));
    doubleClick(chart->nodes().at(1)->position());
    EXPECT_TRUE(shell.shown.isEmpty()) << "a Start element opens nothing";
    doubleClick(chart->nodes().at(0)->position());
    EXPECT_EQ(shell.shown, QList<StateBase*> {program});
}

TEST_F(ChartEditor, TheGridIsDrawnInTheChartsColours)
{
    view->setGridSpacing(2);
    view->setGridVisible(true);
    QApplication::processEvents();
    const QImage shot = view->grab().toImage();
    // A cell of 12 pixels: grid lines on its edges, the chart's background inside.
    QList<QRgb> colours;
    for (int x = 0; x < 24; ++x)
        colours << shot.pixel(x + 1, 5);
    EXPECT_TRUE(colours.contains(chartBackground.rgb()));
    EXPECT_TRUE(colours.contains(chartGridColour.rgb()));
    EXPECT_FALSE(colours.contains(programGridColour.rgb()));
    EXPECT_FALSE(colours.contains(programBackground.rgb()));
}

TEST_F(ChartEditor, ElementEditsAreUndoneAndRedone)
{
    State* program = manager.newState(nullptr);
    const QStringList empty = picture();
    ASSERT_TRUE(drop(Start::nodeType(), QPoint(30, 60)));
    ASSERT_TRUE(drop(programEntry(program), QPoint(150, 60)));
    ASSERT_TRUE(drop(Sync::nodeType(), QPoint(300, 60)));
    const QStringList dropped = picture();

    chart->beginUndoGroup();
    chart->moveNode(chart->nodes().at(2), QPoint(300, 180));
    chart->endUndoGroup();
    const QStringList moved = picture();
    EXPECT_NE(moved, dropped);

    click(chart->nodes().at(0)->position());
    view->deleteSelection();
    EXPECT_EQ(chart->nodes().size(), 2);
    EXPECT_TRUE(view->selectedNodes().isEmpty());

    chart->undo();
    EXPECT_EQ(picture(), moved);
    chart->undo();
    EXPECT_EQ(picture(), dropped);
    chart->redo();
    EXPECT_EQ(picture(), moved);
    for (int i = 0; i < 4; ++i)
        chart->undo();
    EXPECT_EQ(picture(), empty);
    EXPECT_TRUE(chart->isUndoEmpty());
}

TEST_F(ChartEditor, ADeletedProgramElementComesBackBoundToItsProgram)
{
    State* program = manager.newState(nullptr);
    ASSERT_TRUE(drop(programEntry(program), QPoint(150, 60)));
    const QStringList dropped = picture();
    Node* element = chart->nodes().first();
    click(element->position());
    ASSERT_EQ(view->selectedNodes(), QList<Node*> {element});
    chart->beginUndoGroup();
    chart->deleteItem(element->iconItem());
    chart->endUndoGroup();
    EXPECT_EQ(chart->stateBlockCount(), 0);
    EXPECT_TRUE(view->selectedNodes().isEmpty()) << "the view forgets a removed element";
    chart->undo();
    EXPECT_EQ(picture(), dropped);
    ASSERT_EQ(chart->stateBlockCount(), 1);
    EXPECT_EQ(chart->stateBlocks().first()->state(), program);
    EXPECT_TRUE(shell.boxes.isEmpty()) << shell.boxes.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ChartEditor, ATransitionDrawnAndDeletedIsUndone)
{
    ASSERT_TRUE(drop(Start::nodeType(), QPoint(30, 60)));
    ASSERT_TRUE(drop(Sync::nodeType(), QPoint(240, 60)));
    Node* start = chart->nodes().at(0);
    Node* sync = chart->nodes().at(1);
    const QStringList without = picture();
    click(start->slot(SlotSpec::Right, 0)->position());
    click(sync->slot(SlotSpec::Left, 0)->position());
    ASSERT_EQ(chart->nets().size(), 1);
    const QStringList with = picture();
    EXPECT_NE(with, without);

    NetLine* line = chart->nets().first()->lines().first();
    chart->beginUndoGroup();
    chart->deleteItem(line);
    chart->endUndoGroup();
    EXPECT_TRUE(chart->nets().isEmpty());
    chart->undo();
    EXPECT_EQ(picture(), with);
    chart->undo();
    EXPECT_EQ(picture(), without);
}

TEST_F(ChartEditor, ElementsAreCopiedBetweenChartsButNotIntoPrograms)
{
    State* program = manager.newState(nullptr);
    ASSERT_TRUE(drop(Start::nodeType(), QPoint(30, 60)));
    ASSERT_TRUE(drop(Sync::nodeType(), QPoint(240, 60)));
    view->selectItems(chart->nodes(), {});
    chart->copy();

    const qsizetype blocks = program->nodes().size();
    program->paste();
    EXPECT_EQ(program->nodes().size(), blocks) << "chart elements never land in a program";

    StateChart* other = manager.newStateChart(nullptr);
    other->viewAdded();
    other->paste();
    ASSERT_EQ(other->nodes().size(), 2);
    EXPECT_EQ(other->stateView()->selectedNodes().size(), 2);
    other->undo();
    EXPECT_TRUE(other->nodes().isEmpty());
}

TEST_F(ChartEditor, AChartIsRenderedInItsViewToPng)
{
    State* program = manager.newState(nullptr);
    program->setFileName(QStringLiteral("drive"), true);
    ASSERT_TRUE(drop(Start::nodeType(), QPoint(30, 60)));
    ASSERT_TRUE(drop(programEntry(program), QPoint(180, 60)));
    ASSERT_TRUE(drop(Sync::nodeType(), QPoint(360, 60)));
    Node* start = chart->nodes().at(0);
    Node* element = chart->nodes().at(1);
    Node* sync = chart->nodes().at(2);
    click(start->slot(SlotSpec::Right, 0)->position());
    click(element->slot(SlotSpec::Left, 0)->position());
    click(element->slot(SlotSpec::Right, 0)->position());
    click(sync->slot(SlotSpec::Left, 0)->position());
    EXPECT_EQ(chart->nets().size(), 2);
    view->setGridSpacing(2);
    view->setGridVisible(true);
    view->setSelectedNode(element);
    QApplication::processEvents();
    const QString file = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("chart_view.png"));
    EXPECT_TRUE(view->grab().save(file));
}

} // namespace
