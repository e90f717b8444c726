#include "ControlPanelDialog.h"

#include "ControlPanel.h"
#include "ControlPanelPage.h"

ControlPanelDialog::ControlPanelDialog(QWidget* view, ControlPanel* block)
    : RobotPageDialog(view, block,
                      [block](QWidget* parent) -> QWidget* { return new ControlPanelPage(*block, parent); })
{
}
