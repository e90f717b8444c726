#include "RelayDialog.h"

#include "ChannelPage.h"
#include "Relay.h"

RelayDialog::RelayDialog(QWidget* view, Relay* block)
    : RobotPageDialog(view, block,
                      [block](QWidget* parent) -> QWidget* { return ChannelPage::forRelay(*block, parent); })
{
}
