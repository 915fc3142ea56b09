# The test suite, one file per unit, plus the scenario harness.
set(THORNVALE_TEST_SOURCES
  tests/support/harness.cpp
  tests/app/frame_loop_test.cpp
  tests/app/toolkit_test.cpp
  tests/app/input_test.cpp
  tests/app/loading_test.cpp
  tests/assets/assets_test.cpp
)
