// scenery.h -- the day cycle, rain showers and their sounds
#pragma once

void tickWorldClocks();       // advance dayClock and rainClock in 100 ms ticks; maybe start a shower
void drawSceneryBehind();     // night sky and night water, before the objects
void drawSceneryInFront();    // rain streaks, darkening and the night overlay, after the objects
