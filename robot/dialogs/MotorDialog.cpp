#include "MotorDialog.h"

#include "Motor.h"
#include "MotorPage.h"

MotorDialog::MotorDialog(QWidget* view, Motor* block)
    : RobotPageDialog(view, block, [block](QWidget* parent) -> QWidget* { return new MotorPage(*block, parent); })
{
}
