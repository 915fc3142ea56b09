#include "world/scenery.h"
void tickWorldClocks() {}
void drawSceneryBehind() {}
void drawSceneryInFront() {}
