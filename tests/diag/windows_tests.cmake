ml_test(diag_windows_rules_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/custom_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panel_engine_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/point_panels_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/switchboard_rules_test.cpp
  LIBS diag_windows_rules)
