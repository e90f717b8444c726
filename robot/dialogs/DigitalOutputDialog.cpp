#include "DigitalOutputDialog.h"

#include "ChannelPage.h"
#include "DigitalOutput.h"

DigitalOutputDialog::DigitalOutputDialog(QWidget* view, DigitalOutput* block)
    : RobotPageDialog(view, block,
                      [block](QWidget* parent) -> QWidget* { return ChannelPage::forDigitalOutput(*block, parent); })
{
}
