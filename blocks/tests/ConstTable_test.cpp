// The constant block and its row in the program window's constants table.
#include "BlockDialog_helper.h"

#include "ConstView.h"
#include "NodePixmap.h"
#include "State.h"
#include "StateNode.h"

#include <QMetaObject>
#include <QTableWidgetItem>
#include <QTimer>

namespace {

constexpr unsigned short ConstKind = 6;

class ConstTable : public BlockDialogTest
{
protected:
    // Two constants in a shown program window.
    void openWindow()
    {
        load(kdw::node(2, ConstKind, 0, 60, {{QStringLiteral("value"), QStringLiteral("2.5")}})
             + kdw::node(3, ConstKind, 0, 300, {{QStringLiteral("value"), QStringLiteral("-3")}}));
        window = run->state().createView(nullptr);
        ASSERT_TRUE(window);
        window->resize(900, 700);
        window->show();
        run->state().viewAdded();
        ASSERT_TRUE(table());
    }

    ConstView* table() const { return run->state().constView(); }
    StateNode* constant(int index) const { return static_cast<StateNode*>(run->state().nodes().at(index)); }
    int rowOf(StateNode* block) const { return int(table()->consts().indexOf(block)); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    void tick() { QMetaObject::invokeMethod(table(), "attentionTimerTimeout"); }

    QWidget* window = nullptr;
};

TEST_F(ConstTable, OpeningAConstantFlashesItsRowTwice)
{
    openWindow();
    StateNode* second = constant(1);
    const int row = rowOf(second);
    ASSERT_GE(row, 0);
    second->showDialog(run->state().dialogArea(), false);
    EXPECT_EQ(second->dialog(), nullptr);
    EXPECT_TRUE(table()->attentionTimer()->isActive());
    // Shown selected on the first and third tick, cleared on the second and fourth.
    const bool selected[] = {true, false, true, false};
    for (bool expected : selected) {
        tick();
        EXPECT_EQ(table()->selectionModel()->isRowSelected(row, {}), expected);
    }
    tick();
    EXPECT_FALSE(table()->attentionTimer()->isActive());
}

TEST_F(ConstTable, RestoringDialogsFlashesNothing)
{
    openWindow();
    constant(0)->showDialog(run->state().dialogArea(), true);
    EXPECT_FALSE(table()->attentionTimer()->isActive());
}

TEST_F(ConstTable, AConstantBroughtBackByUndoShowsItsNameAndValueInItsRow)
{
    openWindow();
    StateNode* first = constant(0);
    first->setName(QStringLiteral("speed"));
    table()->updateConst(first);
    const unsigned id = first->id();
    run->state().beginUndoGroup();
    run->state().deleteItem(first->iconItem());
    run->state().endUndoGroup();
    ASSERT_EQ(table()->rowCount(), 1);
    run->state().undo();
    ASSERT_EQ(table()->rowCount(), 2);
    auto* back = static_cast<StateNode*>(run->state().nodeById(int(id)));
    ASSERT_TRUE(back);
    const int row = rowOf(back);
    ASSERT_GE(row, 0);
    EXPECT_EQ(cell(row, 0), QStringLiteral("speed"));
    EXPECT_EQ(cell(row, 1), QStringLiteral("2.5"));
}

} // namespace
