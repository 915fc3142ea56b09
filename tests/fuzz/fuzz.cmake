# The libFuzzer targets: one per reader of a file under saves/, and one that plays a loaded
# game. Built only with -DTHORNVALE_FUZZ=ON and clang, in a build folder of their own.
set(THORNVALE_FUZZ_TARGETS
  save_game_fuzz save_list_fuzz settings_fuzz high_scores_fuzz tutorial_save_fuzz
  cheats_fuzz metrics_queue_fuzz play_fuzz)
set(THORNVALE_FUZZ_ASSETS ${CMAKE_SOURCE_DIR}/build/run/assets CACHE PATH
    "The generated assets the playing target loads (the normal build's)")

add_library(thornvale_fuzz_support STATIC tests/fuzz/fuzz_support.cpp tests/support/harness.cpp
            tests/support/scripted_pad.cpp)
target_include_directories(thornvale_fuzz_support PUBLIC tests)
target_compile_definitions(thornvale_fuzz_support PUBLIC
  THORNVALE_ASSETS_DIR="${THORNVALE_FUZZ_ASSETS}" THORNVALE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_compile_options(thornvale_fuzz_support PRIVATE -Wno-missing-field-initializers)
find_package(GTest REQUIRED)
target_link_libraries(thornvale_fuzz_support PUBLIC thornvale_core GTest::gtest)

foreach(target ${THORNVALE_FUZZ_TARGETS})
  add_executable(${target} tests/fuzz/${target}.cpp)
  target_compile_options(${target} PRIVATE -Wno-missing-field-initializers)
  target_link_libraries(${target} PRIVATE thornvale_fuzz_support)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
add_custom_target(fuzz_targets DEPENDS ${THORNVALE_FUZZ_TARGETS})
