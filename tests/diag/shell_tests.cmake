# Rule code of the diagnostic program: trace, description files, messaging.
ml_test(diag_trace_test SOURCES trace_test.cpp LIBS diag_shell)
