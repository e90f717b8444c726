#pragma once

#include "NodeDialog.h"

class QLineEdit;
class QPushButton;
class QSpinBox;
class TransferFunction;
class TransferFunctionDialogDraw;

// The transfer function's page: the curve's graph, the selected point's coordinates
// and the range that the graph spans.
class TransferFunctionDialog : public NodeDialog
{
    Q_OBJECT

public:
    TransferFunctionDialog(QWidget* view, TransferFunction* block);

    QWidget* createCustomWidget(QWidget* parent) override;
    void pointSelected(int position);
    void updateRangeFields();

    TransferFunctionDialogDraw* graph() const { return draw; }
    QSpinBox* pointSelector() const { return selector; }
    QLineEdit* xField() const { return xEdit; }
    QLineEdit* yField() const { return yEdit; }
    QPushButton* pointApplyButton() const { return pointApply; }
    QSpinBox* rangeBox(int n) const { return rangeBoxes[n]; }
    QPushButton* rangeApplyButton() const { return rangeApply; }

public Q_SLOTS:
    void applyClicked();
    void applyRangeClicked();
    void selectorValueChanged(int n);
    void rangeValueChanged(int value);
    void editTextChanged(const QString& text);

private:
    QWidget* createPointRow(QWidget* page);
    QWidget* createRangeRow(QWidget* page);
    void showPoint(int position);

    TransferFunction* block;
    TransferFunctionDialogDraw* draw = nullptr;
    QSpinBox* selector = nullptr;
    QLineEdit* xEdit = nullptr;
    QLineEdit* yEdit = nullptr;
    QPushButton* pointApply = nullptr;
    // xmin, xmax, ymin, ymax
    QSpinBox* rangeBoxes[4] {};
    QPushButton* rangeApply = nullptr;
};
