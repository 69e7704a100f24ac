# `format` rewrites the tracked C++ files to the committed .clang-format; scripts/check-format only checks.
find_program(QUILLAN_CLANG_FORMAT clang-format)
if(QUILLAN_CLANG_FORMAT)
  add_custom_target(format
                    COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-format --fix
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    COMMENT "Formatting the C++ sources"
                    VERBATIM)
endif()
