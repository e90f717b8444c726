#pragma once

#include "NodeDialog.h"

class QSpinBox;

// A dialog whose page sets how many inputs or outputs its block has: a label and a
// spin box. The count is the block's slot count on one side, less the fixed slots of
// that side (the demultiplexer's Select).
class ChannelCountDialog : public NodeDialog
{
    Q_OBJECT

public:
    struct Channels
    {
        int side;
        int fixedSlots;
        int minimum;
        int maximum;
    };

    QSpinBox* spinBox() const { return m_spinBox; }

public Q_SLOTS:
    void valueChanged(int n);

protected:
    ChannelCountDialog(QWidget* view, StateNode* node, const QString& label, Channels channels);

    QWidget* createCustomWidget(QWidget* parent) override;
    // The label and spin box row, for pages that hold more than the count.
    QWidget* createCountRow(QWidget* parent);
    // After the slots changed: the block sizes what it keeps per channel.
    virtual void channelCountChanged(int count);

private:
    int channelCount() const;

    QString m_label;
    Channels m_channels;
    QSpinBox* m_spinBox = nullptr;
};
