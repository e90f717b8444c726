#pragma once

#include "ChannelCountDialog.h"

class VectorMath;

// Sets how many vectors the vector arithmetic block adds or subtracts.
class VectorMathDialog : public ChannelCountDialog
{
    Q_OBJECT

public:
    VectorMathDialog(QWidget* view, VectorMath* block);

protected:
    void channelCountChanged(int count) override;

private:
    VectorMath* block;
};
