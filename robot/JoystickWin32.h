#pragma once

#include "ForceFeedbackDevice.h"

#include <QObject>
#include <QString>
#include <mutex>

#include <atomic>
#include <memory>
#include <vector>

struct _SDL_Joystick;

// The game controllers attached to the computer, through SDL's joystick and haptic
// interfaces: finds them, reads their state on request, gives axes, sliders and buttons
// in the joystick block's scale and drives one constant-force effect per controller.
// Every operation except count() holds the one lock for its whole run.
class JoystickWin32 : public QObject
{
    Q_OBJECT

public:
    static constexpr int deadZone = 40;
    static constexpr int axisRange = 1000;
    static constexpr unsigned maxForceAxes = 2;

    // The window handle of the Windows original is not needed here.
    explicit JoystickWin32(quintptr windowHandle = 0);
    ~JoystickWin32() override;

    int count() const { return controllerCount.load(); }
    QString name(int index) const;
    unsigned axisCount(int index) const;
    unsigned buttonCount(int index) const;
    unsigned sliderCount(int index) const;

    // Cycle thread.
    bool poll(int index);
    int axis(int index, int k) const;
    int slider(int index, int k) const;
    bool button(int index, int k) const;
    void setForce(int index, int x, int y);
    void stopForce(int index);

    // Tests: replaces a controller's force effect (null removes it).
    void setForceFeedback(int index, std::unique_ptr<ForceFeedbackDevice> device);

public Q_SLOTS:
    void scan();

Q_SIGNALS:
    void scanned();

private:
    // SDL's axes 0 to 5 stand for X, Y, Z, Rx, Ry and Rz; further axes are sliders.
    enum AxisIndex { X, Y, Z, Rx, Ry, Rz, namedAxes };
    static constexpr int maxSliders = 2;

    struct joyItem
    {
        _SDL_Joystick* device = nullptr;
        std::unique_ptr<ForceFeedbackDevice> effect;
        int axisValues[namedAxes] = {};
        int sliderValues[maxSliders] = {};
        std::vector<unsigned char> buttonStates;
        unsigned axes = 0;
        unsigned sliders = 0;
        unsigned buttons = 0;
        unsigned forceAxes = 0;
        bool has[namedAxes] = {};
        bool acquired = true;
        QString name;
    };

    const joyItem* item(int index) const;
    joyItem* item(int index);
    void releaseAll();
    void applyForce(joyItem& controller, int x, int y);
    static int scaled(int raw);

    mutable std::mutex lock;
    std::vector<std::unique_ptr<joyItem>> controllers;
    std::atomic<int> controllerCount {0};
    bool sdlStarted = false;
};

// The one game-controller manager; the main window creates and deletes it.
extern JoystickWin32* joystickManager;
