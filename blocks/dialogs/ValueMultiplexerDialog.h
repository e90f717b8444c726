#pragma once

#include "ChannelCountDialog.h"

class ValueMultiplexer;

// Sets how many outputs the multiplexer routes to.
class ValueMultiplexerDialog : public ChannelCountDialog
{
    Q_OBJECT

public:
    ValueMultiplexerDialog(QWidget* view, ValueMultiplexer* block);

private:
    ValueMultiplexer* block;
};
