#include "SegmentViewDialog.h"

#include "ColorFormat.h"
#include "XKDSegmentView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SegmentViewDialog::SegmentViewDialog(QWidget* parent, const SegmentDescription& description)
    : QDialog(parent), initial(description), working(description)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    layout->addLayout(grid);
    const Qt::Alignment centred = Qt::AlignCenter;
    //: Kanal
    grid->addWidget(new QLabel(tr("channel"), this), 1, 1, centred);
    //: korrekte Pixelwerte für Segment
    grid->addWidget(new QLabel(tr("used pixel intensities"), this), 1, 2, centred);
    using Slot = void (SegmentViewDialog::*)();
    const Slot plus[3] = {&SegmentViewDialog::plus0_Slot, &SegmentViewDialog::plus1_Slot,
                          &SegmentViewDialog::plus2_Slot};
    const Slot minus[3] = {&SegmentViewDialog::minus0_Slot, &SegmentViewDialog::minus1_Slot,
                           &SegmentViewDialog::minus2_Slot};
    const Slot undoSlots[3] = {&SegmentViewDialog::undo0_Slot, &SegmentViewDialog::undo1_Slot,
                               &SegmentViewDialog::undo2_Slot};
    using Toggle = void (SegmentViewDialog::*)(bool);
    const Toggle toggled[3] = {&SegmentViewDialog::channel0Toggled_Slot, &SegmentViewDialog::channel1Toggled_Slot,
                               &SegmentViewDialog::channel2Toggled_Slot};
    for (int c = 0; c < 3; ++c) {
        const int row = c + 2;
        const bool used = working.isChannelUsed(c);
        channelButtons[c] = new QPushButton(
            QString::fromStdString(channelName(static_cast<ColorFormat_t::colorFormat_t>(working.colorFormat()), c)),
            this);
        channelButtons[c]->setCheckable(true);
        channelButtons[c]->setChecked(used);
        grid->addWidget(channelButtons[c], row, 1, centred);
        views[c] = new XKDSegmentView(this);
        views[c]->setValueSet(working.valueSet(c));
        views[c]->setChannelEnabled(used);
        grid->addWidget(views[c], row, 2, centred);
        plusButtons[c] = new QPushButton(QStringLiteral("+"), this);
        minusButtons[c] = new QPushButton(QStringLiteral("-"), this);
        undoButtons[c] = new QPushButton(tr("undo"), this);
        grid->addWidget(plusButtons[c], row, 3, centred);
        grid->addWidget(minusButtons[c], row, 4, centred);
        grid->addWidget(undoButtons[c], row, 5, centred);
        for (QPushButton* button : {plusButtons[c], minusButtons[c], undoButtons[c]})
            button->setEnabled(used);
        connect(channelButtons[c], &QPushButton::toggled, this, toggled[c]);
        connect(plusButtons[c], &QPushButton::clicked, this, plus[c]);
        connect(minusButtons[c], &QPushButton::clicked, this, minus[c]);
        connect(undoButtons[c], &QPushButton::clicked, this, undoSlots[c]);
    }
    auto* axis = new XKDSegmentView(this);
    axis->setScaleMode(true);
    grid->addWidget(axis, 5, 2, centred);
}

void SegmentViewDialog::widen(int channel, int n)
{
    working.setWidening(channel, n);
    working.applyWidening();
    views[channel]->setValueSet(working.valueSet(channel));
    emit segmentChanged();
}

void SegmentViewDialog::undo(int channel)
{
    working.valueSet(channel) = initial.valueSet(channel);
    views[channel]->setValueSet(working.valueSet(channel));
    emit segmentChanged();
}

void SegmentViewDialog::setChannelUsed(int channel, bool on)
{
    views[channel]->setChannelEnabled(on);
    for (QPushButton* button : {plusButtons[channel], minusButtons[channel], undoButtons[channel]})
        button->setEnabled(on);
    working.setChannelUsed(channel, on);
    emit segmentChanged();
}
