#pragma once

#include "NodeDialog.h"

class Counter;
class QCheckBox;

// The counter's page: which edges count and whether a start clears the count.
class CounterDialog : public NodeDialog
{
    Q_OBJECT

public:
    CounterDialog(QWidget* view, Counter* block);

    QWidget* createCustomWidget(QWidget* parent) override;

    QCheckBox* risingEdgeBox() const { return risingEdge; }
    QCheckBox* fallingEdgeBox() const { return fallingEdge; }
    QCheckBox* resetOnStartBox() const { return resetOnStart; }

public Q_SLOTS:
    void resetOnStartToggled(bool on);
    void countOnRisingEdgeToggled(bool on);
    void countOnFallingEdgeToggled(bool on);

private:
    QCheckBox* addBox(QLayout* layout, const QString& text, bool on, void (CounterDialog::*toggled)(bool));

    Counter* block;
    QCheckBox* resetOnStart = nullptr;
    QCheckBox* risingEdge = nullptr;
    QCheckBox* fallingEdge = nullptr;
};
