# Helper that builds one GoogleTest executable for a library and registers it with CTest.
option(OTCRAPS_UNITY_TESTS "Compile each test program's files in batches (faster from scratch)" OFF)
option(OTCRAPS_TESTS_O1 "Compile the test programs' own files at -O1; the libraries they test keep the build's level" OFF)
# Every test ends within this many seconds, or fails naming itself: a hang must not eat CI's whole
# budget. The slowest take about 20 s under the sanitizers on two cores.
set(OTCRAPS_TEST_TIMEOUT 300)

# A program of REAL_WINDOW tests opens windows on the display: two such tests at once would take
# each other's input and focus, so they hold the display one at a time. Only such tests are in
# such a program, so the rest of the suite runs on beside them.
function(otcraps_add_tests name)
  cmake_parse_arguments(ARG "REAL_WINDOW" "COST" "SOURCES;LIBS" ${ARGN})
  set(lock)
  if(ARG_REAL_WINDOW)
    set(lock RESOURCE_LOCK otcraps_display)
  endif()
  # CTest starts the costliest tests first: a program whose tests take seconds each should not
  # be left for last, when only one core would still be busy.
  if(NOT ARG_COST)
    set(ARG_COST 0)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  # Test files share most of their headers (gtest's and the fixtures'): compiled a batch at a time,
  # each header is parsed and each inline function generated once per batch instead of per file.
  if(OTCRAPS_UNITY_TESTS)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
  # An optimized build runs the suite to prove the optimized libraries: the tests' own code,
  # mostly gtest's macros, runs no faster at -O3 and takes half as long again to compile there.
  if(OTCRAPS_TESTS_O1)
    target_compile_options(${name} PRIVATE -O1)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE OTCRAPS_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${name}."
    PROPERTIES ENVIRONMENT "OTCRAPS_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp" COST ${ARG_COST}
    TIMEOUT ${OTCRAPS_TEST_TIMEOUT} ${lock})
endfunction()
