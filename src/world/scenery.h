// scenery.h -- the day cycle, rain showers and their sounds
#pragma once

void tickWorldClocks();       // advance dayClock and rainClock in 100 ms ticks; maybe start a shower
void drawSceneryBehind();     // night sky and night water, before the objects
void drawSceneryInFront();    // rain streaks, darkening and the night overlay, after the objects

// Darkness of the three night layers at dayClock d (alpha 0..255, truncated).
int nightAlpha(double d, int peak, int slope);  // 0 by day, ramps by slope per second to peak
int nightSkyAlpha(double d);                    // the sky rectangle: up to 200
int nightWaterAlpha(double d);                  // the "night water" tint: up to 100
int nightOverlayAlpha(double d);                // the whole view: up to 150
