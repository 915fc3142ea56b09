// menu_state.cpp -- what the menu screens remember between steps
#include "frontend/menu_state.h"

MenuState menuState;
