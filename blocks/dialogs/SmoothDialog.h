#pragma once

#include "NodeDialog.h"

class QSpinBox;
class Smooth;

// The smoothing block's page: how many samples the mean takes.
class SmoothDialog : public NodeDialog
{
    Q_OBJECT

public:
    SmoothDialog(QWidget* view, Smooth* block);

    QWidget* createCustomWidget(QWidget* parent) override;
    QSpinBox* spinBox() const { return depthBox; }

public Q_SLOTS:
    void valueChanged(int v);

private:
    Smooth* block;
    QSpinBox* depthBox = nullptr;
};
