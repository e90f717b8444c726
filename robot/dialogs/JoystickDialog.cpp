#include "JoystickDialog.h"

#include "Joystick.h"
#include "JoystickPage.h"

JoystickDialog::JoystickDialog(QWidget* view, Joystick* block)
    : RobotPageDialog(view, block, [block](QWidget* parent) -> QWidget* { return new JoystickPage(*block, parent); })
{
}
