#pragma once

#include "RobotPageDialog.h"

class MapBuilder;

// The position view's dialog: the map with the robot on it and its zoom.
class MapBuilderDialog : public RobotPageDialog
{
    Q_OBJECT

public:
    MapBuilderDialog(QWidget* view, MapBuilder* block);
};
