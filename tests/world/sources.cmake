set(WORLD_TEST_SOURCES
  tests/world/kinds_test.cpp
  tests/world/generator_test.cpp
  tests/world/player_test.cpp
  tests/world/scenery_test.cpp
  tests/world/areas_review_test.cpp
)
