#pragma once

#include "NodeDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class VectorConst;

// The constant vector's page: the vector in cartesian or polar form, changed on Apply.
class VectorConstDialog : public NodeDialog
{
    Q_OBJECT

public:
    VectorConstDialog(QWidget* view, VectorConst* block);

    QWidget* createCustomWidget(QWidget* parent) override;

    QComboBox* systemBox() const { return system; }
    QLineEdit* field0() const { return input0; }
    QLineEdit* field1() const { return input1; }
    QLabel* fieldLabel0() const { return label0; }
    QLabel* fieldLabel1() const { return label1; }
    QPushButton* applyButton() const { return apply; }
    QPushButton* cancelButton() const { return cancel; }

public Q_SLOTS:
    void apply_pushButton_clicked();
    void cancel_pushButton_clicked();
    void input0_textChanged(const QString& text);
    void input1_textChanged(const QString& text);
    void systemActivated(int index);

private:
    float readInput0();
    float readInput1();
    float readInput(QLineEdit* field, float& last);
    void showLabels(bool polar);
    void enableButtons(bool on);

    VectorConst* block;
    QComboBox* system = nullptr;
    QLineEdit* input0 = nullptr;
    QLineEdit* input1 = nullptr;
    QLabel* label0 = nullptr;
    QLabel* label1 = nullptr;
    QPushButton* apply = nullptr;
    QPushButton* cancel = nullptr;
    float value0 = 0.0f;
    float value1 = 0.0f;
};
