#include "TransferFunctionDialog.h"

#include "NumberText.h"
#include "TransferFunction.h"
#include "TransferFunctionDialogDraw.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const int rangeLimit = 10000;

} // namespace

TransferFunctionDialog::TransferFunctionDialog(QWidget* view, TransferFunction* block)
    : NodeDialog(view, block), block(block)
{
}

QWidget* TransferFunctionDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    draw = new TransferFunctionDialogDraw(page, block, this);
    layout->addWidget(draw, 1);
    layout->addWidget(createPointRow(page));
    layout->addWidget(createRangeRow(page));
    connect(selector, &QSpinBox::valueChanged, this, &TransferFunctionDialog::selectorValueChanged);
    connect(pointApply, &QPushButton::clicked, this, &TransferFunctionDialog::applyClicked);
    connect(xEdit, &QLineEdit::textChanged, this, &TransferFunctionDialog::editTextChanged);
    connect(yEdit, &QLineEdit::textChanged, this, &TransferFunctionDialog::editTextChanged);
    connect(rangeApply, &QPushButton::clicked, this, &TransferFunctionDialog::applyRangeClicked);
    for (QSpinBox* box : rangeBoxes)
        connect(box, &QSpinBox::valueChanged, this, &TransferFunctionDialog::rangeValueChanged);
    return page;
}

QWidget* TransferFunctionDialog::createPointRow(QWidget* page)
{
    auto* row = new QWidget(page);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    //: Punkt:
    layout->addWidget(new QLabel(tr("Point:"), row));
    selector = new QSpinBox(row);
    selector->setRange(1, int(block->curve().points().size()));
    selector->setValue(1);
    layout->addWidget(selector);
    layout->addStretch(1);
    layout->addWidget(new QLabel(QStringLiteral("x="), row));
    const TransferCurve::Point first = block->curve().points().value(0);
    xEdit = new QLineEdit(numberText(first.x), row);
    layout->addWidget(xEdit);
    layout->addStretch(1);
    layout->addWidget(new QLabel(QStringLiteral("y="), row));
    yEdit = new QLineEdit(numberText(first.y), row);
    layout->addWidget(yEdit);
    layout->addStretch(1);
    pointApply = new QPushButton(tr("Apply"), row);
    pointApply->setEnabled(false);
    layout->addWidget(pointApply);
    return row;
}

QWidget* TransferFunctionDialog::createRangeRow(QWidget* page)
{
    auto* row = new QWidget(page);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QString between[4] = {QStringLiteral("< x <"), QString(), QStringLiteral("< y <"), QString()};
    for (int i = 0; i < 4; ++i) {
        rangeBoxes[i] = new QSpinBox(row);
        rangeBoxes[i]->setRange(-rangeLimit, rangeLimit);
        layout->addWidget(rangeBoxes[i]);
        if (!between[i].isEmpty())
            layout->addWidget(new QLabel(between[i], row));
        else
            layout->addStretch(1);
    }
    rangeApply = new QPushButton(tr("Apply"), row);
    layout->addWidget(rangeApply);
    updateRangeFields();
    return row;
}

void TransferFunctionDialog::editTextChanged(const QString&)
{
    pointApply->setEnabled(true);
}

void TransferFunctionDialog::rangeValueChanged(int)
{
    rangeApply->setEnabled(true);
}

void TransferFunctionDialog::selectorValueChanged(int n)
{
    draw->setSelected(n - 1);
    showPoint(n - 1);
}

void TransferFunctionDialog::showPoint(int position)
{
    const TransferCurve::Point p = block->curve().points().value(position);
    const QSignalBlocker xBlocker(xEdit);
    const QSignalBlocker yBlocker(yEdit);
    xEdit->setText(numberText(p.x));
    yEdit->setText(numberText(p.y));
}

void TransferFunctionDialog::applyClicked()
{
    const int position = selector->value() - 1;
    const TransferCurve::Point current = block->curve().points().value(position);
    bool ok = false;
    TransferCurve::Point p;
    p.x = xEdit->text().toFloat(&ok);
    if (!ok)
        p.x = current.x;
    p.y = yEdit->text().toFloat(&ok);
    if (!ok)
        p.y = current.y;
    block->movePoint(position, p, true);
    showPoint(position);
    draw->redraw();
    pointApply->setEnabled(false);
    updateRangeFields();
    setNodeModified();
}

void TransferFunctionDialog::applyRangeClicked()
{
    block->setRange(rangeBoxes[0]->value(), rangeBoxes[1]->value(), rangeBoxes[2]->value(), rangeBoxes[3]->value());
    updateRangeFields();
    draw->redraw();
    setNodeModified();
}

void TransferFunctionDialog::updateRangeFields()
{
    const TransferCurve curve = block->curve();
    const int values[4] = {curve.xmin(), curve.xmax(), curve.ymin(), curve.ymax()};
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker blocker(rangeBoxes[i]);
        rangeBoxes[i]->setValue(values[i]);
    }
    rangeApply->setEnabled(false);
}

void TransferFunctionDialog::pointSelected(int position)
{
    const TransferCurve curve = block->curve();
    selector->setMaximum(int(curve.points().size()));
    if (position == TransferCurve::noPoint)
        return;
    const TransferCurve::Point chosen = curve.points().value(position);
    for (int i = 0; i < curve.points().size(); ++i) {
        const TransferCurve::Point& p = curve.points().at(i);
        if (p.x == chosen.x && p.y == chosen.y) {
            const QSignalBlocker blocker(selector);
            selector->setValue(i + 1);
            selectorValueChanged(i + 1);
            return;
        }
    }
}

NodeDialog* TransferFunction::createDialog(QWidget* parent)
{
    return new TransferFunctionDialog(parent, this);
}
