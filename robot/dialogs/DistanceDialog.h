#pragma once

#include "RobotPageDialog.h"

class Distance;

// The distance sensor's dialog: which sensor the block reads.
class DistanceDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    DistanceDialog(QWidget* view, Distance* block);
};
