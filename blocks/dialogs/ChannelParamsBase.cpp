#include "ChannelParamsBase.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtDebug>

namespace {

QPushButton* smallButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setMaximumWidth(30);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

} // namespace

ChannelParamsBase::ChannelParamsBase(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Form1"));
    ChannelParamsBaseLayout = new QVBoxLayout(this);
    ChannelParamsBaseLayout->setContentsMargins(11, 11, 11, 11);
    ChannelParamsBaseLayout->setSpacing(6);
    channelVisible = new QCheckBox(tr("Show"), this);
    ChannelParamsBaseLayout->addWidget(channelVisible);
    layout10 = new QHBoxLayout;
    layout10->setSpacing(6);
    vpositionTextLabel = new QLabel(tr("V-Position:"), this);
    yplusPb = smallButton(tr("+"), this);
    yminusPb = smallButton(tr("-"), this);
    layout10->addWidget(vpositionTextLabel);
    layout10->addWidget(yplusPb);
    layout10->addWidget(yminusPb);
    ChannelParamsBaseLayout->addLayout(layout10);
    layout12 = new QHBoxLayout;
    layout12->setSpacing(6);
    plusPb = smallButton(tr("+"), this);
    minusPb = smallButton(tr("-"), this);
    scaleY_Label = new QLabel(tr("textLabel1"), this);
    layout12->addWidget(plusPb);
    layout12->addWidget(minusPb);
    layout12->addWidget(scaleY_Label);
    ChannelParamsBaseLayout->addLayout(layout12);
    layout11 = new QHBoxLayout;
    layout11->setSpacing(6);
    trigger_pushButton = new QPushButton(tr("pushButton5"), this);
    tplusPb = smallButton(tr("+"), this);
    tminusPb = smallButton(tr("-"), this);
    layout11->addWidget(trigger_pushButton);
    layout11->addWidget(tplusPb);
    layout11->addWidget(tminusPb);
    ChannelParamsBaseLayout->addLayout(layout11);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMinimumSize(137, 120);
    resize(minimumSizeHint().expandedTo(QSize(146, 134)));
    connect(channelVisible, &QCheckBox::toggled, this, &ChannelParamsBase::channel_pushButton_toggled_Slot);
    connect(trigger_pushButton, &QPushButton::clicked, this, &ChannelParamsBase::trigger_pushButton_clicked_Slot);
    connect(minusPb, &QPushButton::clicked, this, &ChannelParamsBase::minus_clicked_Slot);
    connect(plusPb, &QPushButton::clicked, this, &ChannelParamsBase::plus_clicked_Slot);
    connect(yplusPb, &QPushButton::clicked, this, &ChannelParamsBase::yplus_clicked_Slot);
    connect(yminusPb, &QPushButton::clicked, this, &ChannelParamsBase::yminus_clicked_Slot);
    connect(tplusPb, &QPushButton::clicked, this, &ChannelParamsBase::tplus_clicked_Slot);
    connect(tminusPb, &QPushButton::clicked, this, &ChannelParamsBase::tminus_clicked_Slot);
}

void ChannelParamsBase::channel_pushButton_toggled_Slot(bool)
{
    qWarning("ChannelParamsBase::channel_pushButton_toggled_Slot(bool): Not implemented yet");
}

void ChannelParamsBase::trigger_pushButton_clicked_Slot()
{
    qWarning("ChannelParamsBase::trigger_pushButton_clicked_Slot(): Not implemented yet");
}

void ChannelParamsBase::minus_clicked_Slot()
{
    qWarning("ChannelParamsBase::minus_clicked_Slot(): Not implemented yet");
}

void ChannelParamsBase::plus_clicked_Slot()
{
    qWarning("ChannelParamsBase::plus_clicked_Slot(): Not implemented yet");
}

void ChannelParamsBase::yplus_clicked_Slot()
{
    qWarning("ChannelParamsBase::yplus_clicked_Slot(): Not implemented yet");
}

void ChannelParamsBase::yminus_clicked_Slot()
{
    qWarning("ChannelParamsBase::yminus_clicked_Slot(): Not implemented yet");
}

void ChannelParamsBase::tplus_clicked_Slot()
{
    qWarning("ChannelParamsBase::tplus_clicked_Slot(): Not implemented yet");
}

void ChannelParamsBase::tminus_clicked_Slot()
{
    qWarning("ChannelParamsBase::tminus_clicked_Slot(): Not implemented yet");
}

void ChannelParamsBase::positionY_slider_valueChanged_Slot(int)
{
    qWarning("ChannelParamsBase::positionY_slider_valueChanged_Slot(int): Not implemented yet");
}

void ChannelParamsBase::scaleY_dial_valueChanged_Slot(int)
{
    qWarning("ChannelParamsBase::scaleY_dial_valueChanged_Slot(int): Not implemented yet");
}

void ChannelParamsBase::trigger_slider_valueChanged_Slot(int)
{
    qWarning("ChannelParamsBase::trigger_slider_valueChanged_Slot(int): Not implemented yet");
}
