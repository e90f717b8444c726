// Input and output counts changed in the GUI thread while the cycle thread steps the
// program: the blocks that walk their slots must never reach a slot being removed.
#include "ProgramRun_helper.h"

#include "Node.h"
#include "SlotSpec.h"
#include "State.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <thread>

namespace {

struct ResizeCase
{
    const char* file;
    unsigned short maintype;
    int side;
    unsigned low;
    unsigned high;
};

// File, block type and slot range instead of a byte dump of the parameter.
void PrintTo(const ResizeCase& c, std::ostream* os)
{
    *os << c.file << " type " << c.maintype << (c.side == SlotSpec::Left ? " inputs " : " outputs ") << c.low << "-"
        << c.high;
}

class SlotCountWhileRunning : public testing::TestWithParam<ResizeCase>
{ };

TEST_P(SlotCountWhileRunning, CycleAndResizeDoNotCollide)
{
    const ResizeCase& c = GetParam();
    ProgramRun run(QString::fromLatin1(c.file));
    ASSERT_TRUE(run.loaded());
    Node* resized = nullptr;
    for (Node* node : run.state().cycleBlocks()) {
        if (node->type()->maintype() == c.maintype)
            resized = node;
    }
    ASSERT_NE(resized, nullptr);
    run.start();
    std::atomic<bool> done {false};
    std::thread cycle([&] {
        while (!done.load())
            run.state().step();
    });
    for (int round = 0; round < 200; ++round) {
        EXPECT_EQ(resized->setSlotCount(c.side, c.high), c.high);
        EXPECT_EQ(resized->setSlotCount(c.side, c.low), c.low);
    }
    done.store(true);
    cycle.join();
    run.stop();
}

INSTANTIATE_TEST_SUITE_P(Kinds, SlotCountWhileRunning,
                         testing::Values(ResizeCase {"basicmath2.kdw", 20, SlotSpec::Left, 3, 10},
                                         ResizeCase {"vectormath.kdw", 24, SlotSpec::Left, 3, 10},
                                         ResizeCase {"display.kdw", 21, SlotSpec::Left, 2, 10},
                                         ResizeCase {"multiplexer.kdw", 30, SlotSpec::Right, 3, 20},
                                         ResizeCase {"multiplexer.kdw", 31, SlotSpec::Left, 4, 21}));

} // namespace
