#include "StepmodeOptions.h"

#include "OptionsLayout.h"
#include "Settings.h"
#include "State.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

StepmodeOptions::StepmodeOptions(QWidget* parent, StateBase* program) : QWidget(parent), m_program(program)
{
    QVBoxLayout* layout = formLayout(this);
    useAsDefaultCb = new QCheckBox(tr("use settings as default"), this);
    useAsDefaultCb->setObjectName(QStringLiteral("useAsDefaultCb"));
    layout->addWidget(useAsDefaultCb);
    stepmodeGroup = new QGroupBox(tr("Stepmode"), this);
    stepmodeGroup->setObjectName(QStringLiteral("stepmodeGroup"));
    auto* group = new QVBoxLayout(stepmodeGroup);
    parallelRb = new QRadioButton(tr("Stable"), stepmodeGroup);
    sequentiellRb = new QRadioButton(tr("Fast"), stepmodeGroup);
    parallelRb->setObjectName(QStringLiteral("parallelRb"));
    sequentiellRb->setObjectName(QStringLiteral("sequentiellRb"));
    group->addWidget(parallelRb);
    group->addWidget(sequentiellRb);
    layout->addWidget(stepmodeGroup);
    layout->addStretch(1);
    auto* function = qobject_cast<State*>(program);
    const int shown = function ? function->mode() : defaultStepMode;
    if (!function) {
        useAsDefaultCb->setChecked(true);
        useAsDefaultCb->setEnabled(false);
    }
    parallelRb->setChecked(shown == 0);
    sequentiellRb->setChecked(shown == 1);
}

void StepmodeOptions::apply()
{
    const int value = parallelRb->isChecked() ? 0 : 1;
    if (useAsDefaultCb->isChecked())
        defaultStepMode = value;
    if (auto* function = qobject_cast<State*>(m_program))
        function->setMode(value);
}
