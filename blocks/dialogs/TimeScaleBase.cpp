#include "TimeScaleBase.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QtDebug>

TimeScaleBase::TimeScaleBase(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Form1"));
    TimeScaleBaseLayout = new QVBoxLayout(this);
    TimeScaleBaseLayout->setContentsMargins(11, 11, 11, 11);
    TimeScaleBaseLayout->setSpacing(6);
    layout5 = new QHBoxLayout;
    layout5->setSpacing(6);
    plusPb = new QPushButton(tr("+"), this);
    minusPb = new QPushButton(tr("-"), this);
    for (QPushButton* button : {plusPb, minusPb}) {
        button->setMaximumWidth(30);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        layout5->addWidget(button);
    }
    TimeScaleBaseLayout->addLayout(layout5);
    timescale_Label = new QLabel(tr("textLabel3"), this);
    TimeScaleBaseLayout->addWidget(timescale_Label);
    spacer = new QSpacerItem(51, 16, QSizePolicy::Minimum, QSizePolicy::Expanding);
    TimeScaleBaseLayout->addItem(spacer);
    copyPb = new QPushButton(tr("Copy"), this);
    TimeScaleBaseLayout->addWidget(copyPb);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMinimumSize(75, 99);
    resize(minimumSizeHint().expandedTo(QSize(102, 118)));
    connect(plusPb, &QPushButton::clicked, this, &TimeScaleBase::plus_clicked_Slot);
    connect(minusPb, &QPushButton::clicked, this, &TimeScaleBase::minus_clicked_Slot);
    connect(copyPb, &QPushButton::clicked, this, &TimeScaleBase::copy_clicked_Slot);
}

void TimeScaleBase::plus_clicked_Slot()
{
    qWarning("TimeScaleBase::plus_clicked_Slot(): Not implemented yet");
}

void TimeScaleBase::minus_clicked_Slot()
{
    qWarning("TimeScaleBase::minus_clicked_Slot(): Not implemented yet");
}

void TimeScaleBase::copy_clicked_Slot()
{
    qWarning("TimeScaleBase::copy_clicked_Slot(): Not implemented yet");
}
