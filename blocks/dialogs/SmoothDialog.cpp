#include "SmoothDialog.h"

#include "Smooth.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

SmoothDialog::SmoothDialog(QWidget* view, Smooth* block) : NodeDialog(view, block), block(block)
{
}

QWidget* SmoothDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    //: Tiefe:
    layout->addWidget(new QLabel(tr("Depth:"), page));
    depthBox = new QSpinBox(page);
    depthBox->setRange(1, int(Smooth::ringSize));
    depthBox->setSingleStep(1);
    depthBox->setValue(int(block->depth()));
    layout->addWidget(depthBox);
    connect(depthBox, &QSpinBox::valueChanged, this, &SmoothDialog::valueChanged);
    return page;
}

// The depth is saved with the program, so a change marks it modified.
void SmoothDialog::valueChanged(int v)
{
    block->setDepth(unsigned(v));
    setNodeModified();
}

NodeDialog* Smooth::createDialog(QWidget* parent)
{
    return new SmoothDialog(parent, this);
}
