#pragma once

#include "TimeScaleBase.h"

class Scope;

// The scope's time-base panel: slower and faster time base, and copying the screen.
class TimeScale : public TimeScaleBase
{
    Q_OBJECT

public:
    TimeScale(QWidget* parent, Scope* scope);

Q_SIGNALS:
    void copy();

public Q_SLOTS:
    void plus_clicked_Slot() override;
    void minus_clicked_Slot() override;
    void copy_clicked_Slot() override;
    void on_timescale_changed();

private:
    Scope* scope;
};
