#include "ADCDialog.h"

#include "ADC.h"
#include "ChannelPage.h"

ADCDialog::ADCDialog(QWidget* view, ADC* block)
    : RobotPageDialog(view, block, [block](QWidget* parent) -> QWidget* { return ChannelPage::forADC(*block, parent); })
{
}
