#include "VectorMathDialog.h"

#include "SlotSpec.h"
#include "VectorMath.h"

VectorMathDialog::VectorMathDialog(QWidget* view, VectorMath* block)
    //: Anzahl Eingänge:
    : ChannelCountDialog(view, block, tr("Inputchannels:"),
                         {SlotSpec::Left, 0, VectorMath::minimumInputs, VectorMath::maximumInputs})
    , block(block)
{
}

void VectorMathDialog::channelCountChanged(int count)
{
    block->resizeInputs(count);
}

NodeDialog* VectorMath::createDialog(QWidget* parent)
{
    return new VectorMathDialog(parent, this);
}
