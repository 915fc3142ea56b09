// save_notice.h -- the line on screen that tells the player progress is not being saved
#pragma once

constexpr const char* saveFailedText = "Progress could not be saved";

// Drawn over the game (below the HUD bar) and over the menus while the last write of a
// progress file under saves/ failed; gone once a save works again.
void drawSaveNotice();
