#pragma once

#include "ForceFeedbackDevice.h"

#include <memory>

struct _SDL_Haptic;
struct _SDL_Joystick;

// A constant-force effect through SDL's haptic interface.
class SdlForceFeedback : public ForceFeedbackDevice
{
public:
    // Null when the controller has no constant-force effect.
    static std::unique_ptr<SdlForceFeedback> open(_SDL_Joystick* joystick);
    ~SdlForceFeedback() override;

    int forceAxes() const override { return axes; }
    void apply(int directionX, int directionY, int magnitude) override;

private:
    SdlForceFeedback(_SDL_Haptic* haptic, int axes, int effect) : haptic(haptic), axes(axes), effect(effect) { }

    _SDL_Haptic* haptic;
    int axes;
    int effect;
};
