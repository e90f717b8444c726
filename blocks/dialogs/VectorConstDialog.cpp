#include "VectorConstDialog.h"

#include "NumberText.h"
#include "VectorConst.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QHBoxLayout* addRow(QVBoxLayout* layout, QWidget* first, QWidget* second)
{
    auto* row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(second);
    layout->addLayout(row);
    return row;
}

} // namespace

VectorConstDialog::VectorConstDialog(QWidget* view, VectorConst* block) : NodeDialog(view, block), block(block)
{
}

QWidget* VectorConstDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setMinimumSize(200, 70);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->setSpacing(6);
    system = new QComboBox(page);
    //: kartesisch
    system->addItem(tr("cartesian"));
    system->addItem(tr("polar"));
    // A hand-edited file may hold another number; it is shown as cartesian.
    const bool polar = block->system() == 1;
    system->setCurrentIndex(polar ? 1 : 0);
    layout->addWidget(system);
    label0 = new QLabel(page);
    label1 = new QLabel(page);
    const Vector vector = block->vector();
    value0 = polar ? vector.length() : vector.x();
    value1 = polar ? vector.angle() : vector.y();
    input0 = new QLineEdit(numberText(value0), page);
    input1 = new QLineEdit(numberText(value1), page);
    showLabels(polar);
    if (polar)
        label0->setText(tr("Length"));
    addRow(layout, label0, input0);
    addRow(layout, label1, input1);
    apply = new QPushButton(QObject::tr("Apply"), page);
    cancel = new QPushButton(QObject::tr("Cancel"), page);
    addRow(layout, apply, cancel);
    enableButtons(false);
    connect(system, &QComboBox::activated, this, &VectorConstDialog::systemActivated);
    connect(input0, &QLineEdit::textChanged, this, &VectorConstDialog::input0_textChanged);
    connect(input1, &QLineEdit::textChanged, this, &VectorConstDialog::input1_textChanged);
    connect(apply, &QPushButton::clicked, this, &VectorConstDialog::apply_pushButton_clicked);
    connect(cancel, &QPushButton::clicked, this, &VectorConstDialog::cancel_pushButton_clicked);
    return page;
}

void VectorConstDialog::showLabels(bool polar)
{
    //: Länge:
    label0->setText(polar ? tr("Length:") : QStringLiteral("x:"));
    //: Direction
    label1->setText(polar ? tr("Phi:") : QStringLiteral("y:"));
}

void VectorConstDialog::enableButtons(bool on)
{
    apply->setEnabled(on);
    cancel->setEnabled(on);
}

float VectorConstDialog::readInput0()
{
    return readInput(input0, value0);
}

float VectorConstDialog::readInput1()
{
    return readInput(input1, value1);
}

// A bad entry gives way to the field's last good value; a good one is shown normalised.
float VectorConstDialog::readInput(QLineEdit* field, float& last)
{
    bool ok = false;
    const float value = field->text().toFloat(&ok);
    if (ok)
        last = value;
    const QSignalBlocker blocker(field);
    field->setText(numberText(last));
    return last;
}

void VectorConstDialog::apply_pushButton_clicked()
{
    Vector vector = block->vector();
    if (block->system() == 0) {
        vector.setX(readInput0());
        vector.setY(readInput1());
    } else if (block->system() == 1) {
        vector.setLength(readInput0());
        vector.setAngle(readInput1());
    }
    block->setVector(vector);
    setNodeModified();
    enableButtons(false);
}

void VectorConstDialog::cancel_pushButton_clicked()
{
    enableButtons(false);
}

void VectorConstDialog::input0_textChanged(const QString&)
{
    enableButtons(true);
}

void VectorConstDialog::input1_textChanged(const QString&)
{
    enableButtons(true);
}

void VectorConstDialog::systemActivated(int index)
{
    block->setSystem(index);
    setNodeModified();
    Vector scratch;
    const bool polar = index != 0;
    showLabels(polar);
    if (polar) {
        scratch.setX(readInput0());
        scratch.setY(readInput1());
        input0->setText(numberText(scratch.length()));
        input1->setText(numberText(scratch.angle()));
    } else {
        scratch.setLength(readInput0());
        scratch.setAngle(readInput1());
        input0->setText(numberText(scratch.x()));
        input1->setText(numberText(scratch.y()));
    }
    enableButtons(true);
}

NodeDialog* VectorConst::createDialog(QWidget* parent)
{
    return new VectorConstDialog(parent, this);
}
