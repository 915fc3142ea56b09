// menu_state.h -- what the menu screens remember between steps
#pragma once
#include <cstdint>
#include <optional>

enum class HeldSlider { None, Music, Sfx };

struct MenuState {
    HeldSlider heldSlider = HeldSlider::None;  // the volume knob being dragged
    bool resetArmed = false;       // "Reset High Scores" was pressed once: "Are You Sure?"
    int playHoverCount = 0;        // 0..40, drives the play letters' ripple
    int32_t lastMenuClick = -100000; // nowMs of the last accepted menu press
    bool shiftOn = false;          // the on-screen keyboard's shift key
    std::optional<bool> reportsTicked;  // the chooser's report box until Confirm; none: as kept
};

extern MenuState menuState;
