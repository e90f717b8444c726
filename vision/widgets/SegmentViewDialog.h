#pragma once

#include "SegmentDescription.h"

#include <QDialog>

class QPushButton;
class XKDSegmentView;

// Editor of one colour class: per channel switch its use, widen or narrow every run of allowed
// values by one at each end, or undo back to the values it had when opened.
class SegmentViewDialog : public QDialog
{
    Q_OBJECT

public:
    SegmentViewDialog(QWidget* parent, const SegmentDescription& description);

    SegmentDescription segment() const { return working; }
    XKDSegmentView* view(int channel) const { return views[channel]; }
    QPushButton* plusButton(int channel) const { return plusButtons[channel]; }
    QPushButton* minusButton(int channel) const { return minusButtons[channel]; }
    QPushButton* undoButton(int channel) const { return undoButtons[channel]; }
    QPushButton* channelButton(int channel) const { return channelButtons[channel]; }

Q_SIGNALS:
    void segmentChanged();

protected Q_SLOTS:
    void plus0_Slot() { widen(0, 1); }
    void minus0_Slot() { widen(0, -1); }
    void undo0_Slot() { undo(0); }
    void plus1_Slot() { widen(1, 1); }
    void minus1_Slot() { widen(1, -1); }
    void undo1_Slot() { undo(1); }
    void plus2_Slot() { widen(2, 1); }
    void minus2_Slot() { widen(2, -1); }
    void undo2_Slot() { undo(2); }
    void channel0Toggled_Slot(bool on) { setChannelUsed(0, on); }
    void channel1Toggled_Slot(bool on) { setChannelUsed(1, on); }
    void channel2Toggled_Slot(bool on) { setChannelUsed(2, on); }

private:
    void widen(int channel, int n);
    void undo(int channel);
    void setChannelUsed(int channel, bool on);

    XKDSegmentView* views[3] = {};
    SegmentDescription initial;
    SegmentDescription working;
    QPushButton* plusButtons[3] = {};
    QPushButton* minusButtons[3] = {};
    QPushButton* undoButtons[3] = {};
    QPushButton* channelButtons[3] = {};
};
