set(FRONTEND_TEST_SOURCES
  tests/frontend/save_game_test.cpp
  tests/frontend/save_list_test.cpp
  tests/frontend/high_scores_test.cpp
  tests/frontend/menus_test.cpp
  tests/frontend/crash_test.cpp
  tests/frontend/screens_test.cpp
)
