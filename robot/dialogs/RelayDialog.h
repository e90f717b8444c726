#pragma once

#include "RobotPageDialog.h"

class Relay;

// The relay block's dialog: which relay the block switches.
class RelayDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    RelayDialog(QWidget* view, Relay* block);
};
