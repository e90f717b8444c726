#pragma once

// One recorded scope sample. The default is the empty point, which marks a place
// in the record where nothing was sampled yet.
struct PlotPoint
{
    float value = 0.0f;
    // Milliseconds from the previous sample to this one; -1 for the empty point.
    int interval = -1;
    bool valid = false;
};
