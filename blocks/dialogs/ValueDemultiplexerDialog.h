#pragma once

#include "ChannelCountDialog.h"

class ValueDemultiplexer;

// Sets how many data inputs the demultiplexer chooses from (Select stays first).
class ValueDemultiplexerDialog : public ChannelCountDialog
{
    Q_OBJECT

public:
    ValueDemultiplexerDialog(QWidget* view, ValueDemultiplexer* block);

private:
    ValueDemultiplexer* block;
};
