// lesson_rules.h -- the tutorial's answers to the questions the game rules ask
#pragma once

void installTutorialRules();  // into world/tutorial_rules.h's table, once at start-up
