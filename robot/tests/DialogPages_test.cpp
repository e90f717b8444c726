// The robot blocks' dialog pages on real widgets, the position map's geometry and mouse
// handling; every page is rendered to a PNG.
#include "ChannelBlock.h"
#include "ChannelPage.h"
#include "ComboBox.h"
#include "ControlPanel.h"
#include "ControlPanelPage.h"
#include "Joystick.h"
#include "JoystickPage.h"
#include "JoystickWin32.h"
#include "KDMapBuilder.h"
#include "KDMapBuilderView.h"
#include "MapBuilder.h"
#include "MapBuilderPage.h"
#include "MapGeometry.h"
#include "MapView.h"
#include "Motor.h"
#include "MotorPage.h"
#include "NStar.h"
#include "NStarMagBar.h"
#include "NStarPage.h"
#include "RobotView.h"
#include "Ruler.h"
#include "SlotSpec.h"
#include "robot_helper.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <SDL.h>

#include <gtest/gtest.h>

namespace {

void render(QWidget& widget, const char* name, QSize size = QSize())
{
    if (size.isValid())
        widget.resize(size);
    else
        widget.adjustSize();
    widget.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(QStringLiteral(DRASVEL_ROBOT_PNG_DIR "/%1.png").arg(QLatin1String(name))));
}

TEST(MapGeometry, WorldToCanvasAndHeading)
{
    EXPECT_EQ(MapGeometry::canvasPoint(0, 0), QPoint(500, 500));
    EXPECT_EQ(MapGeometry::canvasPoint(100, 200), QPoint(600, 300));
    EXPECT_EQ(MapGeometry::canvasPoint(10.9, -10.9), QPoint(510, 510));
    EXPECT_EQ(MapGeometry::canvasPoint(std::nan(""), 1e300), QPoint(500, 500 - 1000000));
    EXPECT_EQ(MapGeometry::headingLine(100, 100, 0), QLine(115, 100, 135, 100));
    EXPECT_EQ(MapGeometry::headingLine(100, 100, 90), QLine(100, 85, 100, 65));
}

TEST(MapGeometry, RulerTicksAndLabels)
{
    const std::vector<MapGeometry::Tick> ticks = MapGeometry::rulerTicks(-212.4, 1.0, 0, 400);
    ASSERT_GE(ticks.size(), 8u);
    QStringList labels;
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(ticks[i].pixel, 12 + 50 * static_cast<int>(i));
        labels << ticks[i].label;
    }
    EXPECT_EQ(labels, (QStringList {"-200", "-150", "-100", "-50", "0.00", "50.0", "100", "150"}));
    EXPECT_EQ(MapGeometry::rulerTicks(0, 2.0, 0, 100).size(), 3u); // 25 units, 50 pixels apart
    EXPECT_TRUE(MapGeometry::rulerTicks(0, 0.0, 0, 100).empty());
}

class PositionMap : public testing::Test
{
protected:
    PositionMap() : view(nullptr, &model)
    {
        view.resize(420, 420);
        view.setZoom(100);
        view.show();
        QCoreApplication::processEvents();
        view.map()->centerOn(500, 500);
    }

    QPoint onScreen(QPointF canvas) const { return view.map()->mapFromScene(canvas); }

    KDMapBuilder model;
    KDMapBuilderView view;
};

TEST_F(PositionMap, DraggingTheVirtualRobotMovesItsWorldPose)
{
    QWidget* port = view.map()->viewport();
    const QPoint start = onScreen(QPointF(500, 500));
    QTest::mouseMove(port, start);
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent move(QEvent::MouseMove, start + QPoint(10, -10), port->mapToGlobal(start + QPoint(10, -10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(port, &move);
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, start + QPoint(10, -10));
    EXPECT_DOUBLE_EQ(model.virtualRobotPose().x, 10.0);
    EXPECT_DOUBLE_EQ(model.virtualRobotPose().y, 10.0);

    // The heading line of the virtual robot at (10, 10) runs from canvas x 525 to 545.
    const QPoint line = onScreen(QPointF(540, 490));
    QMouseEvent hover(QEvent::MouseMove, line, port->mapToGlobal(line), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(port, &hover);
    QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, line);
    QMouseEvent turn(QEvent::MouseMove, line - QPoint(0, 45), port->mapToGlobal(line - QPoint(0, 45)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(port, &turn);
    QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, line - QPoint(0, 45));
    EXPECT_DOUBLE_EQ(model.virtualRobotPose().phi, 45.0);
}

TEST_F(PositionMap, HeadingsAreReportedWithinOneTurn)
{
    const struct
    {
        double set, reported;
    } cases[] = {{-30, 330}, {370, 10}, {360, 360}, {std::numeric_limits<double>::infinity(), 0}};
    for (const auto& c : cases) {
        view.map()->virtualRobot()->setPose(500, 500, c.set);
        EXPECT_DOUBLE_EQ(model.virtualRobotPose().phi, c.reported) << c.set;
    }
}

TEST_F(PositionMap, PosesArriveThroughPostedEvents)
{
    model.setRobotPose(100, 200, 45);
    model.setVirtualRobotPose(-50.7, 20.2, 90);
    EXPECT_EQ(view.map()->robot()->position(), QPointF(500, 500)) << "nothing before the events are handled";
    QCoreApplication::processEvents();
    EXPECT_EQ(view.map()->robot()->position(), QPointF(600, 300));
    EXPECT_EQ(view.map()->virtualRobot()->position(), QPointF(450, 480));
    EXPECT_DOUBLE_EQ(model.virtualRobotPose().x, -50.0) << "the map reports back what it draws";
}

TEST_F(PositionMap, ZoomKeepsTheCentreAndRulersFollow)
{
    const QPointF before = view.map()->mapToScene(view.map()->viewport()->rect().center());
    view.setZoom(200);
    const QPointF after = view.map()->mapToScene(view.map()->viewport()->rect().center());
    EXPECT_NEAR(before.x(), after.x(), 1.0);
    EXPECT_NEAR(before.y(), after.y(), 1.0);
    EXPECT_DOUBLE_EQ(view.horizontalRuler()->zoom(), 2.0);
    const QPointF corner = view.map()->lowerLeft();
    EXPECT_DOUBLE_EQ(view.horizontalRuler()->start(), corner.x());
}

TEST(MapBuilderPage, ViewSettingsSurviveTheDialog)
{
    OneBlockProgram program(43, {{"contentsX", "300"}, {"contentsY", "280"}, {"zoom", "0"}}, {}, false);
    ASSERT_TRUE(program.loaded());
    auto& block = static_cast<MapBuilder&>(program.block());
    EXPECT_DOUBLE_EQ(block.zoom(), 100.0) << "an unusable zoom is clamped";
    block.model().setRobotPose(-120, 80, 30);
    block.model().setVirtualRobotPose(150, 60, 200);
    {
        MapBuilderPage page(block);
        render(page, "position_view_page", QSize(460, 460));
        EXPECT_EQ(page.zoomBox()->value(), 100);
        EXPECT_EQ(page.view()->contentsX(), 300);
        page.zoomBox()->setValue(150);
        page.view()->setContentsPos(320, 310);
        EXPECT_EQ(block.parameters().value("contentsX"), "320");
        EXPECT_EQ(block.parameters().value("zoom"), "150");
    }
    EXPECT_EQ(block.contentsX(), 320);
    EXPECT_EQ(block.contentsY(), 310);
    EXPECT_DOUBLE_EQ(block.zoom(), 150.0);
    EXPECT_EQ(block.parameters().value("KDMapBuilder_virtualRobotPhi"), "200");
}

TEST(DialogPages, MotorPageGains)
{
    OneBlockProgram program(14, {{"motor", "2"}}, {}, false);
    ASSERT_TRUE(program.loaded());
    auto& motor = static_cast<Motor&>(program.block());
    MotorPage page(motor);
    EXPECT_EQ(page.slider(0)->value(), 229);
    EXPECT_EQ(page.slider(1)->value(), 2);
    EXPECT_EQ(page.slider(2)->value(), 0);
    EXPECT_EQ(page.valueLabel(0)->text(), "0.900");
    EXPECT_EQ(page.valueLabel(1)->text(), "0.010");
    EXPECT_EQ(page.valueLabel(2)->text(), "0.000");
    EXPECT_EQ(page.list()->count(), 1) << "no robot: only \" --- \"";
    render(page, "motor_page", QSize(260, 150));
    page.slider(0)->setValue(255);
    EXPECT_EQ(motor.kp(), 255 * MotorPage::gainStep);
    EXPECT_EQ(page.valueLabel(0)->text(), "1.000");
}

TEST(DialogPages, ChannelPages)
{
    OneBlockProgram program(34, {}, {}, false);
    ASSERT_TRUE(program.loaded());
    auto& block = static_cast<ChannelBlock&>(program.block());
    std::unique_ptr<ChannelPage> page(ChannelPage::forDigitalOutput(block));
    ASSERT_EQ(page->list()->count(), 9);
    EXPECT_EQ(page->list()->itemText(8), "DO 7");
    page->channelChanged_Slot(3);
    EXPECT_EQ(block.channel(), 3u);
    EXPECT_EQ(block.parameters().value("output"), "3");
    render(*page, "digital_output_page", QSize(200, 60));

    SimulatedRobotLink link;
    ASSERT_TRUE(link.connect());
    OneBlockProgram distance(19, {{"distance", "2"}}, {}, false);
    std::unique_ptr<ChannelPage> sensors(ChannelPage::forDistance(static_cast<ChannelBlock&>(distance.block())));
    ASSERT_EQ(sensors->list()->count(), 10);
    EXPECT_EQ(sensors->list()->itemText(1), "Distance 1");
    EXPECT_EQ(sensors->list()->currentIndex(), 2);
    OneBlockProgram adc(33, {}, {}, false);
    std::unique_ptr<ChannelPage> inputs(ChannelPage::forADC(static_cast<ChannelBlock&>(adc.block())));
    EXPECT_EQ(inputs->list()->itemText(1), "AIN 0");
}

TEST(DialogPages, NorthStarPageAndBars)
{
    NStarMagBar bar(nullptr, 65535);
    bar.resize(20, 100);
    bar.setValue(65535);
    EXPECT_EQ(bar.barHeight(), 100);
    bar.setValue(32767);
    EXPECT_EQ(bar.barHeight(), 49);

    SimulatedRobotLink link;
    ASSERT_TRUE(link.connect());
    OneBlockProgram program(42, {}, {});
    ASSERT_TRUE(program.loaded());
    auto& nstar = static_cast<NStar&>(program.block());
    // The robot's answer can come in a cycle late on a loaded machine.
    EXPECT_TRUE(waitUntil(
        [&] {
            program.cycle();
            return nstar.magnitude0() != 0;
        },
        3000));
    NStarPage page(nstar);
    EXPECT_EQ(page.bar(0)->value(), 20000u);
    page.roomBox()->setValue(3);
    EXPECT_EQ(nstar.command().room, 3);
    render(page, "northstar_page", QSize(320, 200));
}

TEST(DialogPages, ControlPanelClicksAddUp)
{
    OneBlockProgram program(37, {}, {});
    ASSERT_TRUE(program.loaded());
    auto& panel = static_cast<ControlPanel&>(program.block());
    ControlPanelPage page(panel);
    QTest::mouseClick(page.button("nw"), Qt::LeftButton);
    QTest::mouseClick(page.button("nw"), Qt::LeftButton);
    program.cycle();
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 40.0f);
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 1), 40.0f);
    QTest::mouseClick(page.button("ccl"), Qt::LeftButton);
    page.speedSlider()->setValue(50);
    program.cycle();
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 100.0f);
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 2), 50.0f);
    QTest::mouseClick(page.button("controlpanelstop"), Qt::LeftButton);
    program.cycle();
    EXPECT_FLOAT_EQ(program.output(SlotSpec::Right, 0), 0.0f);
    render(page, "control_panel_page");
}

TEST(DialogPages, JoystickPageListsControls)
{
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 7, 4, 0);
    ASSERT_GE(device, 0);
    {
        JoystickWin32 manager;
        joystickManager = &manager;
        manager.scan();
        OneBlockProgram program(9, {{"joyNumber", "5"}}, {}, false);
        ASSERT_TRUE(program.loaded());
        auto& joystick = static_cast<Joystick&>(program.block());
        JoystickPage page(joystick);
        EXPECT_EQ(joystick.controller(), -1) << "a stored controller beyond the attached ones is dropped";
        EXPECT_EQ(page.controllerList()->count(), 2);
        page.list_activated(1);
        page.list_activated(1);
        ASSERT_EQ(page.outputList(0)->count(), 11);
        EXPECT_EQ(page.outputList(0)->itemText(6), "Button0");
        EXPECT_EQ(page.outputList(0)->itemText(10), "Slider0");
        page.comboActivated(10, 2);
        EXPECT_EQ(joystick.descriptor(2).kind, Joystick::SliderKind);
        EXPECT_EQ(joystick.descriptor(2).number, 0);
        page.comboActivated(7, 1);
        EXPECT_EQ(joystick.descriptor(1).kind, Joystick::ButtonKind);
        EXPECT_EQ(joystick.descriptor(1).number, 1);
        page.outputList(2)->setCurrentIndex(10);
        render(page, "joystick_page", QSize(260, 200));
        page.list_activated(0);
        EXPECT_EQ(joystick.controller(), -1);
        EXPECT_EQ(page.outputList(0)->count(), 0);
        joystickManager = nullptr;
    }
    SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

} // namespace
