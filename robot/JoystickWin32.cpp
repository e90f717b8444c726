#include "JoystickWin32.h"

#include "SdlForceFeedback.h"

#include <SDL.h>

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <mutex>

JoystickWin32* joystickManager = nullptr;

namespace {

// Which axes axis k of the block tries, in order.
const std::vector<int> axisOrder[] = {
    {1, 0, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5}, {2, 3, 4, 5}, {3, 4, 5}, {4, 5}, {5},
};

} // namespace

JoystickWin32::JoystickWin32(quintptr)
{
}

JoystickWin32::~JoystickWin32()
{
    releaseAll();
    if (sdlStarted)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_HAPTIC);
}

const JoystickWin32::joyItem* JoystickWin32::item(int index) const
{
    return static_cast<unsigned>(index) < controllers.size() ? controllers[static_cast<unsigned>(index)].get()
                                                             : nullptr;
}

JoystickWin32::joyItem* JoystickWin32::item(int index)
{
    return static_cast<unsigned>(index) < controllers.size() ? controllers[static_cast<unsigned>(index)].get()
                                                             : nullptr;
}

void JoystickWin32::releaseAll()
{
    controllerCount.store(0);
    for (auto& controller : controllers) {
        controller->effect.reset();
        if (controller->device)
            SDL_JoystickClose(controller->device);
    }
    controllers.clear();
}

int JoystickWin32::scaled(int raw)
{
    return std::clamp(raw * axisRange / 32767, -axisRange, axisRange);
}

void JoystickWin32::scan()
{
    {
        std::unique_lock<std::mutex> hold(lock);
        releaseAll();
        if (!sdlStarted) {
            SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
            if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
                return;
            SDL_InitSubSystem(SDL_INIT_HAPTIC); // controllers without force feedback still work
            sdlStarted = true;
        }
        SDL_JoystickUpdate();
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            SDL_Joystick* device = SDL_JoystickOpen(i);
            if (!device)
                continue;
            auto controller = std::make_unique<joyItem>();
            controller->device = device;
            const int axes = std::max(SDL_JoystickNumAxes(device), 0);
            controller->axes = static_cast<unsigned>(std::min(axes, int(namedAxes)));
            controller->sliders = static_cast<unsigned>(std::clamp(axes - int(namedAxes), 0, maxSliders));
            controller->buttons = static_cast<unsigned>(std::max(SDL_JoystickNumButtons(device), 0));
            controller->buttonStates.assign(controller->buttons, 0);
            for (unsigned k = 0; k < controller->axes; ++k)
                controller->has[k] = true;
            controller->effect = SdlForceFeedback::open(device);
            if (controller->effect)
                controller->forceAxes = std::min(static_cast<unsigned>(controller->effect->forceAxes()), maxForceAxes);
            controller->name = QString::fromUtf8(SDL_JoystickName(device));
            controllers.push_back(std::move(controller));
        }
        controllerCount.store(static_cast<int>(controllers.size()));
    }
    Q_EMIT scanned();
}

QString JoystickWin32::name(int index) const
{
    std::unique_lock<std::mutex> hold(lock);
    const joyItem* controller = item(index);
    return controller ? controller->name : QString();
}

unsigned JoystickWin32::axisCount(int index) const
{
    std::unique_lock<std::mutex> hold(lock);
    const joyItem* controller = item(index);
    return controller ? controller->axes : 0;
}

unsigned JoystickWin32::buttonCount(int index) const
{
    std::unique_lock<std::mutex> hold(lock);
    const joyItem* controller = item(index);
    return controller ? controller->buttons : 0;
}

unsigned JoystickWin32::sliderCount(int index) const
{
    std::unique_lock<std::mutex> hold(lock);
    const joyItem* controller = item(index);
    return controller ? controller->sliders : 0;
}

bool JoystickWin32::poll(int index)
{
    std::unique_lock<std::mutex> hold(lock);
    joyItem* controller = item(index);
    if (!controller)
        return false;
    if (SDL_JoystickGetAttached(controller->device) != SDL_TRUE) {
        qWarning("GetDeviceStatus failed");
        controller->acquired = false;
        return false;
    }
    SDL_JoystickUpdate();
    for (unsigned k = 0; k < controller->axes; ++k)
        controller->axisValues[k] = scaled(SDL_JoystickGetAxis(controller->device, static_cast<int>(k)));
    for (unsigned k = 0; k < controller->sliders; ++k)
        controller->sliderValues[k] = scaled(SDL_JoystickGetAxis(controller->device, static_cast<int>(namedAxes + k)));
    for (unsigned k = 0; k < controller->buttons; ++k)
        controller->buttonStates[k] = SDL_JoystickGetButton(controller->device, static_cast<int>(k));
    controller->acquired = true;
    return true;
}

int JoystickWin32::axis(int index, int k) const
{
    std::unique_lock<std::mutex> hold(lock);
    const joyItem* controller = item(index);
    if (!controller || static_cast<unsigned>(k) >= std::size(axisOrder))
        return 0;
    for (int candidate : axisOrder[k]) {
        if (!controller->has[candidate])
            continue;
        const int v = -controller->axisValues[candidate];
        if (v > deadZone)
            return v - deadZone;
        if (v < -deadZone)
            return v + deadZone;
        return 0;
    }
    return 0;
}

int JoystickWin32::slider(int index, int k) const
{
    std::unique_lock<std::mutex> hold(lock);
    const joyItem* controller = item(index);
    if (!controller || static_cast<unsigned>(k) >= controller->sliders)
        return 0;
    return controller->sliderValues[k];
}

bool JoystickWin32::button(int index, int k) const
{
    std::unique_lock<std::mutex> hold(lock);
    const joyItem* controller = item(index);
    if (!controller || static_cast<unsigned>(k) >= controller->buttons)
        return false;
    return controller->buttonStates[static_cast<unsigned>(k)] != 0;
}

void JoystickWin32::applyForce(joyItem& controller, int x, int y)
{
    if (!controller.effect || controller.forceAxes == 0)
        return;
    if (controller.forceAxes == 1)
        controller.effect->apply(0, 0, x);
    else
        controller.effect->apply(x, y, static_cast<int>(std::sqrt(double(x) * x + double(y) * y)));
}

void JoystickWin32::setForce(int index, int x, int y)
{
    std::unique_lock<std::mutex> hold(lock);
    if (joyItem* controller = item(index))
        applyForce(*controller, x, y);
}

void JoystickWin32::stopForce(int index)
{
    setForce(index, 0, 0);
}

void JoystickWin32::setForceFeedback(int index, std::unique_ptr<ForceFeedbackDevice> device)
{
    std::unique_lock<std::mutex> hold(lock);
    joyItem* controller = item(index);
    if (!controller)
        return;
    controller->effect = std::move(device);
    controller->forceAxes = controller->effect
        ? std::min(static_cast<unsigned>(std::max(controller->effect->forceAxes(), 0)), maxForceAxes)
        : 0;
}
