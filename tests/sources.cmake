# The test suite, one file per unit, plus the scenario harness. Each subsystem's
# folder lists its own files.
include(tests/engine/sources.cmake)
include(tests/world/sources.cmake)
include(tests/activities/sources.cmake)
include(tests/inventory/sources.cmake)
include(tests/frontend/sources.cmake)
include(tests/tutorial/sources.cmake)
include(tests/game/sources.cmake)
set(THORNVALE_TEST_SOURCES
  tests/support/harness.cpp
  tests/support/game_process.cpp
  tests/support/scripted_pad.cpp
  tests/assets/assets_test.cpp
  tests/inventory/hud_test.cpp
  ${ENGINE_TEST_SOURCES}
  ${WORLD_TEST_SOURCES}
  ${ACTIVITIES_TEST_SOURCES}
  ${INVENTORY_TEST_SOURCES}
  ${FRONTEND_TEST_SOURCES}
  ${TUTORIAL_TEST_SOURCES}
  ${GAME_TEST_SOURCES}
)
