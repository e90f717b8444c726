#include "WorkspaceSizeOptions.h"

#include "OptionsLayout.h"
#include "Settings.h"
#include "StateBase.h"

#include <QCheckBox>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

WorkspaceSizeOptions::WorkspaceSizeOptions(QWidget* parent, StateBase* program) : QWidget(parent), m_program(program)
{
    QVBoxLayout* layout = formLayout(this);
    useAsDefaultCb = new QCheckBox(tr("use settings as default"), this);
    useAsDefaultCb->setObjectName(QStringLiteral("useAsDefaultCb"));
    layout->addWidget(useAsDefaultCb);
    changeSizeGb = new QGroupBox(tr("Size"), this);
    changeSizeGb->setObjectName(QStringLiteral("changeSizeGb"));
    auto* grid = new QGridLayout(changeSizeGb);
    sizexLabel = new QLabel(tr("x:"), changeSizeGb);
    sizexInput = sizeBox(changeSizeGb);
    sizeyLabel = new QLabel(tr("y:"), changeSizeGb);
    sizeyInput = sizeBox(changeSizeGb);
    fitPb = new QPushButton(tr("Fit"), changeSizeGb);
    sizexInput->setObjectName(QStringLiteral("sizexInput"));
    sizeyInput->setObjectName(QStringLiteral("sizeyInput"));
    fitPb->setObjectName(QStringLiteral("fitPb"));
    grid->addWidget(sizexLabel, 0, 0);
    grid->addWidget(sizexInput, 0, 1);
    grid->addWidget(sizeyLabel, 1, 0);
    grid->addWidget(sizeyInput, 1, 1);
    grid->addWidget(fitPb, 2, 1);
    layout->addWidget(changeSizeGb);
    layout->addStretch(1);
    connect(fitPb, &QPushButton::clicked, this, &WorkspaceSizeOptions::fitClicked);
    if (m_program) {
        const QRectF scene = m_program->canvas()->sceneRect();
        sizexInput->setValue(static_cast<int>(scene.width()));
        sizeyInput->setValue(static_cast<int>(scene.height()));
    } else {
        sizexInput->setValue(canvasWidth);
        sizeyInput->setValue(canvasHeight);
        useAsDefaultCb->setChecked(true);
        useAsDefaultCb->setEnabled(false);
        fitPb->setEnabled(false);
    }
}

void WorkspaceSizeOptions::fitClicked()
{
    if (!m_program)
        return;
    const QSize needed = m_program->itemsExtent();
    sizexInput->setValue(needed.width());
    sizeyInput->setValue(needed.height());
}

void WorkspaceSizeOptions::apply()
{
    const int x = sizexInput->value();
    const int y = sizeyInput->value();
    if (m_program) {
        const QRectF scene = m_program->canvas()->sceneRect();
        if (QSize(static_cast<int>(scene.width()), static_cast<int>(scene.height())) != QSize(x, y))
            m_program->setCanvasSize(x, y);
    }
    if (useAsDefaultCb->isChecked()) {
        canvasWidth = x;
        canvasHeight = y;
    }
}
