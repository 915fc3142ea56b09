// scripted_pad.h -- a game controller for scenario tests: SDL's virtual joystick, played by
// script through the game's real pad path. Every change reads the pad and the pointer
// as the pointer thread does, and so does Harness::step while a pad is plugged in.
#pragma once
#include "engine/gamepad.h"

class Harness;
struct _SDL_Joystick;

class ScriptedPad {
public:
    explicit ScriptedPad(Harness& harness);  // plugged in
    ~ScriptedPad() { unplug(); }
    void unplug();                            // pulled out, whatever is held
    void press(PadButton button, bool down = true);
    void release(PadButton button) { press(button, false); }
    void tap(PadButton button, int restSteps = 1);   // press, a step, release, rest
    void tilt(bool rightStick, double x, double y);  // -1..1, right and down positive
    void pull(bool rightTrigger, double amount);     // 0..1
    void pointAt(int x, int y);               // steer with the right stick until the pointer is there
    int rumbles() const;                      // rumbles the game sent to a pad

private:
    void setAxis(int axis, double value);
    Harness& h;
    _SDL_Joystick* joystick = nullptr;        // while plugged in
};

bool scriptedPadPlugged();
void pollScriptedPad();  // one read of the pad, then of the pointer
