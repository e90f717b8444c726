// A block's inputs change in number while the cycle thread keeps reading them: the
// change waits for the step lock, so the reader never walks a slot being removed.
#include "Net.h"
#include "Slot.h"
#include "ValueSlot.h"
#include "spine_helper.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

TEST(EngineSlotCount, SlotsChangeWhileTheCycleThreadReads)
{
    RecordingShell shell;
    SpineTestProgram program;
    SpineTestNode* source = program.place(spine::valueBlock(0, 1), QPoint(60, 120));
    SpineTestNode* reader = program.place(spine::valueBlock(2, 0), QPoint(300, 120));
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(source->slot(SlotSpec::Right, 0));
    net->connectDock(reader->slot(SlotSpec::Left, 0));
    program.addNet(net);
    source->slot(SlotSpec::Right, 0)->toValueSlot()->setValue(3.0f);

    std::atomic<bool> done {false};
    std::atomic<int> cycles {0};
    std::thread cycle([&]() {
        while (!done.load()) {
            const std::lock_guard step(program.stepLockOf(reader));
            const std::lock_guard lists(program.listLock());
            reader->updateActivationAndRead();
            ++cycles;
        }
    });
    for (int round = 0; round < 100; ++round) {
        EXPECT_EQ(reader->setSlotCount(SlotSpec::Left, 2 + round % 7), 2u + round % 7);
        EXPECT_EQ(reader->setSlotCount(SlotSpec::Left, 2), 2u);
    }
    while (cycles.load() < 10)
        std::this_thread::yield();
    done.store(true);
    cycle.join();
    EXPECT_FLOAT_EQ(reader->slot(SlotSpec::Left, 0)->toValueSlot()->value(), 3.0f);
    EXPECT_EQ(reader->slotList().size(), 2);
}

} // namespace
