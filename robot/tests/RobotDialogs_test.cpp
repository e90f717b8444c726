// The robot blocks' dialogs as a user opens them from the canvas: each block gets its own
// dialog with the page of its kind, or the standard pages alone where it has no settings;
// the NorthStar page follows the refreshes the cycle posts. Each dialog is rendered to a PNG.
#include "robot_helper.h"

#include "ADC.h"
#include "Bumper.h"
#include "ChannelPage.h"
#include "ControlPanel.h"
#include "ControlPanelPage.h"
#include "DigitalInput.h"
#include "DigitalOutput.h"
#include "Distance.h"
#include "Joystick.h"
#include "JoystickPage.h"
#include "MapBuilder.h"
#include "MapBuilderPage.h"
#include "MasterController.h"
#include "Motor.h"
#include "MotorPage.h"
#include "NStar.h"
#include "NStarPage.h"
#include "NodeDialog.h"
#include "NodeDialogUpdateEvent.h"
#include "Omnidrive.h"
#include "PathDriver.h"
#include "Relay.h"
#include "RobotPageDialog.h"
#include "StateNode.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct DialogCase
{
    const char* name;
    std::function<NodeType()> kind;
    const char* dialogClass; // empty: the standard pages only
    std::function<bool(QWidget*)> isItsPage;
};

template <typename Page>
bool is(QWidget* page)
{
    return qobject_cast<Page*>(page) != nullptr;
}

TEST(RobotDialogs, EachBlockOpensItsOwnDialog)
{
    const DialogCase cases[] = {
        {"joystick", Joystick::nodeType, "JoystickDialog", is<JoystickPage>},
        {"control_panel", ControlPanel::nodeType, "ControlPanelDialog", is<ControlPanelPage>},
        {"digital_output", DigitalOutput::nodeType, "DigitalOutputDialog", is<ChannelPage>},
        {"digital_input", DigitalInput::nodeType, "DigitalInputDialog", is<ChannelPage>},
        {"adc", ADC::nodeType, "ADCDialog", is<ChannelPage>},
        {"distance", Distance::nodeType, "DistanceDialog", is<ChannelPage>},
        {"relay", Relay::nodeType, "RelayDialog", is<ChannelPage>},
        {"motor", Motor::nodeType, "MotorDialog", is<MotorPage>},
        {"northstar", NStar::nodeType, "NStarDialog", is<NStarPage>},
        {"position_view", MapBuilder::nodeType, "MapBuilderDialog", is<MapBuilderPage>},
        {"bumper", Bumper::nodeType, "", nullptr},
        {"master_controller", MasterController::nodeType, "", nullptr},
        {"omnidrive", Omnidrive::nodeType, "", nullptr},
        {"path_driver", PathDriver::nodeType, "", nullptr},
    };
    QWidget area;
    area.resize(900, 700);
    area.show();
    for (const DialogCase& c : cases) {
        OneBlockProgram program(c.kind().maintype(), {}, {}, false);
        ASSERT_TRUE(program.loaded()) << c.name;
        auto* block = dynamic_cast<StateNode*>(&program.block());
        ASSERT_TRUE(block) << c.name;
        block->showDialog(&area, false);
        NodeDialog* dialog = block->dialog();
        ASSERT_TRUE(dialog) << c.name;
        QCoreApplication::processEvents();
        if (*c.dialogClass) {
            EXPECT_STREQ(dialog->metaObject()->className(), c.dialogClass);
            EXPECT_EQ(dialog->pageCount(), 3) << c.name;
            auto* withPage = qobject_cast<RobotPageDialog*>(dialog);
            ASSERT_TRUE(withPage) << c.name;
            EXPECT_TRUE(c.isItsPage(withPage->page())) << c.name;
        } else {
            EXPECT_EQ(dialog->pageCount(), 2) << c.name;
            EXPECT_EQ(dialog->pageWidget(NodeDialog::CustomPage), nullptr) << c.name;
        }
        EXPECT_TRUE(dialog->grab().save(QStringLiteral(DRASVEL_ROBOT_PNG_DIR "/dialog_%1.png").arg(c.name)));
        dialog->close();
        QCoreApplication::processEvents();
    }
}

TEST(RobotDialogs, NorthStarPageFollowsTheCyclesRefresh)
{
    OneBlockProgram program(NStar::nodeType().maintype(), {}, {}, false);
    ASSERT_TRUE(program.loaded());
    auto* block = dynamic_cast<StateNode*>(&program.block());
    QWidget area;
    area.resize(600, 400);
    area.show();
    block->showDialog(&area, false);
    auto* dialog = qobject_cast<RobotPageDialog*>(block->dialog());
    ASSERT_TRUE(dialog);
    QCoreApplication::processEvents();
    int refreshes = 0;
    QObject::connect(dialog, &NodeDialog::updateCustomWidget, [&refreshes](int) { ++refreshes; });
    QCoreApplication::postEvent(block, new NodeDialogUpdateEvent(0));
    EXPECT_TRUE(waitUntil([&refreshes] { return refreshes == 1; }, 2000));
    dialog->close();
}

} // namespace
