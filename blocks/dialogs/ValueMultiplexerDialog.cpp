#include "ValueMultiplexerDialog.h"

#include "SlotSpec.h"
#include "ValueMultiplexer.h"

ValueMultiplexerDialog::ValueMultiplexerDialog(QWidget* view, ValueMultiplexer* block)
    //: Anzahl Ausgänge:
    : ChannelCountDialog(view, block, tr("Output channels:"),
                         {SlotSpec::Right, 0, ValueMultiplexer::minimumChannels, ValueMultiplexer::maximumChannels})
    , block(block)
{
}

NodeDialog* ValueMultiplexer::createDialog(QWidget* parent)
{
    return new ValueMultiplexerDialog(parent, this);
}
