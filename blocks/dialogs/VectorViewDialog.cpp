#include "VectorViewDialog.h"

#include "SlotSpec.h"
#include "VectorView.h"
#include "VectorViewDialogDraw.h"

#include <QVBoxLayout>

VectorViewDialog::VectorViewDialog(QWidget* view, VectorView* block)
    //: Anzahl Eingänge:
    : ChannelCountDialog(view, block, tr("Input channels:"),
                         {SlotSpec::Left, 0, VectorView::minimumInputs, VectorView::maximumInputs})
    , block(block)
{
}

QWidget* VectorViewDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    draw = new VectorViewDialogDraw(page, block);
    layout->addWidget(draw, 1);
    layout->addWidget(createCountRow(page));
    connect(this, &NodeDialog::updateCustomWidget, this, &VectorViewDialog::updateCustomWidget_Slot);
    return page;
}

void VectorViewDialog::updateCustomWidget_Slot(int)
{
    draw->redraw();
    draw->update();
}

void VectorViewDialog::channelCountChanged(int count)
{
    block->resizeValues(count);
}

NodeDialog* VectorView::createDialog(QWidget* parent)
{
    return new VectorViewDialog(parent, this);
}
