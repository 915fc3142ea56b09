// save_values.h -- the range of every number the game saves, checked at every load
//
// A loaded value outside its range is treated like a line without a number: the file
// is refused as a whole. Every value the game writes, or has ever written, lies inside
// these ranges once a day clock at its end is read as the new day (below), so what the
// game saved it can always read back.
#pragma once

struct ValueRange {
    long long low, high;
    bool holds(long long value) const { return value >= low && value <= high; }
    long long clamp(long long value) const { return value < low ? low : value > high ? high : value; }
};

constexpr long long countLimit = 999'999'999;  // seconds played, areas and objects placed
constexpr ValueRange percentRange{0, 100};
constexpr ValueRange seedRange{0, 999'999'999};
constexpr ValueRange runningSeedRange{-2'147'483'648LL, 2'147'483'647LL};
constexpr ValueRange wispXRange{-10'000, 10'000};  // the wisp is never far outside the view
constexpr ValueRange countRange{0, countLimit};
constexpr ValueRange objectKindRange{0, 11};
constexpr ValueRange itemKindRange{0, 21};
constexpr ValueRange dayClockRange{0, 898};
constexpr ValueRange rainClockRange{-countLimit, 40};  // a shower starts at 40 and counts down
constexpr ValueRange tutorialStepRange{0, 60};

// The day clock wraps to 0 on the step after it reaches its end, so a save made in
// between (or by an older game) can hold 899 or more: it reads as the new day, 0.
constexpr int dayClockLine = 52;
constexpr long long dayClockEnd = 899;

ValueRange saveLineRange(int line);      // lines 2 to 53 of a game save
ValueRange tutorialLineRange(int line);  // lines 1 to 33 of the tutorial save
