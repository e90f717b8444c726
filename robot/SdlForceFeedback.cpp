#include "SdlForceFeedback.h"

#include <SDL.h>

#include <algorithm>

ForceFeedbackDevice::~ForceFeedbackDevice() = default;

namespace {

SDL_HapticEffect constantForce(int directionX, int directionY, int magnitude)
{
    SDL_HapticEffect effect {};
    effect.type = SDL_HAPTIC_CONSTANT;
    effect.constant.direction.type = SDL_HAPTIC_CARTESIAN;
    effect.constant.direction.dir[0] = directionX;
    effect.constant.direction.dir[1] = directionY;
    effect.constant.length = SDL_HAPTIC_INFINITY;
    effect.constant.level = static_cast<Sint16>(std::clamp(magnitude, -32767, 32767));
    return effect;
}

} // namespace

std::unique_ptr<SdlForceFeedback> SdlForceFeedback::open(SDL_Joystick* joystick)
{
    if (!joystick || SDL_JoystickIsHaptic(joystick) != SDL_TRUE)
        return nullptr;
    SDL_Haptic* haptic = SDL_HapticOpenFromJoystick(joystick);
    if (!haptic)
        return nullptr;
    const int axes = std::min(SDL_HapticNumAxes(haptic), 2);
    SDL_HapticEffect effect = constantForce(0, 0, 0);
    const int id =
        axes > 0 && (SDL_HapticQuery(haptic) & SDL_HAPTIC_CONSTANT) ? SDL_HapticNewEffect(haptic, &effect) : -1;
    if (id < 0) {
        SDL_HapticClose(haptic);
        return nullptr;
    }
    return std::unique_ptr<SdlForceFeedback>(new SdlForceFeedback(haptic, axes, id));
}

SdlForceFeedback::~SdlForceFeedback()
{
    SDL_HapticDestroyEffect(haptic, effect);
    SDL_HapticClose(haptic);
}

void SdlForceFeedback::apply(int directionX, int directionY, int magnitude)
{
    SDL_HapticEffect changed = constantForce(directionX, directionY, magnitude);
    SDL_HapticUpdateEffect(haptic, effect, &changed);
    SDL_HapticRunEffect(haptic, effect, 1);
}
