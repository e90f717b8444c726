#pragma once

#include "ChannelCountDialog.h"

class VectorView;
class VectorViewDialogDraw;

// The vector view's page: the drawing over the number of inputs.
class VectorViewDialog : public ChannelCountDialog
{
    Q_OBJECT

public:
    VectorViewDialog(QWidget* view, VectorView* block);

    QWidget* createCustomWidget(QWidget* parent) override;
    VectorViewDialogDraw* drawing() const { return draw; }

public Q_SLOTS:
    void updateCustomWidget_Slot(int id);

protected:
    void channelCountChanged(int count) override;

private:
    VectorView* block;
    VectorViewDialogDraw* draw = nullptr;
};
