# SPDX-License-Identifier: GPL-3.0-or-later
# Included by the main project when PULSADROME_FUZZ is on. The fuzz targets need clang and its
# libFuzzer runtime; they are built in <build>/fuzz by a project of their own (fuzz/CMakeLists.txt),
# whatever compiler the main build uses:
#   FuzzBuild         a test that configures and builds that project, the fixture of the next ones
#   Fuzz.<Reader>     a short run of each target on its seeds; SKIPPED when clang++ with libFuzzer
#                     is not found
#   fuzz              a build target that runs each one longer (PULSADROME_FUZZ_SECONDS)
set(PULSADROME_FUZZ_SECONDS 60 CACHE STRING "How long the fuzz target runs each fuzz target")
set(PULSADROME_FUZZ_TEST_SECONDS 3 CACHE STRING "How long a Fuzz.* test runs its target")
find_program(PULSADROME_FUZZ_CXX NAMES clang++-14 clang++ DOC "clang++ for the fuzz targets")

set(_fuzz_targets rhythm_text style_file wave_reader high_score_file resource_bundle)
set(_fuzz_tests RhythmText StyleFile WaveReader HighScoreFile ResourceBundle)

# Whether that clang++ links a libFuzzer program with the sanitizers the targets use. Checked at
# every configuration until it works, so that installing the runtime is enough.
set(_fuzz_found FALSE)
if(PULSADROME_FUZZ_CXX)
  if(PULSADROME_FUZZ_CHECKED STREQUAL PULSADROME_FUZZ_CXX)
    set(_fuzz_found TRUE)
  else()
    set(_check ${CMAKE_BINARY_DIR}/fuzz-check)
    file(WRITE ${_check}/check.cpp
         "#include <cstddef>\n#include <cstdint>\n"
         "extern \"C\" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }\n")
    execute_process(COMMAND ${PULSADROME_FUZZ_CXX} -fsanitize=fuzzer,address,undefined
                            ${_check}/check.cpp -o ${_check}/check
                    RESULT_VARIABLE _rc OUTPUT_QUIET ERROR_QUIET)
    if(_rc EQUAL 0)
      set(_fuzz_found TRUE)
      set(PULSADROME_FUZZ_CHECKED ${PULSADROME_FUZZ_CXX} CACHE INTERNAL "")
    endif()
  endif()
endif()
if(_fuzz_found)
  message(STATUS "Fuzz targets: ${PULSADROME_FUZZ_CXX} with libFuzzer")
else()
  message(STATUS "Fuzz targets: no clang++ with libFuzzer found (Debian: clang-14 "
                 "libclang-rt-14-dev); the Fuzz tests are skipped")
endif()

set(_fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
set(_fuzz_build ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/fuzz -DBINARY_DIR=${_fuzz_dir}
                -DCXX=${PULSADROME_FUZZ_CXX} -DGENERATOR=${CMAKE_GENERATOR}
                -P ${CMAKE_SOURCE_DIR}/fuzz/Build.cmake)
# fuzz_<target> [seconds]: new inputs go to corpus/<target>, a crashing one to crashes/.
function(pulsadrome_fuzz_run out target seconds)
  # Through `cmake -E env`, so that listing the tests does not look for targets not built yet.
  set(${out} ${CMAKE_COMMAND} -E env ${_fuzz_dir}/fuzz_${target} -max_total_time=${seconds} -timeout=10
      -print_final_stats=1 -artifact_prefix=${_fuzz_dir}/crashes/${target}-
      ${_fuzz_dir}/corpus/${target} ${_fuzz_dir}/seeds/${target} PARENT_SCOPE)
endfunction()

if(_fuzz_found)
  set(_runs)
  foreach(target IN LISTS _fuzz_targets)
    pulsadrome_fuzz_run(_run ${target} ${PULSADROME_FUZZ_SECONDS})
    list(APPEND _runs COMMAND ${_run})
  endforeach()
  add_custom_target(fuzz COMMAND ${_fuzz_build} ${_runs} USES_TERMINAL VERBATIM
                    COMMENT "Fuzzing each reader for ${PULSADROME_FUZZ_SECONDS} s")
else()
  add_custom_target(fuzz COMMAND ${CMAKE_COMMAND} -E echo
                    "No clang++ with libFuzzer: install clang-14 and libclang-rt-14-dev"
                    COMMAND ${CMAKE_COMMAND} -E false VERBATIM)
endif()

if(PULSADROME_TESTS)
  if(_fuzz_found)
    add_test(NAME FuzzBuild COMMAND ${_fuzz_build})
    set_tests_properties(FuzzBuild PROPERTIES FIXTURES_SETUP fuzz_build TIMEOUT 900)
  endif()
  foreach(target test IN ZIP_LISTS _fuzz_targets _fuzz_tests)
    if(_fuzz_found)
      pulsadrome_fuzz_run(_run ${target} ${PULSADROME_FUZZ_TEST_SECONDS})
      add_test(NAME Fuzz.${test} COMMAND ${_run})
      set_tests_properties(Fuzz.${test} PROPERTIES FIXTURES_REQUIRED fuzz_build TIMEOUT 120)
    else()
      add_test(NAME Fuzz.${test} COMMAND sh -c "echo 'no clang++ with libFuzzer'; exit 77")
      set_tests_properties(Fuzz.${test} PROPERTIES SKIP_RETURN_CODE 77)
    endif()
  endforeach()
endif()
