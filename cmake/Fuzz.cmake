# libFuzzer targets for the file readers; built only with clang and OTCRAPS_FUZZ on.

# Every fuzz target: the fuzz preset builds this alone, so the program and the libraries no
# reader needs are not built.
add_custom_target(fuzzers)

function(otcraps_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzzers ${name})
endfunction()
