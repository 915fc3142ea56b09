// area_objects.h -- the three objects of an area: where they stand, drawing them, pointing at them
#pragma once

constexpr int elderX = 940, elderY = 542;  // where the elder stands, in the tutorial and at the end

int objectPlaceX(int slot);   // x of place 0, 1, 2: 170, 500, 830
void drawAreaObjects();       // the three objects of the area
bool pointerOverObject(int kind, int slot);  // -1, -1: the object of the place under the pointer
