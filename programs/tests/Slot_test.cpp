// Slots: creation, connection rules with their status texts, input pulling,
// and the value and vector transforms.
#include "DataSlot.h"
#include "Net.h"
#include "NetLine.h"
#include "SlotFactory.h"
#include "TransitionSlot.h"
#include "ValueSlot.h"
#include "VectorSlot.h"
#include "spine_helper.h"

#include <QGraphicsScene>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <memory>
#include <ostream>

namespace {

const QString denied = QStringLiteral("Connection denied: ");

class SlotTest : public ::testing::Test
{
protected:
    RecordingShell shell;
    SpineTestProgram program;

    Slot* input(Node* node, int i = 0) { return node->slot(SlotSpec::Left, i); }
    Slot* output(Node* node, int i = 0) { return node->slot(SlotSpec::Right, i); }
    // Draws a finished net from one dock to another and hands it to the program.
    Net* connect(NetDock* from, NetDock* to)
    {
        Net* net = new Net(program.canvas(), &program);
        net->connectDock(from);
        net->connectDock(to);
        program.addNet(net);
        return net;
    }
};

TEST_F(SlotTest, FactoryMakesTheClassOfTheKind)
{
    struct Case
    {
        int kind;
        bool made;
    };
    const Case cases[] = {{0x16, true},  {0x26, true},  {0x0A, true}, {0x36, false},
                          {0x06, false}, {0x01, false}, {0, false},   {0x14, false}};
    for (const Case& c : cases) {
        const SlotSpec spec(c.kind, SlotSpec::Left, SlotSpec::Input);
        std::unique_ptr<Slot> slot(createSlot(program.canvas(), spec, nullptr));
        EXPECT_EQ(slot != nullptr, c.made) << std::hex << c.kind;
        if (slot) {
            EXPECT_EQ(slot->kind(), c.kind);
        }
    }
}

TEST_F(SlotTest, DataRulesWithEveryDenialText)
{
    Node* a = program.place(spine::valueBlock(1, 1), QPoint(60, 60));
    Node* b = program.place(spine::valueBlock(2, 1), QPoint(240, 60));
    Node* v = program.place(spine::vectorBlock(1, 1), QPoint(420, 60));

    // A net drawn from an output, dropped on another output: no input yet.
    Net drawnFromOutput(program.canvas(), &program);
    drawnFromOutput.connectDock(output(a));
    EXPECT_FALSE(output(b)->canConnect(&drawnFromOutput));
    EXPECT_EQ(output(b)->statusText(), denied + "Only outputs.");
    EXPECT_EQ(shell.lastMessage(), denied + "Only outputs.");
    // Dropped on a vector input: wrong type.
    EXPECT_FALSE(input(v)->canConnect(&drawnFromOutput));
    EXPECT_EQ(shell.lastMessage(), denied + "Incompatible datatypes.");
    // Dropped on a value input: fine.
    EXPECT_TRUE(input(b)->canConnect(&drawnFromOutput));
    EXPECT_EQ(shell.lastMessage(), QStringLiteral("Slot and net can be connected."));

    // A net drawn from an input, dropped on another input.
    Net drawnFromInput(program.canvas(), &program);
    drawnFromInput.connectDock(input(a));
    EXPECT_FALSE(input(b, 1)->canConnect(&drawnFromInput));
    EXPECT_EQ(shell.lastMessage(), denied + "Only inputs.");
    EXPECT_TRUE(output(b)->canConnect(&drawnFromInput));

    // A net with both an input and an output refuses a second output.
    connect(output(a), input(b));
    Net* existing = input(b)->lines().first()->net();
    EXPECT_FALSE(output(v)->canConnect(existing)); // type first
    EXPECT_EQ(shell.lastMessage(), denied + "Incompatible datatypes.");
    EXPECT_FALSE(output(b)->canConnect(existing));
    EXPECT_EQ(shell.lastMessage(), denied + "Only one output per net.");

    // An input that has a net cannot even start one.
    shell.messages.clear();
    EXPECT_FALSE(input(b)->canConnect(nullptr));
    EXPECT_EQ(shell.lastMessage(), denied + "Only one net per input.");
    EXPECT_TRUE(input(b, 1)->canConnect(nullptr));
    EXPECT_TRUE(output(b)->canConnect(nullptr));
    EXPECT_TRUE(shell.messages.size() == 1); // a null check shows nothing
}

TEST_F(SlotTest, TransitionRulesAllowSeveralNetsButNoDoubleConnection)
{
    Node* first = program.place(spine::transitionBlock(1, 1), QPoint(60, 60));
    Node* second = program.place(spine::transitionBlock(1, 1), QPoint(60, 240));
    Node* third = program.place(spine::transitionBlock(1, 1), QPoint(240, 240));
    Slot* out1 = first->slot(SlotSpec::Bottom, 0);
    Slot* in2 = second->slot(SlotSpec::Top, 0);
    Slot* out3 = third->slot(SlotSpec::Bottom, 0);
    Slot* in1 = first->slot(SlotSpec::Top, 0);

    EXPECT_TRUE(in2->canConnect(nullptr));
    connect(out1, in2);
    // The input that has a net takes another from a different output.
    Net fromThird(program.canvas(), &program);
    fromThird.connectDock(out3);
    EXPECT_TRUE(in2->canConnect(&fromThird));
    EXPECT_EQ(shell.lastMessage(), QStringLiteral("Slot and net can be connected."));
    // But never twice between the same two slots.
    Net again(program.canvas(), &program);
    again.connectDock(out1);
    EXPECT_FALSE(in2->canConnect(&again));
    EXPECT_EQ(shell.lastMessage(), denied + "Double connection.");
    // Direction rules as for data.
    EXPECT_FALSE(out3->canConnect(&again));
    EXPECT_EQ(shell.lastMessage(), denied + "Only outputs.");
    Net fromInput(program.canvas(), &program);
    fromInput.connectDock(in1);
    EXPECT_FALSE(in2->canConnect(&fromInput));
    EXPECT_EQ(shell.lastMessage(), denied + "Only inputs.");
    // Value nets never join transitions.
    Node* value = program.place(spine::valueBlock(1, 1), QPoint(420, 60));
    Net valueNet(program.canvas(), &program);
    valueNet.connectDock(output(value));
    EXPECT_FALSE(in2->canConnect(&valueNet));
    EXPECT_EQ(shell.lastMessage(), denied + "Incompatible datatypes.");
}

TEST_F(SlotTest, InputsPullFromTheSourceOrTheirDefault)
{
    NodeType type = spine::valueBlock(0, 1);
    type.addValueSlot(QStringLiteral("I"), SlotSpec::Input, SlotSpec::Left, 1.0f);
    Node* writer = program.place(spine::valueBlock(0, 1), QPoint(60, 60));
    Node* reader = program.place(type, QPoint(240, 60));
    auto* in = input(reader)->toValueSlot();
    in->setTransform(2);
    in->setParameter(0, 2.0f);
    in->setParameter(1, 1.0f);
    in->fetch();
    EXPECT_FLOAT_EQ(in->value(), 3.0f); // default through the transform
    in->reset();
    EXPECT_FLOAT_EQ(in->value(), 1.0f); // reset does not transform

    connect(output(writer), input(reader));
    output(writer)->toValueSlot()->setValue(4.0f);
    EXPECT_FLOAT_EQ(in->value(), 1.0f); // writing does not push
    in->fetch();
    EXPECT_FLOAT_EQ(in->value(), 9.0f);

    auto* out = output(writer)->toValueSlot();
    out->setTransform(2);
    out->setParameter(0, 10.0f);
    out->setValue(1.0f);
    EXPECT_FLOAT_EQ(out->value(), 10.0f); // an output's transform applies when written
    out->fetch();
    EXPECT_FLOAT_EQ(out->value(), 10.0f); // outputs ignore fetch
}

TEST_F(SlotTest, InputsFollowNetChangesBetweenFetches)
{
    Node* first = program.place(spine::valueBlock(0, 1), QPoint(60, 60));
    Node* second = program.place(spine::valueBlock(0, 1), QPoint(60, 180));
    Node* reader = program.place(spine::valueBlock(1, 0), QPoint(240, 60));
    auto* in = input(reader)->toValueSlot();
    output(first)->toValueSlot()->setValue(4.0f);
    output(second)->toValueSlot()->setValue(7.0f);
    const float unconnected = in->spec().defaultValue();

    Net* net = connect(output(first), input(reader));
    in->fetch();
    EXPECT_FLOAT_EQ(in->value(), 4.0f);
    program.removeNet(net);
    in->fetch();
    EXPECT_FLOAT_EQ(in->value(), unconnected);
    connect(output(second), input(reader));
    in->fetch();
    EXPECT_FLOAT_EQ(in->value(), 7.0f);
}

TEST_F(SlotTest, VectorInputsPullTheSourceOnceTransformed)
{
    Node* writer = program.place(spine::vectorBlock(0, 1), QPoint(60, 60));
    Node* reader = program.place(spine::vectorBlock(1, 0), QPoint(240, 60));
    connect(output(writer), input(reader));
    output(writer)->toVectorSlot()->setValue(Vector(1, 1, 0));
    auto* in = input(reader)->toVectorSlot();
    in->setTransform(3);
    in->setParameter(0, 2.0f);
    in->setParameter(1, 1.0f);
    in->fetch();
    EXPECT_FLOAT_EQ(in->value().x(), 3.0f);
    EXPECT_FLOAT_EQ(in->value().y(), 2.0f);
    EXPECT_EQ(in->toValueSlot(), nullptr);
    EXPECT_EQ(in->toVectorSlot(), in);
}

TEST_F(SlotTest, TruthAndIntegerReadings)
{
    Node* node = program.place(spine::valueBlock(0, 1), QPoint(60, 60));
    auto* slot = output(node)->toValueSlot();
    struct Case
    {
        float value;
        bool truth;
        int integer;
    };
    const Case cases[] = {{0.5f, true, 1},   {0.4999f, false, 0},       {2.5f, true, 3}, {-2.5f, false, -3},
                          {-0.4f, false, 0}, {1e20f, true, 2147483647}, {NAN, false, 0}};
    for (const Case& c : cases) {
        slot->setValue(c.value);
        EXPECT_EQ(slot->toBool(), c.truth) << c.value;
        EXPECT_EQ(slot->toInt(), c.integer) << c.value;
    }
}

TEST_F(SlotTest, TooltipTextFillsInTheParameters)
{
    Node* node = program.place(spine::valueBlock(1, 0), QPoint(60, 60));
    auto* slot = input(node)->toValueSlot();
    EXPECT_EQ(slot->text(), QStringLiteral("I1"));
    slot->setTransform(2);
    slot->setParameter(0, 2.0f);
    slot->setParameter(1, 0.5f);
    EXPECT_EQ(slot->text(), QStringLiteral("I1\ny=2*x+0.5"));
    slot->setTransform(6);
    slot->setParameter(0, 1.25f);
    slot->setParameter(1, 3.0f);
    EXPECT_EQ(slot->text(), QStringLiteral("I1\ny=1/(1+e^(-4b(x-1.25)))"));
    slot->setTransform(42); // an index from a damaged file: no formula
    EXPECT_EQ(slot->text(), QStringLiteral("I1"));
    EXPECT_TRUE(slot->hasTransform());
}

// ---- transforms ----

struct ValueCase
{
    int transform;
    float a, b, c, d, x;
    float expected;
};

// Formula, parameters and input instead of a byte dump of the parameter.
void PrintTo(const ValueCase& p, std::ostream* os)
{
    *os << "transform " << p.transform << " a=" << p.a << " b=" << p.b << " c=" << p.c << " d=" << p.d << " x=" << p.x
        << " gives " << p.expected;
}

class ValueTransformTest : public SlotTest, public ::testing::WithParamInterface<ValueCase>
{ };

TEST_P(ValueTransformTest, FormulaGivesTheResult)
{
    const ValueCase& p = GetParam();
    Node* node = program.place(spine::valueBlock(1, 0), QPoint(60, 60));
    auto* slot = input(node)->toValueSlot();
    slot->setTransform(p.transform);
    slot->setParameter(0, p.a);
    slot->setParameter(1, p.b);
    slot->setParameter(2, p.c);
    slot->setParameter(3, p.d);
    const float y = slot->applyTransform(p.x);
    if (std::isinf(p.expected)) {
        EXPECT_TRUE(std::isinf(y) && (y < 0) == (p.expected < 0)) << y;
    } else if (p.expected == FLT_MAX) {
        EXPECT_EQ(y, FLT_MAX);
    } else {
        EXPECT_NEAR(y, p.expected, 1e-3f);
    }
}

INSTANTIATE_TEST_SUITE_P(ElevenFormulas, ValueTransformTest,
                         ::testing::Values(ValueCase {0, 9, 9, 9, 9, 1.5f, 1.5f}, ValueCase {1, 4, 0, 0, 0, 99, 4},
                                           ValueCase {2, 2, 1, 0, 0, 1, 3}, ValueCase {3, 1, -2, 0, 0, 2, FLT_MAX},
                                           ValueCase {3, 1, -2, 0, 0, 4, 0.5f}, ValueCase {4, 1, 0, -1, 0, 0, FLT_MAX},
                                           ValueCase {4, 1, 0, 2, 0, 0, 0}, ValueCase {4, 2, 1, 2, 1, 2, 19},
                                           ValueCase {5, 2, 0, 1, 0, std::exp(1.0f), 3},
                                           ValueCase {5, 1, 0, 0, 0, 0, -INFINITY}, ValueCase {6, 0, 1, 0, 0, 0, 0.5f},
                                           ValueCase {6, 0, 1, 0, 0, 1, 0.98201f},
                                           ValueCase {7, 2, 1, 0, 1, static_cast<float>(M_PI / 2), 3},
                                           ValueCase {8, 2, 1, 0, 1, 0, 3}, ValueCase {9, 1, 1, 0, 0, 90, 1},
                                           ValueCase {10, 1, 1, 0, 0, 180, -1}, ValueCase {11, 5, 5, 5, 5, 7, 7},
                                           ValueCase {-1, 5, 5, 5, 5, 7, 7}));

TEST_F(SlotTest, ValueFormulaNamesAreTheElevenTexts)
{
    Node* node = program.place(spine::valueBlock(1, 0), QPoint(60, 60));
    const QStringList& names = input(node)->toValueSlot()->transformNames();
    ASSERT_EQ(names.size(), 11);
    EXPECT_EQ(names.at(0), QStringLiteral("y=x"));
    EXPECT_EQ(names.at(6), QStringLiteral("y=1/(1+e^(-4b(x-a)))"));
    EXPECT_EQ(names.at(10), QStringLiteral("y=a*cos(Pi/180*(b*x+c))+d"));
}

TEST_F(SlotTest, SixVectorFormulas)
{
    Node* node = program.place(spine::vectorBlock(1, 0), QPoint(60, 60));
    auto* slot = input(node)->toVectorSlot();
    struct Case
    {
        int transform;
        float a, b, c;
        Vector x;
        float ex, ey;
    };
    const Case cases[] = {
        {0, 5, 5, 5, Vector(1, 2, 0), 1, 2}, {1, 2, 3, 0, Vector(9, 9, 0), 2, 3},  {2, 2, 90, 0, Vector(9, 9, 0), 0, 2},
        {3, 2, 1, 4, Vector(1, 1, 0), 3, 6}, {4, 2, 1, 0, Vector(1, 1, 0), 3, 2},  {5, 90, 0, 0, Vector(1, 0, 0), 0, 1},
        {6, 1, 1, 1, Vector(1, 1, 0), 0, 0}, {-3, 1, 1, 1, Vector(1, 1, 0), 0, 0},
    };
    for (const Case& c : cases) {
        slot->setTransform(c.transform);
        slot->setParameter(0, c.a);
        slot->setParameter(1, c.b);
        slot->setParameter(2, c.c);
        const Vector y = slot->applyTransform(c.x);
        EXPECT_NEAR(y.x(), c.ex, 1e-5f) << c.transform;
        EXPECT_NEAR(y.y(), c.ey, 1e-5f) << c.transform;
    }
    ASSERT_EQ(slot->transformNames().size(), 6);
    EXPECT_EQ(slot->transformNames().at(2), QStringLiteral("y=(a,b) (a,b)polar"));
    EXPECT_EQ(slot->transformNames().at(3), QStringLiteral("y=a*x+(b,c) (b,c)cartesian"));
}

TEST_F(SlotTest, ParametersOutsideTheFourAreIgnored)
{
    Node* node = program.place(spine::valueBlock(1, 0), QPoint(60, 60));
    auto* slot = input(node)->toValueSlot();
    slot->setParameter(4, 7.0f);
    slot->setParameter(-1, 7.0f);
    EXPECT_EQ(slot->parameter(4), 0.0f);
    EXPECT_EQ(slot->parameter(-1), 0.0f);
    slot->setParameter(3, 7.0f);
    EXPECT_EQ(slot->parameter(3), 7.0f);
}

TEST_F(SlotTest, MessagesReachTheBlocksAcrossNets)
{
    Node* from = program.place(spine::transitionBlock(0, 1), QPoint(60, 60));
    Node* to = program.place(spine::transitionBlock(1, 0), QPoint(60, 240));
    connect(from->slot(SlotSpec::Bottom, 0), to->slot(SlotSpec::Top, 0));
    EXPECT_EQ(from->slot(SlotSpec::Bottom, 0)->connectedNodes(), QList<Node*>({to}));
    EXPECT_EQ(to->slot(SlotSpec::Top, 0)->connectedNodes(), QList<Node*>({from}));
}

} // namespace
