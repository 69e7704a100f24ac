# Run after a GoogleTest program is built (see TestSuites.cmake): writes OUTPUT, the ctest tests of
# PROGRAM's suites, with the settings from SETTINGS.
cmake_minimum_required(VERSION 3.25)

include(${SETTINGS})

execute_process(COMMAND ${PROGRAM} --gtest_list_tests
                WORKING_DIRECTORY ${working_directory}
                OUTPUT_VARIABLE listing
                ERROR_VARIABLE errors
                RESULT_VARIABLE status
                TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} could not list its tests (${status}):\n${listing}${errors}")
endif()

# Only the names matter; the parameters' values after "#" may hold what a CMake list cannot.
string(REGEX REPLACE "  #[^\n]*" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(suites "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([^ #]+)\\.( .*)?$")
    set(suite ${CMAKE_MATCH_1})
    list(APPEND suites ${suite})
    set(cases_${suite} "")
  elseif(line MATCHES "^  ([^ #]+)" AND DEFINED suite)
    list(APPEND cases_${suite} ${CMAKE_MATCH_1})
  endif()
endforeach()

# A test whose cases were all skipped is reported skipped; one skipped among others that ran is not.
function(add_suite_test name filter count)
  if(count EQUAL 1)
    set(skipped "\\[  SKIPPED \\] 1 test,")
  else()
    set(skipped "\\[  SKIPPED \\] ${count} tests,")
  endif()
  string(APPEND script
         "add_test([==[${name}]==] [==[${PROGRAM}]==] [==[--gtest_filter=${filter}]==])\n"
         "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${working_directory}]==]"
         " SKIP_REGULAR_EXPRESSION [==[${skipped}]==]")
  foreach(property IN LISTS properties)
    string(APPEND script " [==[${property}]==]")
  endforeach()
  string(APPEND script ")\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()

set(script "")
foreach(suite IN LISTS suites)
  list(LENGTH cases_${suite} count)
  if(suite IN_LIST one_test_per_case)
    foreach(case IN LISTS cases_${suite})
      add_suite_test(${prefix}${suite}.${case} ${suite}.${case} 1)
    endforeach()
  else()
    add_suite_test(${prefix}${suite} ${suite}.* ${count})
  endif()
endforeach()
file(WRITE ${OUTPUT} "${script}")
