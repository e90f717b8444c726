#pragma once

#include <QTableWidget>

class DataSlot;
class Node;
class NodeDialog;

// The input-scaling page of a block dialog: one row per slot (left side first, then
// right, top and bottom) with the slot's transform formula and its parameters a to d.
class ScaleWidget : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int slotRowHeight = 20;
    enum Column { SlotColumn = 0, FunctionColumn = 1, FirstParameterColumn = 2, ColumnCount = 6 };

    ScaleWidget(NodeDialog* dialog, Node* node);

    void fill();

Q_SIGNALS:
    void mouseEnter();

public Q_SLOTS:
    void valueChanged_Slot(int row, int col);

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    DataSlot* slotOfRow(int row) const;
    void fillRow(int row, DataSlot* slot, const QString& name);

    Node* m_node;
    NodeDialog* m_dialog;
};
