// tutorial_script.h -- what the elder says at each step
#pragma once
#include "tutorial/step_table.h"

#include <string>
#include <vector>

std::vector<std::string> elderSpeech(Step step, bool touch, bool newPlayer);  // lines; empty: silent
bool speechIsPreset(Step step);     // given as separate lines, drawn without wrapping
