#pragma once

#include "OptionsDialog.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class StateBase;

// Execution mode of the current program, and the default one.
class StepmodeOptions : public QWidget, public OptionsDialog
{
    Q_OBJECT

public:
    StepmodeOptions(QWidget* parent, StateBase* program);
    void apply() override;
    QWidget* widget() override { return this; }
    QString caption() const override { return tr("Stepmode"); }

    QCheckBox* useAsDefaultCb;
    QGroupBox* stepmodeGroup;
    QRadioButton* parallelRb;
    QRadioButton* sequentiellRb;

private:
    StateBase* m_program;
};
