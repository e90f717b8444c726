#include "RobotBlocks.h"

#include "ADC.h"
#include "Bumper.h"
#include "ControlPanel.h"
#include "DigitalInput.h"
#include "DigitalOutput.h"
#include "Distance.h"
#include "Joystick.h"
#include "MapBuilder.h"
#include "MasterController.h"
#include "Motor.h"
#include "NStar.h"
#include "Omnidrive.h"
#include "PathDriver.h"
#include "Relay.h"

void registerRobotBlocks()
{
    Distance::nodeType();
    DigitalInput::nodeType();
    ADC::nodeType();
    Bumper::nodeType();
    Motor::nodeType();
    DigitalOutput::nodeType();
    Relay::nodeType();
    Omnidrive::nodeType();
    MasterController::nodeType();
    NStar::nodeType();
    Joystick::nodeType();
    ControlPanel::nodeType();
    MapBuilder::nodeType();
    PathDriver::nodeType();
}
