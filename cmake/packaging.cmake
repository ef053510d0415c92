# Install rules of the release packages (scripts/package builds them).
# Each package takes only its own components, so nothing else installed by the
# trees (test helpers, the other platform's files) reaches it:
#   Windows tree: win_programs, win_standin, win_tools, the sections of the
#                 installer; the zip holds all three in the same layout.
#   Native tree:  linux, the Debian package made by CPack.
set(ML_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

if(ML_WINDOWS)
  configure_file(${ML_PACKAGING_DIR}/windows/README.txt ${CMAKE_BINARY_DIR}/packaging/README.txt @ONLY NEWLINE_STYLE CRLF)
  install(PROGRAMS $<TARGET_FILE:diag> $<TARGET_FILE:Velk_KT> $<TARGET_FILE:com> $<TARGET_FILE:portio>
          DESTINATION . COMPONENT win_programs)
  install(FILES ${ML_PACKAGING_DIR}/windows/paramcom.txt ${PROJECT_SOURCE_DIR}/stubs/velk2/examples/BOOTSTR.H86
                ${CMAKE_BINARY_DIR}/packaging/README.txt
          DESTINATION . COMPONENT win_programs)
  install(PROGRAMS $<TARGET_FILE:VELK2> DESTINATION . COMPONENT win_standin)
  install(PROGRAMS $<TARGET_FILE:sim> $<TARGET_FILE:poll> DESTINATION . COMPONENT win_tools)
  file(GLOB ml_examples ${PROJECT_SOURCE_DIR}/sim/examples/*.txt)
  install(FILES ${ml_examples} DESTINATION examples COMPONENT win_tools)
  return()
endif()

install(TARGETS com LIBRARY DESTINATION lib COMPONENT linux)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/com/include/ DESTINATION include COMPONENT linux)
install(TARGETS sim poll RUNTIME DESTINATION bin COMPONENT linux)

# Manual pages from each tool's own --help and --version, so they never drift.
find_program(ML_HELP2MAN help2man REQUIRED)
set(ml_man_pages)
foreach(tool_and_name "sim|simulator of the machine's controller boards on a serial line"
                      "poll|one diagnostic exchange with the machine's controller boards")
  string(REPLACE "|" ";" tool_and_name "${tool_and_name}")
  list(GET tool_and_name 0 tool)
  list(GET tool_and_name 1 name)
  set(page ${CMAKE_BINARY_DIR}/man/${tool}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND sh -c "\"$1\" --no-info --name \"$2\" \"$3\" | gzip -9n > \"$4\""
            help2man ${ML_HELP2MAN} ${name} $<TARGET_FILE:${tool}> ${page}
    DEPENDS ${tool} VERBATIM)
  list(APPEND ml_man_pages ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${ml_man_pages})
install(FILES ${ml_man_pages} DESTINATION share/man/man1 COMPONENT linux)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME machine-link)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Machine link developers <machine-link@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "serial link library, machine simulator and poll client")
set(CPACK_PACKAGE_DESCRIPTION "The serial link library of the machine's controller boards (libcom and its headers), the machine simulator sim and the poll client poll, for Linux hosts talking to the machine over RS-232.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL linux)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
