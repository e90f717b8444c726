#pragma once

#include "RobotPageDialog.h"

class DigitalInput;

// The digital input's dialog: which input the block reads.
class DigitalInputDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    DigitalInputDialog(QWidget* view, DigitalInput* block);
};
