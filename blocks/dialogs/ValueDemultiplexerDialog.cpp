#include "ValueDemultiplexerDialog.h"

#include "SlotSpec.h"
#include "ValueDemultiplexer.h"

ValueDemultiplexerDialog::ValueDemultiplexerDialog(QWidget* view, ValueDemultiplexer* block)
    //: Anzahl Eingänge:
    : ChannelCountDialog(view, block, tr("Input channels:"),
                         {SlotSpec::Left, 1, ValueDemultiplexer::minimumChannels, ValueDemultiplexer::maximumChannels})
    , block(block)
{
}

NodeDialog* ValueDemultiplexer::createDialog(QWidget* parent)
{
    return new ValueDemultiplexerDialog(parent, this);
}
