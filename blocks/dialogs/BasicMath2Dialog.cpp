#include "BasicMath2Dialog.h"

#include "BasicMath2.h"
#include "SlotSpec.h"

BasicMath2Dialog::BasicMath2Dialog(QWidget* view, BasicMath2* block)
    //: Anzahl Eingänge:
    : ChannelCountDialog(view, block, tr("Input channels:"),
                         {SlotSpec::Left, 0, BasicMath2::minimumInputs, BasicMath2::maximumInputs})
    , block(block)
{
}

void BasicMath2Dialog::channelCountChanged(int count)
{
    block->resizeValues(count);
}

NodeDialog* BasicMath2::createDialog(QWidget* parent)
{
    return new BasicMath2Dialog(parent, this);
}
