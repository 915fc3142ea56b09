set(APP_TEST_SOURCES
  tests/app/frame_loop_test.cpp
  tests/app/toolkit_test.cpp
  tests/app/input_test.cpp
  tests/app/loading_test.cpp
  tests/app/sound_test.cpp
  tests/app/threads_test.cpp
)
