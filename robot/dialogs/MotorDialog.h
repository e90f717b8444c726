#pragma once

#include "RobotPageDialog.h"

class Motor;

// The motor block's dialog: the motor and its controller gains.
class MotorDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    MotorDialog(QWidget* view, Motor* block);
};
