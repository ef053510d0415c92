# Rule code of the diagnostic program: trace, description files, messaging.
ml_test(diag_trace_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/trace_test.cpp LIBS diag_shell)
ml_test(diag_read_cnf_file_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/read_cnf_file_test.cpp LIBS diag_shell)
# The messaging calls com's item codec, which needs com's link layer to link.
if(TARGET com)
  ml_test(diag_messaging_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/messaging_test.cpp LIBS diag_shell com_core)
endif()
# End to end against the machine simulator on a pseudo-terminal.
if(TARGET sim AND NOT ML_WINDOWS)
  ml_test(diag_sim_e2e_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/sim_e2e_test.cpp LIBS diag_shell com_core)
  target_compile_definitions(diag_sim_e2e_test PRIVATE SIM_PATH="$<TARGET_FILE:sim>")
  add_dependencies(diag_sim_e2e_test sim)
  set_tests_properties(diag_sim_e2e_test PROPERTIES TIMEOUT 120)
endif()
