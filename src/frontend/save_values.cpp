// save_values.cpp -- which range each line of a game save and of the tutorial save holds
#include "frontend/save_values.h"

ValueRange saveLineRange(int line) {
    if (line == 2) return percentRange;
    if (line == 3) return seedRange;
    if (line == 4) return runningSeedRange;
    if (line == 5) return wispXRange;
    if (line == 6) return countRange;
    if (line >= 7 && line <= 9) return objectKindRange;
    if (line >= 10 && line <= 18) return itemKindRange;
    if (line >= 19 && line <= 39) return percentRange;
    if (line >= 40 && line <= 51) return countRange;
    if (line == 52) return dayClockRange;
    return rainClockRange;
}

ValueRange tutorialLineRange(int line) {
    if (line == 1) return tutorialStepRange;
    if (line == 2) return wispXRange;
    if (line == 3) return countRange;
    if (line >= 4 && line <= 12) return itemKindRange;
    return percentRange;
}
