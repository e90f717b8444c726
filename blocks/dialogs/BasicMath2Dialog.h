#pragma once

#include "ChannelCountDialog.h"

class BasicMath2;

// Sets how many inputs the arithmetic block folds.
class BasicMath2Dialog : public ChannelCountDialog
{
    Q_OBJECT

public:
    BasicMath2Dialog(QWidget* view, BasicMath2* block);

protected:
    void channelCountChanged(int count) override;

private:
    BasicMath2* block;
};
