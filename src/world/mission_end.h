// mission_end.h -- where the end of a mission stands; the last research sets it going
#pragma once
#include <cstdint>

struct FlyingItem {
    bool launched = false;      // in the air or rising in its beam
    double itemX = 500, itemY = 400, itemVX = 0, itemVY = 0;
    int32_t landTime = 0;       // nowMs when it landed; 0 while in the air
    int32_t itemBeamY = -350;   // its beam's centre y; -350 is out of sight
};

struct GameEndState {
    int endStage = 0;               // 0 idle; 1..28 the stages of the sequence
    int32_t stageStart = 0;         // nowMs when the current timed stage began
    int32_t lastLaunch = 0;         // nowMs when the last item left the wisp
    FlyingItem items[21];           // item i is ItemKind i + 1
    double elderAngle = 0;          // degrees; never reset
    double elderSpin = -0.25;       // degrees per step
    int32_t elderSpinChanged = 0;   // nowMs when the spin last changed
};

extern GameEndState gameEnd;
