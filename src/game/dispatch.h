// dispatch.h -- clicks and keys handed to the screen that shows
#pragma once
#include <SFML/Window/Event.hpp>
#include <cstdint>

void dispatchClick();                          // one click, its position in the pointer state
void handleWindowEvent(const sf::Event& event);
void handleTextEntered(uint32_t c);
