// key_actions.cpp -- the keys of the game and the action behind each
#include "engine/key_actions.h"

#include "engine/platform.h"

namespace {

struct KeyBinding {
    sf::Keyboard::Key key;
    KeyAction action;
};

// Keys, not characters: Caps Lock, Shift and the keyboard layout change none of these.
constexpr KeyBinding keyBindings[] = {
    {sf::Keyboard::Space, KeyAction::Interact}, {sf::Keyboard::Escape, KeyAction::Close},
    {sf::Keyboard::E, KeyAction::Bag},          {sf::Keyboard::Q, KeyAction::Checklist},
    {sf::Keyboard::Enter, KeyAction::Confirm},  {sf::Keyboard::A, KeyAction::WalkLeft},
    {sf::Keyboard::Left, KeyAction::WalkLeft},  {sf::Keyboard::D, KeyAction::WalkRight},
    {sf::Keyboard::Right, KeyAction::WalkRight},
};

}  // namespace

KeyAction keyActionFor(sf::Keyboard::Key key) {
    for (const KeyBinding& binding : keyBindings)
        if (binding.key == key) return binding.action;
    return KeyAction::None;
}

bool walkKeyHeld(KeyAction walk) {
    for (const KeyBinding& binding : keyBindings)
        if (binding.action == walk && platformKey(binding.key)) return true;
    return false;
}
