# Fails unless the DLL exports exactly the four COM server entry points, by name, and nothing else.
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

string(REGEX MATCH "Export Address Table[ \t]+([0-9a-fA-F]+)" _ "${dump}")
math(EXPR address_count "0x${CMAKE_MATCH_1}")

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([ \t]+\\[[ 0-9]+\\] [^\n]+\n)*)" _ "${dump}")
string(REGEX MATCHALL "\\] [^\n]+" names "${CMAKE_MATCH_1}")
list(TRANSFORM names REPLACE "\\] " "")

set(expected DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer)
if(NOT names STREQUAL expected OR NOT address_count EQUAL 4)
  message(FATAL_ERROR "exports by name: '${names}', export address entries: ${address_count}")
endif()
message(STATUS "exports: ${names}")
