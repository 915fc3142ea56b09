// scripted_pad.cpp -- SDL's virtual joystick as the harness's game controller
#include "support/scripted_pad.h"

#include "engine/input.h"
#include "support/harness.h"

#include <SDL2/SDL.h>
#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace {
std::atomic<int> rumbleCount{0};
int padsPlugged = 0;

int countRumble(void*, Uint16, Uint16) {
    rumbleCount++;
    return 0;
}
}  // namespace

bool scriptedPadPlugged() { return padsPlugged > 0; }

void pollScriptedPad() {
    pollPadOnce();
    pollPointerOnce();
}

// The virtual joystick's own mapping follows SDL's controller layout button for button.
ScriptedPad::ScriptedPad(Harness& harness) : h(harness) {
    startGamepad();
    joystick = plugVirtualPad("Scripted pad", countRumble);
    if (!joystick) std::abort();  // an SDL without virtual joysticks: nothing here can work
    padsPlugged++;
    rumbleCount = 0;
    pollScriptedPad();
}

void ScriptedPad::unplug() {
    if (!joystick) return;
    for (int i = 0; i < SDL_NumJoysticks(); i++)
        if (SDL_JoystickGetDeviceInstanceID(i) == SDL_JoystickInstanceID(joystick)) SDL_JoystickDetachVirtual(i);
    SDL_JoystickClose(joystick);
    joystick = nullptr;
    pollScriptedPad();
    padsPlugged--;
}

void ScriptedPad::setAxis(int axis, double value) {
    SDL_JoystickSetVirtualAxis(joystick, axis, static_cast<Sint16>(std::clamp(value, -32768.0, 32767.0)));
    pollScriptedPad();
}

void ScriptedPad::press(PadButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick, sdlButtonOf[button], down);
    pollScriptedPad();
}

void ScriptedPad::tap(PadButton button, int restSteps) {
    press(button);
    h.step();
    release(button);
    h.step(restSteps);
}

void ScriptedPad::tilt(bool rightStick, double x, double y) {
    SDL_JoystickSetVirtualAxis(joystick, rightStick ? SDL_CONTROLLER_AXIS_RIGHTX : SDL_CONTROLLER_AXIS_LEFTX,
                               static_cast<Sint16>(x * 32767));
    setAxis(rightStick ? SDL_CONTROLLER_AXIS_RIGHTY : SDL_CONTROLLER_AXIS_LEFTY, y * 32767);
}

void ScriptedPad::pull(bool rightTrigger, double amount) {
    setAxis(rightTrigger ? SDL_CONTROLLER_AXIS_TRIGGERRIGHT : SDL_CONTROLLER_AXIS_TRIGGERLEFT, amount * 65535 - 32768);
}

// Full tilt from afar, then gentler pushes for the last pixels.
void ScriptedPad::pointAt(int x, int y) {
    auto push = [](int d) { return d == 0 ? 0.0 : (d > 0 ? 1 : -1) * (std::abs(d) > 80 ? 1 : std::abs(d) > 8 ? 0.5 : 0.25); };
    for (int i = 0; i < 200 && (pointer.pointerX != x || pointer.pointerY != y); i++) {
        tilt(true, push(x - pointer.pointerX), push(y - pointer.pointerY));
        h.step();
    }
    tilt(true, 0, 0);
}

int ScriptedPad::rumbles() const { return rumbleCount; }
