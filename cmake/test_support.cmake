# The builders of the game's files (tests/support), for the benchmarks and the fuzz targets. The
# test suites define the library; a build without them (a benchmark or fuzz build) defines it here.
if(NOT TARGET zarkel_test_support)
  add_library(zarkel_test_support STATIC
    ${PROJECT_SOURCE_DIR}/tests/support/scenario_builder.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/temp_dir.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/scenario_fixture.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/ob_scenario.cpp
  )
  target_compile_definitions(zarkel_test_support PRIVATE
                             ZARKEL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  target_include_directories(zarkel_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(zarkel_test_support PUBLIC zarkel_core)
endif()
