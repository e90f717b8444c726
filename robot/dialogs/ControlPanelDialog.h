#pragma once

#include "RobotPageDialog.h"

class ControlPanel;

// The control panel's dialog: direction buttons and the speed slider.
class ControlPanelDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    ControlPanelDialog(QWidget* view, ControlPanel* block);
};
