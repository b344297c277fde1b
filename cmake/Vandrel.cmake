# Helpers shared by the folders' CMake files.

# vandrel_library(NAME DIR DEPS...): a static library of every .cpp in DIR (not in sub-folders).
function(vandrel_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# A GoogleTest program of the given sources and the shared test main, in build/tests/.
function(vandrel_test_program name sources)
  add_executable(${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/TestMain.cpp)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock)
  # The folder the test main insists on starting in.
  target_compile_definitions(${name} PRIVATE VANDREL_PROGRAM_DIR="${VANDREL_PROGRAM_DIR}")
endfunction()

# Every test runs in well under a second (a few under the sanitizers): a test still running after
# this many seconds waits for something that never comes, and fails instead of hanging the suite.
set(VANDREL_TEST_TIMEOUT 60)
set(VANDREL_WHOLE_TIMEOUT 900)

# vandrel_tests(NAME DIR DEPS...): one GoogleTest program of every .cpp in DIR, registered with CTest.
# (The test main selects the dummy SDL drivers itself.)
function(vandrel_tests name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  vandrel_test_program(${name} "${sources}" ${ARGN})
  gtest_discover_tests(${name} WORKING_DIRECTORY ${VANDREL_PROGRAM_DIR}
                       DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST
                       PROPERTIES TIMEOUT ${VANDREL_TEST_TIMEOUT})
  # The whole program once more in one process: a test that leans on what an earlier one left
  # behind (a window object, a file, the clock) fails here, though it passes in a process of its
  # own.
  add_test(NAME ${name}.whole COMMAND ${name} WORKING_DIRECTORY ${VANDREL_PROGRAM_DIR})
  set_tests_properties(${name}.whole PROPERTIES LABELS whole TIMEOUT ${VANDREL_WHOLE_TIMEOUT})
endfunction()

# vandrel_display_tests(NAME DIR DEPS...): a GoogleTest program of tests on real devices (a display,
# an audio driver). They are labelled "display": the plain build runs them, the sanitizer run not.
function(vandrel_display_tests name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  vandrel_test_program(${name} "${sources}" ${ARGN})
  gtest_discover_tests(${name} WORKING_DIRECTORY ${VANDREL_PROGRAM_DIR}
                       DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST
                       PROPERTIES LABELS display RUN_SERIAL TRUE TIMEOUT ${VANDREL_TEST_TIMEOUT})
endfunction()
