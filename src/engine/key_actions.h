// key_actions.h -- what each key asks of the game, by the key pressed, not the character typed
#pragma once
#include <SFML/Window/Keyboard.hpp>

// The game's key actions; a pad button asks for one of the same.
enum class KeyAction {
    None,
    Interact,   // Space: open the object in front of the wisp
    Close,      // Esc: close the help page, or else the interaction window
    Bag,        // E: open or close the inventory panel
    Checklist,  // Q: open or close the research checklist
    Confirm,    // Enter: go on from a typed name or seed, or from the elder's words
    WalkLeft,   // A or Left, while held
    WalkRight,  // D or Right, while held
};

KeyAction keyActionFor(sf::Keyboard::Key key);  // None for a key the game gives no meaning
bool walkKeyHeld(KeyAction walk);               // a key that walks this way is down now
