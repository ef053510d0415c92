# Rule code of the diagnostic program: trace, description files, messaging.
ml_test(diag_trace_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/trace_test.cpp LIBS diag_shell)
ml_test(diag_read_cnf_file_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/read_cnf_file_test.cpp LIBS diag_shell)
