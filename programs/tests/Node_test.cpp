// Blocks: naming, slot lookup and slot-count changes, moving on the grid, the
// cycle wrappers and the selection look.
#include "Net.h"
#include "NetLine.h"
#include "NodePixmap.h"
#include "Slot.h"
#include "ValueSlot.h"
#include "spine_helper.h"

#include <QGraphicsScene>

#include <gtest/gtest.h>

namespace {

class NodeTest : public ::testing::Test
{
protected:
    RecordingShell shell;
    SpineTestProgram program;

    Net* connect(Slot* from, Slot* to)
    {
        Net* net = new Net(program.canvas(), &program);
        net->connectDock(from);
        net->connectDock(to);
        program.addNet(net);
        return net;
    }
};

TEST_F(NodeTest, NameIsVariantAndIdPlusTen)
{
    NodeType abs;
    abs.addSubtype(QStringLiteral("Abs"), QString());
    SpineTestNode zero(program.canvas(), 0, abs, nullptr);
    EXPECT_EQ(zero.type()->name(), QStringLiteral("Abs (10)"));
    Node* added = program.place(spine::valueBlock(1, 1), QPoint(60, 60));
    EXPECT_EQ(added->type()->name(), QStringLiteral("Addition (11)"));
}

TEST_F(NodeTest, SlotLookupByListAndSide)
{
    Node* node = program.place(spine::valueBlock(2, 1), QPoint(60, 60));
    EXPECT_EQ(node->slot(0, 0), nullptr);
    EXPECT_EQ(node->slot(5, 0), nullptr);
    EXPECT_EQ(node->slot(SlotSpec::Left, 2), nullptr);
    EXPECT_EQ(node->slot(SlotSpec::Top, 0), nullptr);
    ASSERT_EQ(node->slotList().size(), 3);
    EXPECT_EQ(node->slotAt(0), node->slot(SlotSpec::Left, 0));
    EXPECT_EQ(node->slotAt(2), node->slot(SlotSpec::Right, 0));
    EXPECT_EQ(node->slotAt(3), nullptr);
}

TEST_F(NodeTest, SlotCountGrowsWithNamesAndShrinksUnlessConnected)
{
    Node* node = program.place(spine::valueBlock(2, 1), QPoint(120, 120));
    EXPECT_EQ(node->setSlotCount(SlotSpec::Left, 5), 5u);
    QStringList names;
    for (int i = 0; i < 5; ++i)
        names << node->slot(SlotSpec::Left, i)->text();
    EXPECT_EQ(names, QStringList({"I1", "I2", "I3", "I4", "I5"}));
    EXPECT_EQ(node->type()->leftSlotCount(), 5u);
    EXPECT_EQ(node->slotList().size(), 6);
    EXPECT_EQ(node->type()->frameRect().height(), 12 * 5 - 1);

    // Every slot sits on its square of the new layout.
    const QPoint origin = node->position() - node->type()->iconCentre();
    for (Slot* slot : node->slotList())
        EXPECT_EQ(slot->position(), origin + slot->spec().rect().topLeft() + QPoint(5, 5));

    EXPECT_EQ(node->setSlotCount(SlotSpec::Left, 2), 2u);
    EXPECT_EQ(node->slotList().size(), 3);

    Node* source = program.place(spine::valueBlock(0, 1), QPoint(30, 300));
    connect(source->slot(SlotSpec::Right, 0), node->slot(SlotSpec::Left, 1));
    EXPECT_FALSE(node->removeLastSlot(SlotSpec::Left));
    EXPECT_EQ(node->setSlotCount(SlotSpec::Left, 0), 2u);
    EXPECT_FALSE(node->addSlot(SlotSpec::Top)); // nothing to clone
    EXPECT_FALSE(node->addSlot(7));
    EXPECT_EQ(node->setSlotCount(SlotSpec::Left, 100000), Node::maxSlotsPerSide);
}

TEST_F(NodeTest, MoveClampsSnapsAndKeepsOffTheBorder)
{
    Node* node = program.place(spine::valueBlock(1, 1), QPoint(60, 60));
    struct Case
    {
        QPoint to;
        QPoint expected;
    };
    const Case inside[] = {
        {QPoint(100, 100), QPoint(102, 102)}, {QPoint(98, 95), QPoint(96, 96)}, {QPoint(300, 600), QPoint(300, 600)}};
    for (const Case& c : inside) {
        node->move(c.to);
        EXPECT_EQ(node->position(), c.expected);
    }
    const QRect canvas(0, 0, 996, 996);
    for (const QPoint to : {QPoint(-20, 5000), QPoint(5000, -20), QPoint(0, 0), QPoint(996, 996)}) {
        node->move(to);
        const QRect frame = node->rect();
        EXPECT_GT(frame.left(), 0) << to.x();
        EXPECT_GT(frame.top(), 0);
        EXPECT_LT(frame.right(), 996);
        EXPECT_LT(frame.bottom(), 996);
        EXPECT_EQ(node->position().x() % 6, 0);
        EXPECT_EQ(node->position().y() % 6, 0);
    }
    node->move(QPoint(-20, 5000));
    EXPECT_LE(node->position().x(), 30); // pushed in from x 0, not from elsewhere
    EXPECT_GE(node->position().y(), 960);
}

TEST_F(NodeTest, NetEndsFollowAMovedBlock)
{
    Node* a = program.place(spine::valueBlock(0, 1), QPoint(60, 60));
    Node* b = program.place(spine::valueBlock(1, 0), QPoint(300, 120));
    Net* net = connect(a->slot(SlotSpec::Right, 0), b->slot(SlotSpec::Left, 0));
    b->move(QPoint(413, 247));
    NetLine* line = net->lines().first();
    EXPECT_EQ(line->endPoint(), b->slot(SlotSpec::Left, 0)->position());
    EXPECT_EQ(line->startPoint(), a->slot(SlotSpec::Right, 0)->position());
}

TEST_F(NodeTest, CycleWrappersFollowTheActiveSwitch)
{
    auto* node = program.place(spine::valueBlock(1, 1), QPoint(60, 60));
    node->deactivate(); // never ran: still stopped
    EXPECT_EQ(node->log, QStringList({"stop"}));
    node->log.clear();

    node->updateActivationAndRead();
    EXPECT_EQ(node->stepIfRunning(), 0);
    node->writeIfRunning();
    EXPECT_EQ(node->log, QStringList({"start", "read", "step", "write"}));
    node->log.clear();

    node->setActive(false);
    node->updateActivationAndRead();
    node->stepResult = 2;
    EXPECT_EQ(node->stepIfRunning(), 0);
    node->writeIfRunning();
    EXPECT_EQ(node->log, QStringList({"stop"}));
    node->log.clear();

    node->activate(); // inactive: nothing
    EXPECT_TRUE(node->log.isEmpty());
    node->setActive(true);
    node->updateActivationAndRead();
    EXPECT_EQ(node->stepIfRunning(), 2);
    EXPECT_EQ(node->log, QStringList({"start", "read", "step"}));
}

TEST_F(NodeTest, ResetAllResetsSlotsThenTheBlock)
{
    NodeType type = spine::valueBlock(0, 0);
    type.addValueSlot(QStringLiteral("I"), SlotSpec::Input, SlotSpec::Left, 0.25f);
    auto* node = program.place(type, QPoint(60, 60));
    auto* slot = node->slot(SlotSpec::Left, 0)->toValueSlot();
    slot->setValue(9.0f);
    node->resetAll();
    EXPECT_FLOAT_EQ(slot->value(), 0.25f);
    EXPECT_EQ(node->log, QStringList({"reset"}));
}

TEST_F(NodeTest, SubtypeChoosesSlotNamesAndIcon)
{
    NodeType type;
    type.addSubtype(QStringLiteral("cartesian"), QString());
    type.addSubtype(QStringLiteral("polar"), QString());
    SlotSpec* x = type.addValueSlot(QStringLiteral("x"), SlotSpec::Input, SlotSpec::Left, 0);
    x->setName(QStringLiteral("length"), 1);
    auto* node = program.place(type, QPoint(60, 60));
    Slot* slot = node->slot(SlotSpec::Left, 0);
    EXPECT_EQ(slot->text(), QStringLiteral("x"));
    node->setSubtype(1);
    EXPECT_EQ(slot->text(), QStringLiteral("length"));
    EXPECT_EQ(node->type()->subtype(), 1);
    node->setSlotCount(SlotSpec::Left, 2); // relayout keeps the variant's names
    EXPECT_EQ(slot->text(), QStringLiteral("length"));
    node->setSubtype(5);
    EXPECT_EQ(node->type()->subtype(), 0);
    EXPECT_EQ(slot->text(), QStringLiteral("x"));
}

TEST_F(NodeTest, SelectionLookAndAttentionBlinking)
{
    auto* node = program.place(spine::valueBlock(1, 1), QPoint(60, 60));
    node->setSelected(true);
    EXPECT_TRUE(node->isSelected());
    EXPECT_EQ(node->iconItem()->zValue(), 12);
    EXPECT_TRUE(node->slot(SlotSpec::Left, 0)->isRaised());
    node->setSelected(false);
    EXPECT_EQ(node->iconItem()->zValue(), 2);
    EXPECT_FALSE(node->slot(SlotSpec::Left, 0)->isRaised());

    QList<bool> looks;
    for (int tick = 0; tick < 5; ++tick) {
        QMetaObject::invokeMethod(node, "attentionTimerTimeout");
        looks << node->isSelected();
    }
    EXPECT_EQ(looks, QList<bool>({true, false, true, false, false}));
}

TEST_F(NodeTest, AttachedLinesListOutputsFirstAndEachInputNetOnce)
{
    Node* source = program.place(spine::valueBlock(0, 1), QPoint(60, 60));
    Node* middle = program.place(spine::valueBlock(2, 1), QPoint(240, 60));
    Node* sink = program.place(spine::valueBlock(1, 0), QPoint(420, 60));
    Net* in = connect(source->slot(SlotSpec::Right, 0), middle->slot(SlotSpec::Left, 0));
    Net* out = connect(middle->slot(SlotSpec::Right, 0), sink->slot(SlotSpec::Left, 0));
    const QList<NetLine*> lines = middle->attachedLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(0)->net(), out);
    EXPECT_EQ(lines.at(1)->net(), in);
}

TEST_F(NodeTest, DeletedBlockLeavesItsProgramFirst)
{
    Node* node = program.place(spine::valueBlock(1, 1), QPoint(60, 60));
    const int id = static_cast<int>(node->id());
    EXPECT_TRUE(program.deleteNodeById(id));
    EXPECT_EQ(program.nodeById(id), nullptr);
    EXPECT_FALSE(program.deleteNodeById(id));
}

TEST_F(NodeTest, PrecedesSortsByXThenY)
{
    Node* a = program.place(spine::valueBlock(1, 1), QPoint(60, 120));
    Node* b = program.place(spine::valueBlock(1, 1), QPoint(60, 240));
    Node* c = program.place(spine::valueBlock(1, 1), QPoint(120, 60));
    EXPECT_TRUE(a->precedes(b));
    EXPECT_FALSE(b->precedes(a));
    EXPECT_TRUE(b->precedes(c));
    EXPECT_FALSE(a->precedes(a));
}

} // namespace
