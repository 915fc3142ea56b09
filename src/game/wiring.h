// wiring.h -- the game joins its layers: every hook a lower layer calls is set here
#pragma once

void installGameHooks();  // once at start-up (tests: before every boot)
