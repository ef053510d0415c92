ml_test(diag_windows_rules_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/custom_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panel_engine_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panel_rows_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/point_panels_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/switchboard_rules_test.cpp
  LIBS diag_windows_rules)

# The program's windows in-process under Wine and Xvfb, with a fake machine at the link.
if(TARGET diag)
  add_executable(diag_gui_window_test
    ${CMAKE_CURRENT_LIST_DIR}/gui_main_window_test.cpp
    ${CMAKE_SOURCE_DIR}/diag/resources/diag.rc)
  target_include_directories(diag_gui_window_test PRIVATE
    ${CMAKE_BINARY_DIR}/diag/windows ${CMAKE_SOURCE_DIR}/diag/resources)
  target_link_libraries(diag_gui_window_test PRIVATE diag_windows diag_shell com_core gtest_main)
  target_compile_definitions(diag_gui_window_test PRIVATE
    DIAG_VERSION="${PROJECT_VERSION}" DIAG_EXE_PATH="Z:$<TARGET_FILE:diag>")
  add_dependencies(diag_gui_window_test diag)
  ml_warnings(diag_gui_window_test)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/screenshots)
  ml_wine_gui_test(diag_gui_window_test COMMAND wine $<TARGET_FILE:diag_gui_window_test>)
  set_property(TEST diag_gui_window_test APPEND PROPERTY ENVIRONMENT "ML_SCREENSHOT_DIR=Z:${CMAKE_BINARY_DIR}/screenshots")
endif()

if(TARGET diag)
  find_program(ML_OBJDUMP i686-w64-mingw32-objdump REQUIRED)
  add_test(NAME diag_imports_by_name
    COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/check_diag_imports.sh ${ML_OBJDUMP} $<TARGET_FILE:diag>)
endif()
