#pragma once

// The constant-force effect of one game controller; the SDL haptic one or a test's fake.
class ForceFeedbackDevice
{
public:
    virtual ~ForceFeedbackDevice();
    // Number of force actuators the device reports.
    virtual int forceAxes() const = 0;
    // Sets direction and magnitude and starts the effect at once.
    virtual void apply(int directionX, int directionY, int magnitude) = 0;
};
