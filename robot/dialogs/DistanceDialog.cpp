#include "DistanceDialog.h"

#include "ChannelPage.h"
#include "Distance.h"

DistanceDialog::DistanceDialog(QWidget* view, Distance* block)
    : RobotPageDialog(view, block,
                      [block](QWidget* parent) -> QWidget* { return ChannelPage::forDistance(*block, parent); })
{
}
