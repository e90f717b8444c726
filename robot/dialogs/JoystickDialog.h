#pragma once

#include "RobotPageDialog.h"

class Joystick;

// The joystick block's dialog: the controller and the control behind each output.
class JoystickDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    JoystickDialog(QWidget* view, Joystick* block);
};
