// sliding_panel.h -- the motion of the pages that slide in from the top edge
#pragma once
#include <cstdint>

// One step: the page moves by its speed and stops exactly at its open or closed place.
void slidePanel(int32_t& slide, int32_t& slideSpeed, int closedY, int openY);
