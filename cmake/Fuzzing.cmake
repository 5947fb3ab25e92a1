# Builds a fuzz entry point either as a libFuzzer binary (clang, HALVIK_FUZZ=ON) or as a replay
# program that feeds every file of a corpus folder through the same entry point, so the corpus runs
# as a regression test in every build.
function(halvik_add_fuzz_target name)
  cmake_parse_arguments(FUZZ "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
  if(HALVIK_FUZZ)
    add_executable(${name} ${FUZZ_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  else()
    add_executable(${name} ${FUZZ_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/ReplayMain.cpp)
  endif()
  target_link_libraries(${name} PRIVATE ${FUZZ_LIBRARIES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fuzz)
  if(NOT HALVIK_FUZZ)
    add_test(NAME ${name}.corpus COMMAND ${name} ${FUZZ_CORPUS})
    set_tests_properties(${name}.corpus PROPERTIES LABELS fuzz)
  endif()
endfunction()
