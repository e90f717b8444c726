#pragma once

#include "RobotPageDialog.h"

class ADC;

// The analogue input's dialog: which input the block reads.
class ADCDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    ADCDialog(QWidget* view, ADC* block);
};
