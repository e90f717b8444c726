#pragma once

#include "OptionsDialog.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class StateBase;

// Canvas size of the current program, and the default size of new ones.
class WorkspaceSizeOptions : public QWidget, public OptionsDialog
{
    Q_OBJECT

public:
    WorkspaceSizeOptions(QWidget* parent, StateBase* program);
    void apply() override;
    QWidget* widget() override { return this; }
    QString caption() const override { return tr("Workspace Size"); }

    QCheckBox* useAsDefaultCb;
    QGroupBox* changeSizeGb;
    QLabel* sizexLabel;
    QSpinBox* sizexInput;
    QLabel* sizeyLabel;
    QSpinBox* sizeyInput;
    QPushButton* fitPb;

public Q_SLOTS:
    void fitClicked();

private:
    StateBase* m_program;
};
