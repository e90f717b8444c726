#pragma once

#include <QString>

// The scope's dial tables. Dial values outside 0 to 13 (only a file can hold them)
// are clamped here, where they are computed with; the block keeps them as read.
class ScopeScales
{
public:
    static constexpr int dialMaximum = 13;

    // Input units per division: 0.1, 0.2, 0.5, 1 … 2000.
    static float scaleY(int dial);
    // Milliseconds per division: 500000 at dial 0 down to 20 at dial 13.
    static unsigned msPerDivision(int dial);
    // "100ms", "2s", "500s".
    static QString timeBaseText(unsigned msPerDivision);
    // Rising (1) or falling (2) crossing of threshold from last to current; a NaN
    // never crosses and any other mode never fires.
    static bool triggerFires(int mode, float last, float current, float threshold);
};
