// Parameters, slot counts and life-cycle behaviour of the block kinds, checked on the
// blocks themselves and through saved and reloaded workspace files.
#include "ProgramRun_helper.h"

#include "BasicMath2.h"
#include "Const.h"
#include "Counter.h"
#include "NodeFactory.h"
#include "Scope.h"
#include "Siggen.h"
#include "Slot.h"
#include "Smooth.h"
#include "State.h"
#include "StateNode.h"
#include "TransferFunction.h"
#include "ValueSlot.h"
#include "VectorConst.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Parameters = QMap<QString, QString>;

const unsigned short allKinds[] = {1,  2,  5,  6,  8,  15, 16, 20, 21, 22, 23, 24, 25, 26,
                                   27, 28, 30, 31, 38, 40, 41, 46, 48, 49, 50, 51, 52, 53};

class Blocks : public testing::Test
{
protected:
    template <typename Kind = StateNode>
    std::unique_ptr<Kind> create(unsigned short maintype, unsigned short subtype = 0)
    {
        StateNode* block = StateNode::create(&program, program.canvas(), NodeType(maintype, subtype, QString()), 1);
        return std::unique_ptr<Kind>(dynamic_cast<Kind*>(block));
    }

    State program {0};
};

TEST_F(Blocks, EveryKindIsRegisteredWithItsMaintype)
{
    for (unsigned short maintype : allKinds) {
        ASSERT_TRUE(nodeFactories().contains(maintype)) << maintype;
        auto block = create(maintype);
        ASSERT_NE(block, nullptr) << maintype;
        EXPECT_EQ(block->type()->maintype(), maintype);
        EXPECT_EQ(block->type()->flags(), 5u) << maintype;
    }
}

TEST_F(Blocks, NewBlockParametersRoundTrip)
{
    for (unsigned short maintype : allKinds) {
        auto block = create(maintype);
        auto copy = create(maintype);
        const Parameters original = block->parameters();
        copy->setParameters(original);
        EXPECT_EQ(copy->parameters(), original) << maintype;
    }
}

TEST_F(Blocks, ExpectedKeysOfNewBlocks)
{
    struct Case
    {
        unsigned short maintype;
        Parameters keys;
    } cases[] = {
        {5, {{"countOnRisingEdge", "1"}, {"countOnFallingEdge", "0"}, {"resetOnStart", "1"}}},
        {6, {{"value", "0"}, {"row", "0"}}},
        {1, {{"ampSliderValue", "7"}, {"freqSliderValue", "2"}, {"pwSliderValue", "1"}}},
        {22, {{"x", "1"}, {"y", "0"}, {"system", "0"}}},
        {27, {{"depth", "1"}}},
        {52, {{"filename", ""}}},
        {21, {{"background", ""}, {"foreground", ""}}},
        {15, {}},
        {30, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(create(c.maintype)->parameters(), c.keys) << c.maintype;
    EXPECT_EQ(create(2)->parameters().size(), 23);
}

TEST(WorkspaceParameters, SavedAndLoadedBlocksKeepTheirStrings)
{
    ProgramRun run(QStringLiteral("allkinds.kdw"));
    ASSERT_TRUE(run.loaded());
    QMap<unsigned, Parameters> before;
    for (Node* node : run.state().cycleBlocks())
        before.insert(node->id(), node->parameters());
    ASSERT_EQ(before.size(), int(std::size(allKinds)));
    ASSERT_TRUE(run.saveAs(QStringLiteral("saved.kdw")));

    ProgramRun again(run.scratchPath(QStringLiteral("saved.kdw")));
    ASSERT_TRUE(again.loaded());
    for (Node* node : again.state().cycleBlocks())
        EXPECT_EQ(node->parameters(), before.value(node->id())) << node->type()->maintype();
}

TEST(WorkspaceParameters, OldLogicMaintypeLoadsAndSavesAsItsNewKind)
{
    ProgramRun run(QStringLiteral("logic.kdw"));
    ASSERT_TRUE(run.loaded());
    ASSERT_TRUE(run.saveAs(QStringLiteral("saved.kdw")));
    ProgramRun again(run.scratchPath(QStringLiteral("saved.kdw")));
    ASSERT_TRUE(again.loaded());
    int orGates = 0;
    for (Node* node : again.state().cycleBlocks()) {
        EXPECT_NE(node->type()->maintype(), 39);
        orGates += node->type()->maintype() == 49 && node->type()->subtype() == 0;
    }
    EXPECT_EQ(orGates, 2);
}

TEST_F(Blocks, CounterFlagsFromAMapWithoutKeysAreOff)
{
    auto counter = create<Counter>(5);
    counter->setParameters({{"other", "1"}});
    EXPECT_EQ(counter->parameters(),
              (Parameters {{"countOnRisingEdge", "0"}, {"countOnFallingEdge", "0"}, {"resetOnStart", "0"}}));
    counter->setParameters({{"countOnRisingEdge", "-1"}, {"countOnFallingEdge", "7"}, {"resetOnStart", "x"}});
    EXPECT_EQ(counter->parameters(),
              (Parameters {{"countOnRisingEdge", "0"}, {"countOnFallingEdge", "1"}, {"resetOnStart", "0"}}));
}

TEST(WorkspaceCounter, ResetOnStartDecidesWhetherARunContinuesTheCount)
{
    ProgramRun run(QStringLiteral("counter.kdw"));
    ASSERT_TRUE(run.loaded());
    run.writeInput({"1\t0", "0\t0", "1\t0", "0\t0"});
    run.run(4);
    run.stop();
    ASSERT_EQ(run.output().last(), QStringLiteral("2\t4\t-2"));
    // The first counter keeps its count over a restart; the others start at 0.
    for (Node* node : run.state().cycleBlocks()) {
        if (node->type()->maintype() == 5 && node->parameters().value("countOnFallingEdge") == "0"
            && node->type()->subtype() == 0)
            node->setParameters({{"countOnRisingEdge", "1"}, {"countOnFallingEdge", "0"}, {"resetOnStart", "0"}});
    }
    run.run(1);
    run.stop();
    EXPECT_EQ(run.output(), QStringList {"3\t1\t-1"});
}

TEST_F(Blocks, ConstNumbersAndLiveEdits)
{
    auto constant = create<Const>(6);
    constant->setParameters({{"value", "3.14159265"}, {"row", "4"}});
    EXPECT_EQ(constant->parameters(), (Parameters {{"value", "3.14159"}, {"row", "4"}}));
    constant->setParameters({{"value", "1.5e-3"}, {"row", "x"}});
    EXPECT_EQ(constant->parameters(), (Parameters {{"value", "0.0015"}, {"row", "0"}}));

    // While running an edit reaches the output at once, not one cycle later.
    auto* output = constant->slot(SlotSpec::Right, 0)->toValueSlot();
    constant->activate();
    EXPECT_EQ(output->value(), 0.0015f);
    constant->setValue(7.0f);
    EXPECT_EQ(output->value(), 7.0f);
    constant->deactivate();
    constant->setValue(9.0f);
    EXPECT_EQ(output->value(), 7.0f);
}

TEST_F(Blocks, SiggenKeepsFileValuesItCannotUse)
{
    auto generator = create<Siggen>(1);
    generator->setParameters({{"ampSliderValue", "-3"}, {"freqSliderValue", "9"}, {"pwSliderValue", "99999999"}});
    EXPECT_EQ(generator->parameters(),
              (Parameters {{"ampSliderValue", "-3"}, {"freqSliderValue", "9"}, {"pwSliderValue", "99999999"}}));
    const SiggenWaveform used = generator->waveform();
    EXPECT_FLOAT_EQ(used.amplitude, 0.1f);
    EXPECT_EQ(used.frequency, 0.5f);
    EXPECT_EQ(used.pulseWidth, 2000);

    generator->setParameters({});
    EXPECT_EQ(generator->parameters(),
              (Parameters {{"ampSliderValue", "0"}, {"freqSliderValue", "0"}, {"pwSliderValue", "0"}}));
}

TEST_F(Blocks, SmoothDepthFromAFile)
{
    auto smooth = create<Smooth>(27);
    const struct
    {
        const char* text;
        unsigned depth;
    } cases[] = {{"4", 4}, {"abc", 1}, {"", 1}, {"-2", 1}, {"250", 250}, {"0", 0}, {"4000000000", 10000}};
    for (const auto& c : cases) {
        smooth->setParameters({{"depth", c.text}});
        EXPECT_EQ(smooth->depth(), c.depth) << c.text;
    }
    smooth->setParameters({});
    EXPECT_EQ(smooth->depth(), 1u);
}

TEST_F(Blocks, SmoothDepthBeyondTheRingCountsNewSamplesAgain)
{
    auto smooth = create<Smooth>(27);
    smooth->setParameters({{"depth", "250"}});
    // The unconnected input delivers the transform's constant a: the samples 1 … 100.
    ValueSlot* input = smooth->slot(SlotSpec::Left, 0)->toValueSlot();
    input->setTransform(1);
    smooth->activate();
    for (int i = 1; i <= 100; ++i) {
        input->setParameter(0, float(i));
        smooth->updateActivationAndRead();
    }
    smooth->step();
    smooth->writeOutputs();
    // 250 terms: 100 … 1 twice, then 100 … 51 once more.
    EXPECT_FLOAT_EQ(smooth->slot(SlotSpec::Right, 0)->toValueSlot()->value(), (5050.0f * 2 + 3775.0f) / 250);
    smooth->setParameters({{"depth", "0"}});
    smooth->step();
    smooth->writeOutputs();
    EXPECT_EQ(smooth->slot(SlotSpec::Right, 0)->toValueSlot()->value(), 0.0f);
    smooth->deactivate();
}

TEST_F(Blocks, VectorConstLoadsBothForms)
{
    auto constant = create<VectorConst>(22);
    constant->setParameters({{"x", "0.5"}, {"y", "2"}, {"system", "1"}});
    EXPECT_NEAR(constant->vector().length(), 2.06155f, 1e-5);
    EXPECT_NEAR(constant->vector().angle(), 75.9638f, 1e-3);
    EXPECT_EQ(constant->system(), 1);
    constant->setParameters({{"x", "bad"}});
    EXPECT_EQ(constant->parameters(), (Parameters {{"x", "0"}, {"y", "0"}, {"system", "0"}}));
}

TEST_F(Blocks, TransferFunctionEditsAndParameters)
{
    auto transfer = create<TransferFunction>(26);
    transfer->addPoint({0.5f, 3});
    EXPECT_EQ(transfer->curve().points().size(), 3);
    EXPECT_EQ(transfer->curve().ymax(), 3);
    EXPECT_TRUE(transfer->removePoint(1));
    EXPECT_FALSE(transfer->removePoint(0));
    transfer->setParameters({{"count", "abc"}});
    EXPECT_EQ(transfer->parameters().value("count"), "2");
}

TEST_F(Blocks, ScopeParametersWithoutAnyKey)
{
    auto scope = create<Scope>(2);
    scope->setParameters({});
    for (int c = 0; c < Scope::channels; ++c) {
        EXPECT_FALSE(scope->channelEnable[c].load());
        EXPECT_FLOAT_EQ(scope->scaleY[c].load(), 0.1f);
        EXPECT_EQ(scope->triggerPoint[c].load(), 0);
    }
    EXPECT_EQ(scope->msPerDivision.load(), 500000u);
    EXPECT_EQ(scope->timeBaseText(), "500s");

    Parameters odd = scope->parameters();
    odd["timeScaleDialValue"] = "40";
    odd["scaleYdialValue1"] = "-7";
    odd["triggerPoint2"] = "-403";
    scope->setParameters(odd);
    EXPECT_EQ(scope->parameters(), odd); // saved as read
    EXPECT_EQ(scope->timeBaseText(), "20ms");
    EXPECT_FLOAT_EQ(scope->scaleY[1].load(), 0.1f);
    EXPECT_EQ(scope->triggerStart(2), 197);
}

TEST_F(Blocks, ScopeDialsStopAtTheirEnds)
{
    auto scope = create<Scope>(2);
    int changes = 0;
    QObject::connect(scope.get(), &Scope::timescaleChanged, [&changes] { ++changes; });
    scope->timeScaleDialUp();
    scope->timeScaleDialUp();
    scope->timeScaleDialUp();
    EXPECT_EQ(scope->timeScaleDialValue.load(), 13);
    EXPECT_EQ(scope->timeBaseText(), "20ms");
    EXPECT_EQ(changes, 2);
    for (int i = 0; i < 5; ++i)
        scope->scaleYDialDown(0);
    EXPECT_EQ(scope->scaleYText(0), "0.1");
    scope->scaleYdialValue[0] = 13;
    scope->scaleYDialUp(0);
    EXPECT_EQ(scope->scaleYdialValue[0].load(), 13);
}

TEST_F(Blocks, MultiInputMathFollowsItsInputCount)
{
    auto product = create<BasicMath2>(20, 2);
    product->activate();
    EXPECT_EQ(product->setSlotCount(SlotSpec::Left, 4), 4u);
    EXPECT_EQ(product->slot(SlotSpec::Left, 3)->spec().name(), "I4");
    product->updateActivationAndRead();
    product->step();
    product->writeOutputs();
    // Four unconnected inputs of 0: the product is 0.
    EXPECT_EQ(product->slot(SlotSpec::Right, 0)->toValueSlot()->value(), 0.0f);
    EXPECT_EQ(product->setSlotCount(SlotSpec::Left, 2), 2u);
    product->updateActivationAndRead();
    product->step();
    product->deactivate();
}

} // namespace
