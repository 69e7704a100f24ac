# libFuzzer targets (the asan preset, clang), each run as a test for a short fixed time.
set(QUILLAN_FUZZ_SECONDS 5 CACHE STRING "How long each fuzzer runs as a test, in seconds")

# quillan_add_fuzzer(<target> SOURCES <files> LIBRARIES <libraries> CORPUS <folder> [MAX_LEN <bytes>])
#
# Builds <target> from SOURCES (which define LLVMFuzzerTestOneInput) against LIBRARIES, instruments
# those libraries for coverage, and adds the test <target>: QUILLAN_FUZZ_SECONDS of fuzzing that
# starts from the committed seeds in CORPUS. A crash, a leak, a sanitizer report or an input that
# runs over 10 seconds fails it. New inputs go to the build folder, never to the sources.
function(quillan_add_fuzzer target)
  cmake_parse_arguments(PARSE_ARGV 1 fuzz "" "CORPUS;MAX_LEN" "SOURCES;LIBRARIES")
  if(NOT fuzz_SOURCES OR NOT fuzz_CORPUS)
    message(FATAL_ERROR "quillan_add_fuzzer(${target}): SOURCES and CORPUS are required")
  endif()
  if(NOT fuzz_MAX_LEN)
    set(fuzz_MAX_LEN 4096)
  endif()
  add_executable(${target} ${fuzz_SOURCES})
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE ${fuzz_LIBRARIES})
  foreach(library IN LISTS fuzz_LIBRARIES)
    get_target_property(type ${library} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
  endforeach()
  set(work ${CMAKE_CURRENT_BINARY_DIR}/corpus-${target})
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${target}
           COMMAND ${target} -max_total_time=${QUILLAN_FUZZ_SECONDS} -timeout=10 -max_len=${fuzz_MAX_LEN}
                   -print_final_stats=1 ${work} ${fuzz_CORPUS})
  set_tests_properties(${target} PROPERTIES LABELS fuzz)
endfunction()
