// Each block's own dialog page: it shows the block's settings, a change reaches the
// block and the next cycle's result, and the change survives a save and a load.
#include "BlockDialog_helper.h"

#include "ChannelParams.h"
#include "ChannelPushButton.h"
#include "CounterDialog.h"
#include "NodeDialog.h"
#include "Scope.h"
#include "ScopeDialog.h"
#include "SiggenDialog.h"
#include "SlotSpec.h"
#include "SmoothDialog.h"
#include "StateNode.h"
#include "TimeScale.h"
#include "TransferFunctionDialog.h"
#include "TransferFunctionDialogDraw.h"
#include "ValueFileDialog.h"
#include "VectorConstDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>

#include <ostream>

namespace {

using BlockDialogs = BlockDialogTest;

enum Kind : unsigned short {
    SiggenKind = 1,
    ScopeKind = 2,
    CounterKind = 5,
    BasicMath2Kind = 20,
    VectorViewKind = 21,
    VectorConstKind = 22,
    VectorMathKind = 24,
    TransferKind = 26,
    SmoothKind = 27,
    Vector2ValueKind = 28,
    MultiplexerKind = 30,
    DemultiplexerKind = 31,
    WriterKind = 52,
    ReaderKind = 53,
};

// A block between the reader and the writer, its inputs and outputs joined in order.
QString between(const QString& blockNode, unsigned short kind, int inputs, int outputs)
{
    QString body = kdw::reader(std::max(inputs, 1)) + blockNode + kdw::writer(std::max(outputs, 1));
    for (int i = 0; i < inputs; ++i)
        body += kdw::net(unsigned(1 + i), 1, i, 2, i);
    for (int o = 0; o < outputs; ++o)
        body += kdw::net(unsigned(20 + o), 2, o, 9, o);
    Q_UNUSED(kind);
    return body;
}

TEST_F(BlockDialogs, CounterBoxesShowAndSetTheEdgeFlags)
{
    load(between(kdw::node(2, CounterKind, 0, 300,
                           {{"countOnRisingEdge", "1"}, {"countOnFallingEdge", "0"}, {"resetOnStart", "1"}}),
                 CounterKind, 1, 1));
    auto* dialog = open<CounterDialog>(CounterKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->risingEdgeBox()->isChecked());
    EXPECT_FALSE(dialog->fallingEdgeBox()->isChecked());
    EXPECT_TRUE(dialog->resetOnStartBox()->isChecked());
    const QStringList input {"0", "1", "0", "1", "0"};
    EXPECT_EQ(runOver(input).last(), QStringLiteral("2"));
    dialog->fallingEdgeBox()->setChecked(true);
    EXPECT_EQ(runOver(input).last(), QStringLiteral("4"));
    reload();
    dialog = open<CounterDialog>(CounterKind);
    EXPECT_TRUE(dialog->fallingEdgeBox()->isChecked());
    EXPECT_EQ(block(CounterKind)->parameters().value("countOnFallingEdge"), QStringLiteral("1"));
}

TEST_F(BlockDialogs, SmoothDepthChangesTheMean)
{
    load(between(kdw::node(2, SmoothKind, 0, 300, {{"depth", "1"}}), SmoothKind, 1, 1));
    auto* dialog = open<SmoothDialog>(SmoothKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->spinBox()->value(), 1);
    EXPECT_EQ(dialog->spinBox()->maximum(), 100);
    dialog->spinBox()->setValue(4);
    EXPECT_EQ(runOver({"4", "8"}), (QStringList {"1", "3"}));
    reload();
    EXPECT_EQ(open<SmoothDialog>(SmoothKind)->spinBox()->value(), 4);
}

TEST_F(BlockDialogs, SiggenAmplitudeSliderSetsTheOutput)
{
    load(kdw::node(2, SiggenKind, 0, 300) + kdw::writer(1) + kdw::net(1, 2, 0, 9, 0));
    auto* dialog = open<SiggenDialog>(SiggenKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->ampSlider()->value(), 7);
    EXPECT_EQ(dialog->findChild<QLabel*>("amp_lCDNumber")->text(), QStringLiteral("20"));
    dialog->ampSlider()->setValue(8);
    EXPECT_EQ(dialog->findChild<QLabel*>("amp_lCDNumber")->text(), QStringLiteral("50"));
    // The square starts with its pulse.
    EXPECT_EQ(runOver({"0"}), QStringList {"50"});
    reload();
    EXPECT_EQ(open<SiggenDialog>(SiggenKind)->ampSlider()->value(), 8);
}

TEST_F(BlockDialogs, SiggenFrequencyLimitsThePulseWidth)
{
    load(kdw::node(2, SiggenKind, 0, 300, {{"ampSliderValue", "7"}, {"freqSliderValue", "2"}, {"pwSliderValue", "9"}}));
    auto* dialog = open<SiggenDialog>(SiggenKind);
    dialog->freqSlider()->setValue(4);
    EXPECT_EQ(dialog->pwSlider()->maximum(), 4);
    EXPECT_EQ(dialog->pwSlider()->value(), 4);
    EXPECT_EQ(dialog->findChild<QLabel*>("pw_lCDNumber")->text(), QStringLiteral("400"));
    EXPECT_EQ(block(SiggenKind)->parameters().value("pwSliderValue"), QStringLiteral("4"));
}

TEST_F(BlockDialogs, VectorConstApplyPutsOutTheTypedVector)
{
    load(kdw::node(2, VectorConstKind, 0, 300, {{"x", "1"}, {"y", "0"}, {"system", "0"}})
         + kdw::node(3, Vector2ValueKind, 0, 600) + kdw::writer(2) + kdw::net(1, 2, 0, 3, 0) + kdw::net(2, 3, 0, 9, 0)
         + kdw::net(3, 3, 1, 9, 1));
    auto* dialog = open<VectorConstDialog>(VectorConstKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->field0()->text(), QStringLiteral("1"));
    dialog->field0()->setText("3");
    dialog->field1()->setText("4");
    EXPECT_TRUE(dialog->applyButton()->isEnabled());
    dialog->applyButton()->click();
    EXPECT_FALSE(dialog->applyButton()->isEnabled());
    EXPECT_EQ(runOver({"0"}), QStringList {"3\t4"});
    reload();
    dialog = open<VectorConstDialog>(VectorConstKind);
    EXPECT_EQ(dialog->field0()->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog->field1()->text(), QStringLiteral("4"));
}

TEST_F(BlockDialogs, VectorConstShowsALoadedPolarVector)
{
    load(kdw::node(2, VectorConstKind, 0, 300, {{"x", "0.5"}, {"y", "2"}, {"system", "1"}}));
    auto* dialog = open<VectorConstDialog>(VectorConstKind);
    EXPECT_EQ(dialog->field0()->text(), QStringLiteral("2.06155"));
    EXPECT_EQ(dialog->field1()->text(), QStringLiteral("75.9638"));
    EXPECT_EQ(dialog->fieldLabel0()->text(), QStringLiteral("Length"));
    EXPECT_EQ(dialog->fieldLabel1()->text(), QStringLiteral("Phi:"));
}

TEST_F(BlockDialogs, VectorConstBadEntryKeepsThePreviousValue)
{
    load(kdw::node(2, VectorConstKind, 0, 300, {{"x", "1"}, {"y", "2"}, {"system", "0"}}));
    auto* dialog = open<VectorConstDialog>(VectorConstKind);
    dialog->field0()->setText("abc");
    dialog->applyButton()->click();
    EXPECT_EQ(dialog->field0()->text(), QStringLiteral("1"));
    dialog->systemBox()->setCurrentIndex(1);
    emit dialog->systemBox()->activated(1);
    EXPECT_EQ(dialog->field0()->text(), QStringLiteral("2.23607"));
    EXPECT_EQ(block(VectorConstKind)->parameters().value("x"), QStringLiteral("1"));
    EXPECT_EQ(block(VectorConstKind)->parameters().value("system"), QStringLiteral("1"));
}

TEST_F(BlockDialogs, TransferPointFieldsMoveAPoint)
{
    load(between(kdw::node(2, TransferKind, 0, 300), TransferKind, 1, 1));
    auto* dialog = open<TransferFunctionDialog>(TransferKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->pointSelector()->maximum(), 2);
    EXPECT_EQ(dialog->xField()->text(), QStringLiteral("-1"));
    dialog->pointSelector()->setValue(2);
    EXPECT_EQ(dialog->xField()->text(), QStringLiteral("1"));
    EXPECT_FALSE(dialog->pointApplyButton()->isEnabled());
    dialog->yField()->setText("3");
    dialog->pointApplyButton()->click();
    // (0.5 + 1) × (3 + 1) / 2 − 1
    EXPECT_EQ(runOver({"0.5"}), QStringList {"2"});
    EXPECT_EQ(dialog->rangeBox(3)->value(), 3);
    reload();
    EXPECT_EQ(block(TransferKind)->parameters().value("y1"), QStringLiteral("3"));
}

TEST_F(BlockDialogs, TransferRangeApplyWidensBackToThePoints)
{
    load(kdw::node(2, TransferKind, 0, 300));
    auto* dialog = open<TransferFunctionDialog>(TransferKind);
    for (int i = 0; i < 4; ++i)
        dialog->rangeBox(i)->setValue(0);
    EXPECT_TRUE(dialog->rangeApplyButton()->isEnabled());
    dialog->rangeApplyButton()->click();
    const int expected[4] = {-1, 1, -1, 1};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(dialog->rangeBox(i)->value(), expected[i]) << "box " << i;
    EXPECT_FALSE(dialog->rangeApplyButton()->isEnabled());
}

struct CountCase
{
    unsigned short kind;
    int side;
    int fixedSlots;
    const char* slotCounts;
    int shown;
    int chosen;
};

void PrintTo(const CountCase& c, std::ostream* os)
{
    *os << "kind " << c.kind << " " << c.shown << " -> " << c.chosen;
}

class ChannelCount : public BlockDialogTest, public ::testing::WithParamInterface<CountCase>
{ };

TEST_P(ChannelCount, TheSpinBoxSetsTheSlotCountWhichIsSaved)
{
    const CountCase& c = GetParam();
    load(kdw::node(2, c.kind, 0, 300, {}, QString::fromLatin1(c.slotCounts)));
    NodeDialog* dialog = open(c.kind);
    ASSERT_NE(dialog, nullptr);
    auto* spin = dialog->findChild<QSpinBox*>();
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->value(), c.shown);
    spin->setValue(c.chosen);
    EXPECT_EQ(int(block(c.kind)->type()->slotCount(c.side)) - c.fixedSlots, c.chosen);
    reload();
    EXPECT_EQ(open(c.kind)->findChild<QSpinBox*>()->value(), c.chosen);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ChannelCount,
                         ::testing::Values(CountCase {BasicMath2Kind, SlotSpec::Left, 0, "", 2, 5},
                                           CountCase {VectorMathKind, SlotSpec::Left, 0, "", 2, 4},
                                           CountCase {VectorViewKind, SlotSpec::Left, 0, "", 1, 3},
                                           CountCase {MultiplexerKind, SlotSpec::Right, 0, "", 2, 6},
                                           CountCase {DemultiplexerKind, SlotSpec::Left, 1, "nleft=\"6\" nright=\"1\"",
                                                      5, 4},
                                           CountCase {WriterKind, SlotSpec::Left, 0, "nleft=\"2\"", 2, 7},
                                           CountCase {ReaderKind, SlotSpec::Right, 0, "", 1, 3}));

struct RoutingCase
{
    unsigned short kind;
    unsigned subtype;
    int inputs;
    int outputs;
    const char* line;
    int chosen;
    const char* before;
    const char* after;
};

void PrintTo(const RoutingCase& c, std::ostream* os)
{
    *os << "kind " << c.kind << " to " << c.chosen << " channels";
}

class ChannelResult : public BlockDialogTest, public ::testing::WithParamInterface<RoutingCase>
{ };

TEST_P(ChannelResult, ANewCountChangesTheNextResult)
{
    const RoutingCase& c = GetParam();
    load(between(kdw::node(2, c.kind, c.subtype, 300), c.kind, c.inputs, c.outputs));
    EXPECT_EQ(runOver({QString::fromLatin1(c.line)}), QStringList {QString::fromLatin1(c.before)});
    open(c.kind)->findChild<QSpinBox*>()->setValue(c.chosen);
    EXPECT_EQ(runOver({QString::fromLatin1(c.line)}), QStringList {QString::fromLatin1(c.after)});
}

INSTANTIATE_TEST_SUITE_P(Kinds, ChannelResult,
                         ::testing::Values(
                             // A third factor, unconnected, is 0.
                             RoutingCase {BasicMath2Kind, 2, 2, 1, "2\t3", 3, "6", "0"},
                             // Select 2 clamps to O2 until there is an O3.
                             RoutingCase {MultiplexerKind, 0, 2, 2, "5\t2", 3, "0\t5", "0\t0"},
                             // Select 2 clamps to I2 until there is an unconnected I3.
                             RoutingCase {DemultiplexerKind, 0, 3, 1, "2\t10\t20", 3, "20", "0"}));

TEST_F(BlockDialogs, WriterFileNameIsUsedAtTheNextStart)
{
    load(kdw::reader(1) + kdw::writer(1) + kdw::net(1, 1, 0, 9, 0));
    auto* dialog = open<ValueFileDialog>(WriterKind);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->lineEdit()->text(), QStringLiteral("out.txt"));
    dialog->lineEdit()->setText("other.txt");
    runOver({"1.5"});
    EXPECT_EQ(run->output("other.txt"), QStringList {"1.5"});
    reload();
    EXPECT_EQ(open<ValueFileDialog>(WriterKind)->lineEdit()->text(), QStringLiteral("other.txt"));
}

TEST_F(BlockDialogs, ScopePanelsAndScalesAreSaved)
{
    load(kdw::node(2, ScopeKind, 0, 300));
    auto* dialog = open<ScopeDialog>(ScopeKind);
    ASSERT_NE(dialog, nullptr);
    auto* scope = static_cast<Scope*>(block(ScopeKind));
    dialog->channelButton(1)->click();
    EXPECT_TRUE(scope->paramsShown[1]);
    EXPECT_EQ(dialog->channelButton(1)->text(), QStringLiteral("Ch2 <<"));
    dialog->channelPanel(1)->plusPb->click();
    EXPECT_EQ(scope->scaleYdialValue[1], 3);
    EXPECT_EQ(dialog->channelPanel(1)->scaleY_Label->text(), QStringLiteral("1 / YDiv"));
    dialog->timePanelButton()->click();
    dialog->timeScalePanel()->plusPb->click();
    EXPECT_EQ(scope->timeScaleDialValue, 10);
    reload();
    dialog = open<ScopeDialog>(ScopeKind);
    scope = static_cast<Scope*>(block(ScopeKind));
    EXPECT_EQ(scope->scaleYdialValue[1], 3);
    EXPECT_EQ(scope->timeScaleDialValue, 10);
    EXPECT_FALSE(dialog->channelPanel(1)->isHidden());
    EXPECT_TRUE(dialog->channelPanel(0)->isHidden());
    EXPECT_FALSE(dialog->timeScalePanel()->isHidden());
    EXPECT_EQ(dialog->channelButton(0)->text(), QStringLiteral("Ch1 >>"));
    EXPECT_EQ(dialog->timePanelButton()->text(), QStringLiteral("Time <<"));
}

TEST_F(BlockDialogs, ScopePanelsStandInChannelOrder)
{
    load(kdw::node(2, ScopeKind, 0, 300,
                   {{"paramsShown0", "1"},
                    {"paramsShown2", "1"},
                    {"timeShown", "1"},
                    {"channelEnable0", "1"},
                    {"channelEnable1", "1"},
                    {"channelEnable2", "1"},
                    {"timeScaleDialValue", "11"}}));
    auto* dialog = open<ScopeDialog>(ScopeKind);
    QHBoxLayout* layout = dialog->pageLayout();
    ASSERT_EQ(layout->count(), 4);
    EXPECT_EQ(layout->itemAt(1)->widget(), dialog->channelPanel(0));
    EXPECT_EQ(layout->itemAt(2)->widget(), dialog->channelPanel(2));
    EXPECT_EQ(layout->itemAt(3)->widget(), dialog->timeScalePanel());
    const QString texts[3] = {"Ch1 <<", "Ch2 >>", "Ch3 <<"};
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(dialog->channelButton(c)->text(), texts[c]);
}

} // namespace

namespace {

TEST_F(BlockDialogs, DraggingAPointMovesItInsideTheRange)
{
    load(kdw::node(2, TransferKind, 0, 300));
    auto* dialog = open<TransferFunctionDialog>(TransferKind);
    TransferFunctionDialogDraw* graph = dialog->graph();
    graph->resize(220, 120);
    const QPoint last = graph->toWidget({1.0f, 1.0f});
    auto send = [graph](QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), graph->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(graph, &event);
    };
    send(QEvent::MouseButtonPress, last, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(graph->selectedPoint(), 1);
    EXPECT_EQ(dialog->pointSelector()->value(), 2);
    // Far beyond the right and top edges: held at the range's corner.
    send(QEvent::MouseMove, QPoint(500, -200), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(500, -200), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(dialog->xField()->text(), QStringLiteral("2"));
    EXPECT_EQ(dialog->yField()->text(), QStringLiteral("2"));
    EXPECT_EQ(block(TransferKind)->parameters().value("x1"), QStringLiteral("2"));
}

} // namespace

namespace {

TEST_F(BlockDialogs, AnotherVariantRenamesTheScalingRows)
{
    load(kdw::node(2, 23, 0, 300));
    NodeDialog* dialog = open(23);
    ASSERT_NE(dialog->subTypeSelector(), nullptr);
    dialog->subTypeSelector()->setCurrentIndex(1);
    emit dialog->subTypeSelector()->activated(1);
    auto* scale = qobject_cast<QTableWidget*>(dialog->pageWidget(NodeDialog::ScalePage));
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(scale->item(0, 0)->text(), QStringLiteral("Length"));
    EXPECT_EQ(scale->item(1, 0)->text(), QStringLiteral("Direction/deg"));
    EXPECT_EQ(block(23)->type()->subtype(), 1u);
}

} // namespace
