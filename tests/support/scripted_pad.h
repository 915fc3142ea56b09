// scripted_pad.h -- a game controller for scenario tests: SDL's virtual joystick, played by
// script through the game's real pad path
//
// Every change reads the pad and the pointer once, as the pointer thread does; while a
// pad is plugged in, Harness::step reads them before each pass, so a held stick moves
// the pointer step by step on the manual clock.
#pragma once
#include "engine/gamepad.h"

class Harness;
struct _SDL_Joystick;

class ScriptedPad {
public:
    explicit ScriptedPad(Harness& harness, bool canRumble = true);  // plugs the pad in
    ~ScriptedPad() { unplug(); }

    void plug();
    void unplug();                        // pulled out, whatever is held
    void press(PadButton button);
    void release(PadButton button);
    void tap(PadButton button);           // press, a step, release, a step
    void menuTap(PadButton button);       // a tap, then time for the menus' 200 ms debounce
    void tilt(bool rightStick, double x, double y);  // -1..1, right and down positive
    void pull(bool rightTrigger, double amount);     // 0..1
    void pointAt(int x, int y);           // steer with the right stick until the pointer stands there
    int rumbles() const;                  // rumbles the game sent to this pad

private:
    void setAxis(int axis, double value);
    Harness& h;
    bool withRumble;
    _SDL_Joystick* joystick = nullptr;    // while plugged in
    int instance = -1;                    // SDL's id of the joystick while plugged in
};

bool scriptedPadPlugged();
void pollScriptedPad();                   // one read of the pad, then of the pointer
