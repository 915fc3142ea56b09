// tutorial_speech.h -- the elder, the speech bubble and the pointing arrow
#pragma once
#include "tutorial/step_table.h"

#include <string>
#include <vector>

void drawElder();
void drawSpeech(const std::vector<std::string>& lines, bool wrap);
std::vector<std::string> wrapSpeech(const std::string& text, int maxWidth);
void setArrow(double speed, double maximum);
void drawArrowForStep(Step step);
bool promptReady();                 // a text step may be advanced now
void drawContinuePrompt();
