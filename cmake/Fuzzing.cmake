# Builds a fuzz entry point either as a libFuzzer binary (clang, HALVIK_FUZZ=ON) or as a replay
# program that feeds every file of a corpus folder through the same entry point, so the corpus runs
# as a regression test in every build.
#
# A fuzz build also lists each target with its corpus in tests/fuzz/targets.txt and gathers the
# targets under "fuzz_targets", so scripts/fuzz builds and runs them without compiling the rest of
# the tree. Targets therefore name the few product sources they reach instead of whole libraries.
function(halvik_add_fuzz_target name)
  cmake_parse_arguments(FUZZ "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
  if(HALVIK_FUZZ)
    add_executable(${name} ${FUZZ_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    set_property(GLOBAL APPEND PROPERTY HALVIK_FUZZ_TARGETS ${name})
    set_property(GLOBAL APPEND_STRING PROPERTY HALVIK_FUZZ_MANIFEST "${name} ${FUZZ_CORPUS}\n")
  else()
    add_executable(${name} ${FUZZ_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/ReplayMain.cpp)
  endif()
  target_link_libraries(${name} PRIVATE ${FUZZ_LIBRARIES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests/fuzz)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fuzz)
  if(NOT HALVIK_FUZZ)
    add_test(NAME ${name}.corpus COMMAND ${name} ${FUZZ_CORPUS})
    set_tests_properties(${name}.corpus PROPERTIES LABELS fuzz)
  endif()
endfunction()

# Called once after every target is declared.
function(halvik_finish_fuzz_targets)
  if(HALVIK_FUZZ)
    get_property(targets GLOBAL PROPERTY HALVIK_FUZZ_TARGETS)
    get_property(manifest GLOBAL PROPERTY HALVIK_FUZZ_MANIFEST)
    add_custom_target(fuzz_targets DEPENDS ${targets})
    file(WRITE ${CMAKE_BINARY_DIR}/tests/fuzz/targets.txt "${manifest}")
  endif()
endfunction()
