#include "TimeScale.h"

#include "Scope.h"

#include <QLabel>

TimeScale::TimeScale(QWidget* parent, Scope* scope) : TimeScaleBase(parent), scope(scope)
{
    on_timescale_changed();
}

// "+" gives more milliseconds per division.
void TimeScale::plus_clicked_Slot()
{
    scope->timeScaleDialDown();
}

void TimeScale::minus_clicked_Slot()
{
    scope->timeScaleDialUp();
}

void TimeScale::copy_clicked_Slot()
{
    emit copy();
}

void TimeScale::on_timescale_changed()
{
    timescale_Label->setText(scope->timeBaseText() + QStringLiteral(" / XDiv"));
}
