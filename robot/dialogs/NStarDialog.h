#pragma once

#include "RobotPageDialog.h"

class NStar;

// The NorthStar block's dialog: the spot magnitudes, room, time stamp and spot count,
// refreshed from the cycle, and the origin and room commands.
class NStarDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    NStarDialog(QWidget* view, NStar* block);
};
