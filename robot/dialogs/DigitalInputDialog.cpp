#include "DigitalInputDialog.h"

#include "ChannelPage.h"
#include "DigitalInput.h"

DigitalInputDialog::DigitalInputDialog(QWidget* view, DigitalInput* block)
    : RobotPageDialog(view, block,
                      [block](QWidget* parent) -> QWidget* { return ChannelPage::forDigitalInput(*block, parent); })
{
}
