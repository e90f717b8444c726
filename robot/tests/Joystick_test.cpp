// The game-controller manager and the joystick block with SDL virtual joysticks; force
// feedback goes to a fake that records what it was asked.
#include "Joystick.h"
#include "JoystickWin32.h"
#include "SlotSpec.h"
#include "robot_helper.h"

#include <QSignalSpy>

#include <SDL.h>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <vector>

namespace {

struct ForceCall
{
    int x, y, magnitude;
    bool operator==(const ForceCall& o) const { return x == o.x && y == o.y && magnitude == o.magnitude; }
};

class RecordingForce : public ForceFeedbackDevice
{
public:
    RecordingForce(int axes, std::shared_ptr<std::vector<ForceCall>> calls) : axes(axes), calls(std::move(calls)) { }
    int forceAxes() const override { return axes; }
    void apply(int x, int y, int magnitude) override { calls->push_back({x, y, magnitude}); }

private:
    int axes;
    std::shared_ptr<std::vector<ForceCall>> calls;
};

// One virtual controller with the given axes (SDL order X, Y, Z, Rx, Ry, Rz, sliders)
// and buttons, removed again at the end.
class VirtualController
{
public:
    VirtualController(int axes, int buttons)
    {
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, 0);
        device = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    }
    ~VirtualController()
    {
        detach();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    bool ok() const { return device != nullptr; }
    void setAxis(int axis, int value) { SDL_JoystickSetVirtualAxis(device, axis, static_cast<Sint16>(value)); }
    void setButton(int button, bool down) { SDL_JoystickSetVirtualButton(device, button, down ? 1 : 0); }
    void detach()
    {
        if (device)
            SDL_JoystickClose(device);
        device = nullptr;
        if (index >= 0)
            SDL_JoystickDetachVirtual(index);
        index = -1;
    }

private:
    int index = -1;
    SDL_Joystick* device = nullptr;
};

TEST(JoystickWin32, OutOfRangeIndexesGiveDefaults)
{
    JoystickWin32 manager;
    for (int index : {-1, 0, 7}) {
        EXPECT_TRUE(manager.name(index).isNull());
        EXPECT_EQ(manager.axisCount(index), 0u);
        EXPECT_EQ(manager.buttonCount(index), 0u);
        EXPECT_EQ(manager.sliderCount(index), 0u);
        EXPECT_FALSE(manager.poll(index));
        EXPECT_EQ(manager.axis(index, 0), 0);
        EXPECT_EQ(manager.slider(index, 0), 0);
        EXPECT_FALSE(manager.button(index, 0));
        manager.setForce(index, 3, 4);
        manager.stopForce(index);
    }
}

TEST(JoystickWin32, AxesInTheBlocksScaleWithDeadZone)
{
    VirtualController controller(2, 4);
    ASSERT_TRUE(controller.ok());
    JoystickWin32 manager;
    QSignalSpy scanned(&manager, &JoystickWin32::scanned);
    manager.scan();
    ASSERT_EQ(scanned.count(), 1);
    ASSERT_EQ(manager.count(), 1);
    EXPECT_EQ(manager.axisCount(0), 2u);
    EXPECT_EQ(manager.buttonCount(0), 4u);
    EXPECT_EQ(manager.sliderCount(0), 0u);
    EXPECT_FALSE(manager.name(0).isEmpty());

    const struct
    {
        int raw; // SDL value of X
        int scaled; // what axis 1 (X first) reads
    } cases[] = {{32767, -960}, {-32767, 960}, {0, 0}, {1311, 0}, {-1311, 0}, {-1376, 1}, {1376, -1}};
    for (const auto& c : cases) {
        controller.setAxis(0, c.raw);
        controller.setAxis(1, 16384);
        ASSERT_TRUE(manager.poll(0));
        EXPECT_EQ(manager.axis(0, 1), c.scaled) << c.raw;
        EXPECT_EQ(manager.axis(0, 0), -(16384 * 1000 / 32767) + 40) << "axis 0 reads Y";
        for (int k = 2; k <= 6; ++k)
            EXPECT_EQ(manager.axis(0, k), 0) << k;
    }
    controller.setButton(2, true);
    ASSERT_TRUE(manager.poll(0));
    EXPECT_TRUE(manager.button(0, 2));
    EXPECT_FALSE(manager.button(0, 1));
    EXPECT_FALSE(manager.button(0, 4));
}

TEST(JoystickWin32, ForceGoesToTheEffectByItsAxes)
{
    VirtualController controller(2, 1);
    ASSERT_TRUE(controller.ok());
    JoystickWin32 manager;
    manager.scan();
    ASSERT_EQ(manager.count(), 1);
    const struct
    {
        int axes;
        ForceCall expected;
    } cases[] = {{1, {0, 0, 3}}, {2, {3, 4, 5}}, {3, {3, 4, 5}}};
    for (const auto& c : cases) {
        auto calls = std::make_shared<std::vector<ForceCall>>();
        manager.setForceFeedback(0, std::make_unique<RecordingForce>(c.axes, calls));
        manager.setForce(0, 3, 4);
        manager.stopForce(0);
        ASSERT_EQ(calls->size(), 2u) << c.axes;
        EXPECT_TRUE((*calls)[0] == c.expected) << c.axes;
        EXPECT_TRUE(((*calls)[1] == ForceCall {0, 0, 0})) << c.axes;
    }
}

TEST(JoystickBlock, VirtualControllerDrivesTheOutputs)
{
    VirtualController controller(7, 4); // six axes and one slider
    ASSERT_TRUE(controller.ok());
    JoystickWin32 manager;
    joystickManager = &manager;
    manager.scan();
    ASSERT_EQ(manager.count(), 1);
    EXPECT_EQ(manager.sliderCount(0), 1u);
    auto calls = std::make_shared<std::vector<ForceCall>>();
    manager.setForceFeedback(0, std::make_unique<RecordingForce>(2, calls));

    OneBlockProgram program(9,
                            {{"joyNumber", "0"},
                             {"t0", "0"},
                             {"n0", "1"},
                             {"t1", "1"},
                             {"n1", "3"},
                             {"t2", "2"},
                             {"n2", "0"},
                             {"t3", "2"},
                             {"n3", "5"},
                             {"t4", "0"},
                             {"n4", "2"}},
                            {30.9f, -40.2f});
    ASSERT_TRUE(program.loaded());
    controller.setAxis(0, -32767); // X fully left
    controller.setAxis(2, 32767); // Z
    controller.setAxis(6, 16384); // the slider
    controller.setButton(3, true);
    program.cycle();
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 960.0f);
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 1), 1.0f);
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 2), 16384 * 1000 / 32767);
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 3), 0.0f); // slider 5 does not exist
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 4), -960.0f);
    ASSERT_FALSE(calls->empty());
    EXPECT_TRUE((calls->front() == ForceCall {30, -40, 50}));

    // Unplugged: the block forgets its controller, its outputs stay, the dialog hears of it.
    auto& block = static_cast<Joystick&>(program.block());
    QSignalSpy lost(&block, &Joystick::controllerLost);
    controller.detach();
    program.cycle();
    EXPECT_EQ(block.controller(), -1);
    EXPECT_TRUE(waitUntil([&] { return lost.count() == 1; }, 1000));
    program.cycle();
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 960.0f);
    joystickManager = nullptr;
}

} // namespace
