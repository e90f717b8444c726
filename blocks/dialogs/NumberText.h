#pragma once

#include <QString>

// A number as the dialogs show it: general format, six significant digits.
inline QString numberText(double value)
{
    return QString::number(value, 'g', 6);
}
