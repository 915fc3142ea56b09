// settings_screen.h -- the settings screen: input method, music and sound volumes, high scores
#pragma once

void drawSettingsScreen();
void clickSettingsScreen();
