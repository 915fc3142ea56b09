set(GAME_TEST_SOURCES
  tests/game/dispatch_test.cpp
  tests/game/frame_loop_test.cpp
  tests/game/game_end_test.cpp
  tests/game/game_window_test.cpp
  tests/game/game_screen_test.cpp
  tests/game/pad_play_test.cpp
)
