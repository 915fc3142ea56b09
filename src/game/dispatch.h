// dispatch.h -- clicks and keys handed to the screen that shows
#pragma once
#include "engine/key_actions.h"

#include <SFML/Window/Event.hpp>
#include <cstdint>

void dispatchClick();                          // one click, its position in the pointer state
void handleWindowEvent(const sf::Event& event);
void runKeyAction(KeyAction action);           // a key pressed (or a pad button) on the screen that shows
void handleTextEntered(uint32_t c);            // a character typed on a text screen
