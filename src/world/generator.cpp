#include "world/generator.h"
void startWorld(int64_t) {}
void chooseNextArea() {}
