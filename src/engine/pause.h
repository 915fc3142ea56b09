// pause.h -- the game's one pause (the help page open or the window without the focus)
// and the waits it holds: nowMs time stamps that no paused time may pass for
#pragma once
#include <cstdint>

bool gamePaused();                        // the help page covers the game, or the window has lost the focus
void holdDuringPauses(int32_t& stampMs);  // this stamp moves on by every paused moment (listed once)
void followPause();                       // first in every step: the held stamps skip the paused time
