// tutorial_script.h -- the script's table: what the elder says at each step
#pragma once
#include <string>
#include <vector>

bool isTextStep(int step);
std::vector<std::string> elderSpeech(int step, bool touch, bool newPlayer);  // lines; empty: silent
bool speechIsPreset(int step);      // given as separate lines, drawn without wrapping
