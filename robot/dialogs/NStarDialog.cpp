#include "NStarDialog.h"

#include "NStar.h"
#include "NStarPage.h"

NStarDialog::NStarDialog(QWidget* view, NStar* block)
    : RobotPageDialog(view, block, [this, block](QWidget* parent) -> QWidget* {
        auto* page = new NStarPage(*block, parent);
        connect(this, &NodeDialog::updateCustomWidget, page, &NStarPage::updateCustomWidget_Slot);
        return page;
    })
{
}
