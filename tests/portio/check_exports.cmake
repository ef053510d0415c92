# cmake -DOBJDUMP=... -DDLL=... -P check_exports.cmake
# The export name table of portio.dll holds exactly the library's functions,
# under their plain names.
cmake_policy(SET CMP0007 NEW)
set(expected
  CloseDevice32 InMemB32 InMemL32 InMemW32 InPortB32 InPortL32 InPortW32 Is_Windows_95
  LoadDriver LoadService OpenDevice32 OutMemB32 OutMemL32 OutMemW32 OutPortB32 OutPortL32
  OutPortW32 Registry UnLoadDriver UnRegistry UnloadService)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${DLL} failed")
endif()
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)+" table "${dump}")
string(REPLACE "[Ordinal/Name Pointer] Table\n" "" table "${table}")
# Each line reads "[   n] Name"; brackets must go before the text becomes a list.
string(REGEX REPLACE "[ \t]*\\[ *[0-9]+\\] ([^\n]+)\n" "\\1;" names "${table}")
list(REMOVE_ITEM names "")
list(SORT names)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exports of ${DLL}:\n  ${names}\nexpected:\n  ${expected}")
endif()
list(LENGTH names count)
message(STATUS "portio.dll exports all ${count} functions by plain name")
