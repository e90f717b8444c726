#include "MapBuilderDialog.h"

#include "MapBuilder.h"
#include "MapBuilderPage.h"

MapBuilderDialog::MapBuilderDialog(QWidget* view, MapBuilder* block)
    : RobotPageDialog(view, block, [block](QWidget* parent) -> QWidget* { return new MapBuilderPage(*block, parent); })
{
}
