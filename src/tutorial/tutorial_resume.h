// tutorial_resume.h -- starting the tutorial: fresh, or where a new player left it
#pragma once

void startTutorial();  // fresh, or resumed from saves/tS.kv for a new player
