// input_chooser.h -- the first-start chooser of Mouse/Keyboard or Touch
#pragma once

void drawInputChooser();
void clickInputChooser();
