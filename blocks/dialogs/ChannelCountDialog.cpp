#include "ChannelCountDialog.h"

#include "StateNode.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

ChannelCountDialog::ChannelCountDialog(QWidget* view, StateNode* node, const QString& label, Channels channels)
    : NodeDialog(view, node), m_label(label), m_channels(channels)
{
}

QWidget* ChannelCountDialog::createCustomWidget(QWidget* parent)
{
    return createCountRow(parent);
}

QWidget* ChannelCountDialog::createCountRow(QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(m_label, row));
    m_spinBox = new QSpinBox(row);
    m_spinBox->setRange(m_channels.minimum, m_channels.maximum);
    m_spinBox->setSingleStep(1);
    m_spinBox->setValue(channelCount());
    layout->addWidget(m_spinBox);
    // Connected after the value is set, so building the page changes nothing.
    connect(m_spinBox, &QSpinBox::valueChanged, this, &ChannelCountDialog::valueChanged);
    return row;
}

int ChannelCountDialog::channelCount() const
{
    return int(node()->type()->slotCount(m_channels.side)) - m_channels.fixedSlots;
}

void ChannelCountDialog::valueChanged(int n)
{
    const int count = setSlotCount(m_channels.side, n + m_channels.fixedSlots) - m_channels.fixedSlots;
    {
        const QSignalBlocker blocker(m_spinBox);
        m_spinBox->setValue(count);
    }
    channelCountChanged(m_spinBox->value());
    setNodeModified();
}

void ChannelCountDialog::channelCountChanged(int)
{
}
