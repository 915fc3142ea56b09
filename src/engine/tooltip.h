// tooltip.h -- the one tooltip look: a grey box with white text beside the pointer
#pragma once
#include <string>

constexpr int hudTooltipAlpha = 200;   // the bag's and the checklist's tooltips
constexpr int menuTooltipAlpha = 255;  // the fire pit's and the anvil's menus

// Beside the pointer: to its right, or ending to its left (the bag sits at the right edge).
void drawTooltipBox(const std::string& text, bool toTheRight, int alpha = hudTooltipAlpha);
