// sliding_panel.cpp -- the motion of the pages that slide in from the top edge
#include "engine/sliding_panel.h"

void slidePanel(int32_t& slide, int32_t& slideSpeed, int closedY, int openY) {
    if (slideSpeed == 0) return;
    slide += slideSpeed;
    if (slideSpeed < 0 && slide < closedY + 1) {
        slide = closedY;
        slideSpeed = 0;
    } else if (slideSpeed > 0 && slide > openY - 1) {
        slide = openY;
        slideSpeed = 0;
    }
}
