#include "ScaleWidget.h"

#include "DataSlot.h"
#include "Node.h"
#include "NodeDialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalBlocker>

namespace {

QString formatParameter(float value)
{
    return QString::number(double(value), 'g', 6);
}

} // namespace

ScaleWidget::ScaleWidget(NodeDialog* dialog, Node* node) : QTableWidget(dialog), m_node(node), m_dialog(dialog)
{
    setColumnCount(ColumnCount);
    setHorizontalHeaderLabels({tr("Slot"), tr("Function"), tr("a"), tr("b"), tr("c"), tr("d")});
    verticalHeader()->hide();
    horizontalHeader()->setFixedHeight(slotRowHeight);
    horizontalHeader()->setHighlightSections(false);
    const int widths[ColumnCount] = {100, 100, 50, 50, 50, 50};
    for (int column = 0; column < ColumnCount; ++column)
        setColumnWidth(column, widths[column]);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    fill();
    resize(sizeHint());
    connect(this, &QTableWidget::cellChanged, this, &ScaleWidget::valueChanged_Slot);
}

void ScaleWidget::fill()
{
    const QSignalBlocker blocker(this);
    clearContents();
    const NodeType* type = m_node->type();
    setRowCount(int(type->slotCount()));
    for (int row = 0; row < rowCount(); ++row) {
        const SlotSpec& spec = type->slotSpecAt(unsigned(row));
        fillRow(row, slotOfRow(row), spec.name(type->subtype()));
        setRowHeight(row, slotRowHeight);
    }
}

void ScaleWidget::fillRow(int row, DataSlot* slot, const QString& name)
{
    // The name is shown, never edited: an edit there would have nowhere to go.
    auto* nameItem = new QTableWidgetItem(name);
    nameItem->setFlags(nameItem->flags() & ~Qt::ItemIsEditable);
    setItem(row, SlotColumn, nameItem);
    auto* formulas = new QComboBox;
    formulas->setEditable(false);
    if (slot) {
        formulas->addItems(slot->transformNames());
        formulas->setCurrentIndex(slot->transform());
    }
    connect(formulas, &QComboBox::activated, this, [this, row] { valueChanged_Slot(row, FunctionColumn); });
    setCellWidget(row, FunctionColumn, formulas);
    for (int i = 0; i < 4; ++i)
        setItem(row, FirstParameterColumn + i, new QTableWidgetItem(formatParameter(slot ? slot->parameter(i) : 0.0f)));
}

DataSlot* ScaleWidget::slotOfRow(int row) const
{
    const NodeType* type = m_node->type();
    if (row < 0 || unsigned(row) >= type->slotCount())
        return nullptr;
    const SlotSpec& spec = type->slotSpecAt(unsigned(row));
    return dynamic_cast<DataSlot*>(m_node->slot(spec.side(), spec.index()));
}

void ScaleWidget::valueChanged_Slot(int row, int col)
{
    DataSlot* slot = slotOfRow(row);
    if (!slot || col == SlotColumn)
        return;
    if (col == FunctionColumn) {
        if (auto* formulas = qobject_cast<QComboBox*>(cellWidget(row, col)))
            slot->setTransform(formulas->currentIndex());
    } else {
        QTableWidgetItem* cell = item(row, col);
        bool number = false;
        float value = cell ? cell->text().toFloat(&number) : 0.0f;
        if (!number) {
            value = 0.0f;
            const QSignalBlocker blocker(this);
            if (cell)
                cell->setText(QStringLiteral("0.0"));
        }
        slot->setParameter(col - FirstParameterColumn, value);
    }
    m_dialog->setNodeModified();
}

void ScaleWidget::enterEvent(QEnterEvent* event)
{
    QTableWidget::enterEvent(event);
    emit mouseEnter();
}
