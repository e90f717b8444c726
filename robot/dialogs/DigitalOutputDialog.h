#pragma once

#include "RobotPageDialog.h"

class DigitalOutput;

// The digital output's dialog: which output the block sets.
class DigitalOutputDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    DigitalOutputDialog(QWidget* view, DigitalOutput* block);
};
