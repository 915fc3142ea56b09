set(TUTORIAL_TEST_SOURCES
  tests/tutorial/tutorial_script_test.cpp
  tests/tutorial/tutorial_test.cpp
  tests/tutorial/lessons_test.cpp
  tests/tutorial/step_table_test.cpp
)
