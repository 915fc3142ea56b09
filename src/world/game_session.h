// game_session.h -- the state of the game being played: world, wisp, clocks, bag, research
#pragma once
#include <cstdint>
#include <string>

struct WorldState {
    uint32_t WorldSeed = 0;      // chosen at new game, 0..999,999,999; never changes
    uint32_t RunningSeed = 0;    // advanced by every draw of the generator, wraps mod 2^32
    int32_t AreaCounter = 0;     // areas chosen so far
    int32_t KindCounts[12] = {}; // objects placed so far, by ObjectKind 1..11 (0 unused)
    int32_t AreaContents[3] = {};// ObjectKind of the left, middle and right place; 0 empty
};

struct PlayerState {
    int32_t playerX = 100;           // wisp centre x, px
    int32_t playerY = -150;          // wisp centre y, px; 400 when standing
    bool controlEnabled = false;     // the player may move and open objects
    bool inTransition = false;       // leaving the area or arriving in the next
    bool nextAreaChosen = false;     // this transition already chose the next area
    bool arrivalBeam = false;        // the new-game beam is running
    int32_t beamY = -300;            // beam sprite centre y, px
    bool moveLeftHeld = false;       // A or Left held (keyboard) or walking left (touch)
    bool moveRightHeld = false;      // D or Right held (keyboard) or walking right (touch)
    int32_t touchTargetX = 0;        // touch: x the wisp walks to; 0 none
    int32_t PlayTimer = 0;           // whole seconds played
    int32_t playTimerReference = 0;  // nowMs up to which play time is counted
};

struct WorldClocks {
    double dayClock = 0;         // seconds into the 899 s day
    double rainClock = 0;        // > 0 while a shower runs (counts down from 40)
    int32_t clockReference = 0;  // nowMs up to which the clocks have advanced
};

struct GameSession {
    WorldState world;
    PlayerState player;
    WorldClocks clocks;
    int32_t Inventory[9] = {};       // ItemKind per slot; 0 empty
    int32_t ResearchLevel[22] = {};  // percent by ItemKind 1..21 (0 unused)
    int32_t OverallProgress = 0;     // sum of the 21 levels div 21
    bool MissionComplete = false;    // every kind stands at 100
    int32_t SaveNumber = 0;          // names saves/<SaveNumber>.kv
    std::string SaveName;            // as the player typed it
};

extern GameSession session;
