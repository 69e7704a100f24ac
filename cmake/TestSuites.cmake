# quillan_test_suites(TARGET [PREFIX prefix] [ONE_TEST_PER_CASE suite...] [PROPERTIES name value...])
#
# Registers the GoogleTest program TARGET with ctest as one test per test suite, named after the suite
# (PREFIX before it), which runs the suite's cases in one process: a process per case would cost more
# than most cases take. A failing case is named in the test's output. The suites listed in
# ONE_TEST_PER_CASE get a test per case instead (PREFIX Suite.case), for cases long enough to run side by
# side. The list is read from the program after each build; PROPERTIES are given to every test.
set(QUILLAN_LIST_TEST_SUITES ${CMAKE_CURRENT_LIST_DIR}/ListTestSuites.cmake)

function(quillan_test_suites target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PREFIX" "ONE_TEST_PER_CASE;PROPERTIES")
  set(settings ${CMAKE_CURRENT_BINARY_DIR}/${target}_suite_settings.cmake)
  set(tests ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  set(include ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites_include.cmake)
  file(WRITE ${settings}
       "set(prefix [==[${arg_PREFIX}]==])\n"
       "set(one_test_per_case [==[${arg_ONE_TEST_PER_CASE}]==])\n"
       "set(properties [==[${arg_PROPERTIES}]==])\n"
       "set(working_directory [==[${CMAKE_CURRENT_BINARY_DIR}]==])\n")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D PROGRAM=$<TARGET_FILE:${target}> -D SETTINGS=${settings} -D OUTPUT=${tests}
            -P ${QUILLAN_LIST_TEST_SUITES}
    BYPRODUCTS ${tests}
    VERBATIM)
  file(WRITE ${include}
       "if(EXISTS [==[${tests}]==])\n"
       "  include([==[${tests}]==])\n"
       "else()\n"
       "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include})
endfunction()
