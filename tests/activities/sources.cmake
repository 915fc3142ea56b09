set(ACTIVITIES_TEST_SOURCES
  tests/activities/interaction_test.cpp
  tests/activities/woodcutting_test.cpp
  tests/activities/mining_test.cpp
  tests/activities/fishing_test.cpp
  tests/activities/fire_pit_test.cpp
  tests/activities/smithing_test.cpp
)
