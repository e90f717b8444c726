#include "CounterDialog.h"

#include "Counter.h"

#include <QCheckBox>
#include <QVBoxLayout>

CounterDialog::CounterDialog(QWidget* view, Counter* block) : NodeDialog(view, block), block(block)
{
}

QWidget* CounterDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    //: Auf steigender Flanke zählen
    risingEdge =
        addBox(layout, tr("Count on rising edge"), block->countOnRisingEdge, &CounterDialog::countOnRisingEdgeToggled);
    //: Auf fallender Flanke zählen
    fallingEdge = addBox(layout, tr("Count on falling edge"), block->countOnFallingEdge,
                         &CounterDialog::countOnFallingEdgeToggled);
    //: Bei Start auf Null setzen
    resetOnStart = addBox(layout, tr("Reset on start"), block->resetOnStart, &CounterDialog::resetOnStartToggled);
    return page;
}

QCheckBox* CounterDialog::addBox(QLayout* layout, const QString& text, bool on, void (CounterDialog::*toggled)(bool))
{
    auto* box = new QCheckBox(text, layout->parentWidget());
    box->setChecked(on);
    layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, toggled);
    return box;
}

void CounterDialog::resetOnStartToggled(bool on)
{
    setNodeModified();
    block->resetOnStart = on;
}

void CounterDialog::countOnRisingEdgeToggled(bool on)
{
    setNodeModified();
    block->countOnRisingEdge = on;
}

void CounterDialog::countOnFallingEdgeToggled(bool on)
{
    setNodeModified();
    block->countOnFallingEdge = on;
}

NodeDialog* Counter::createDialog(QWidget* parent)
{
    return new CounterDialog(parent, this);
}
