// Image slots lend pool images along nets: the first input takes the handle, the others copies,
// and an image nobody took goes back to the pool.
#include "CameraCenter.h"
#include "CameraFileSource.h"
#include "CameraIntake.h"
#include "ImagePool.h"
#include "ImageSlot.h"
#include "Net.h"
#include "NetPoint.h"
#include "SegImageSlot.h"
#include "XKDImage.h"
#include "spine_helper.h"

#include <gtest/gtest.h>

namespace {

NodeType imageBlock(int inputs, int outputs, bool segmented)
{
    NodeType type;
    type.setName(QStringLiteral("ImageTest"));
    type.setFlags(NodeType::FunctionBlock);
    type.setMaintype(98);
    type.addSubtype(QStringLiteral("Image"), QString());
    for (int i = 1; i <= inputs; ++i) {
        if (segmented)
            type.addSegImageSlot(QStringLiteral("I%1").arg(i), SlotSpec::Input, SlotSpec::Left);
        else
            type.addImageSlot(QStringLiteral("I%1").arg(i), SlotSpec::Input, SlotSpec::Left);
    }
    for (int i = 1; i <= outputs; ++i) {
        if (segmented)
            type.addSegImageSlot(QStringLiteral("O%1").arg(i), SlotSpec::Output, SlotSpec::Right);
        else
            type.addImageSlot(QStringLiteral("O%1").arg(i), SlotSpec::Output, SlotSpec::Right);
    }
    return type;
}

class ImageSlots : public ::testing::Test
{
protected:
    ImagePool pool;
    RecordingShell shell;
    SpineTestProgram program;
    SpineTestNode* source = nullptr;
    SpineTestNode* sinks[3] = {};

    void SetUp() override { ImagePool::setGlobal(&pool); }
    void TearDown() override
    {
        program.deleteAll();
        ImagePool::setGlobal(nullptr);
    }

    void placeBlocks(bool segmented)
    {
        source = program.place(imageBlock(0, 1, segmented), QPoint(60, 120));
        sinks[0] = program.place(imageBlock(1, 0, segmented), QPoint(360, 60));
        sinks[1] = program.place(imageBlock(1, 0, segmented), QPoint(360, 240));
        sinks[2] = program.place(imageBlock(1, 0, segmented), QPoint(360, 420));
    }

    Slot* out() const { return source->slot(SlotSpec::Right, 0); }
    Slot* in(int i) const { return sinks[i]->slot(SlotSpec::Left, 0); }

    // The output joined to all three inputs through one junction.
    void connectAll()
    {
        Net* net = new Net(program.canvas(), &program);
        net->connectDock(out());
        net->addPoint(QPoint(180, 120));
        net->connectDock(in(0));
        program.addNet(net);
        for (int i = 1; i < 3; ++i) {
            NetPoint* junction = net->points().first();
            Net* branch = new Net(program.canvas(), &program);
            branch->connectDock(in(i));
            branch->addPoint(QPoint(240, 240 + 180 * (i - 1)));
            branch->connectDock(junction);
            program.mergeNet(branch, junction);
        }
    }

    ImageSlot* imageOut() const { return out()->toImageSlot(); }
    ImageSlot* imageIn(int i) const { return in(i)->toImageSlot(); }
};

TEST_F(ImageSlots, SlotFactoryMakesImageSlotsOfBothKinds)
{
    placeBlocks(false);
    ASSERT_NE(imageOut(), nullptr);
    SpineTestNode* segmented = program.place(imageBlock(1, 1, true), QPoint(600, 60));
    Slot* segIn = segmented->slot(SlotSpec::Left, 0);
    ASSERT_NE(dynamic_cast<SegImageSlot*>(segIn), nullptr);
    EXPECT_EQ(segIn->toImageSlot(), nullptr);
}

TEST_F(ImageSlots, FirstInputTakesTheHandleTheOthersCopies)
{
    placeBlocks(false);
    connectAll();
    const ImageHandle written = pool.acquire(1);
    pool.image(written)->setTag(31);
    imageOut()->setImage(written);
    for (int i = 0; i < 3; ++i)
        in(i)->fetch();
    EXPECT_EQ(imageIn(0)->heldImage(), written);
    EXPECT_NE(imageIn(1)->heldImage(), written);
    EXPECT_NE(imageIn(2)->heldImage(), imageIn(1)->heldImage());
    EXPECT_EQ(pool.image(imageIn(2)->heldImage())->tag(), 31u);
    EXPECT_EQ(pool.inUseCount(1), 3);
    // The next write does not give back the handle the first input took.
    imageOut()->setImage(pool.acquire(1));
    EXPECT_EQ(pool.inUseCount(1), 4);
    EXPECT_FALSE(pool.image(written) == nullptr);
}

TEST_F(ImageSlots, PoolInUseCountsStayFlatOverAThousandCycles)
{
    placeBlocks(false);
    connectAll();
    int inUseAfterFirstCycle = -1;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        imageOut()->setImage(pool.acquire(0)); // a camera block's write
        for (int i = 0; i < 3; ++i)
            in(i)->fetch();
        // Input 0's block takes and passes nothing on: it gives its image back itself.
        ImageHandle taken = imageIn(0)->image();
        pool.release(taken);
        if (cycle == 0)
            inUseAfterFirstCycle = pool.inUseCount(0);
        ASSERT_EQ(pool.inUseCount(0), inUseAfterFirstCycle) << cycle;
    }
    EXPECT_EQ(pool.imageCount(0), 10);
    for (int i = 0; i < 3; ++i)
        in(i)->reset();
    imageOut()->reset();
    EXPECT_EQ(pool.inUseCount(0), 0);
}

TEST_F(ImageSlots, CameraFramesAlongANetKeepThePoolFlat)
{
    placeBlocks(false);
    connectAll();
    CameraFileSource camera;
    ASSERT_TRUE(camera.load(QStringLiteral(VISION_TEST_DATA "/camera-320x240.jpg")));
    CameraCenter center;
    center.addUser(ColorFormat_t::RGB);
    center.addUser(ColorFormat_t::HSV);
    CameraIntake intake(camera, center);
    int inUseAfterFirstCycle = -1;
    // Each cycle decodes a frame: a hundred cycles show a flat pool as well as a thousand.
    for (int cycle = 0; cycle < 100; ++cycle) {
        intake.receiveImage();
        // The camera block writes its format's image; the HSV one nobody takes.
        imageOut()->setImage(intake.image(ColorFormat_t::RGB));
        for (int i = 0; i < 3; ++i)
            in(i)->fetch();
        for (int i = 1; i < 3; ++i) {
            ImageHandle taken = imageIn(i)->image();
            ASSERT_EQ(pool.image(taken)->tag(), static_cast<std::uint32_t>(cycle + 1));
            pool.release(taken);
        }
        if (cycle == 0)
            inUseAfterFirstCycle = pool.inUseCount(0);
        ASSERT_EQ(pool.inUseCount(0), inUseAfterFirstCycle) << cycle;
    }
    EXPECT_EQ(pool.imageCount(0), 10);
}

TEST_F(ImageSlots, TakingFromAnEmptySlotGivesNoneWithoutCounting)
{
    placeBlocks(false);
    EXPECT_TRUE(imageOut()->image().isNone());
    EXPECT_EQ(imageOut()->takeCount(), 0);
}

TEST_F(ImageSlots, UnconnectedInputGivesBackItsUntakenImage)
{
    placeBlocks(false);
    imageIn(0)->setImage(pool.acquire(2));
    in(0)->fetch();
    EXPECT_TRUE(imageIn(0)->heldImage().isNone());
    EXPECT_EQ(pool.inUseCount(2), 0);
}

TEST_F(ImageSlots, ResetOfASegmentedOutputGivesBackItsUntakenImage)
{
    placeBlocks(true);
    auto* output = dynamic_cast<SegImageSlot*>(out());
    ASSERT_NE(output, nullptr);
    output->setImage(pool.acquire(0));
    EXPECT_EQ(pool.inUseCount(0), 1);
    output->reset();
    EXPECT_EQ(pool.inUseCount(0), 0);
    // A taken one stays with its taker.
    output->setImage(pool.acquire(0));
    ImageHandle taken = output->image();
    output->reset();
    EXPECT_EQ(pool.inUseCount(0), 1);
    pool.release(taken);
}

TEST_F(ImageSlots, SegmentedImagesFlowAlongSegmentedNets)
{
    placeBlocks(true);
    connectAll();
    auto* output = dynamic_cast<SegImageSlot*>(out());
    const ImageHandle written = pool.acquire(0);
    output->setImage(written);
    for (int i = 0; i < 3; ++i)
        in(i)->fetch();
    EXPECT_EQ(dynamic_cast<SegImageSlot*>(in(0))->heldImage(), written);
    EXPECT_EQ(pool.inUseCount(0), 3);
}

TEST_F(ImageSlots, DestroyedSlotsGiveBackUntakenImages)
{
    placeBlocks(false);
    imageOut()->setImage(pool.acquire(1));
    program.deleteNode(source);
    EXPECT_EQ(pool.inUseCount(1), 0);
}

} // namespace
