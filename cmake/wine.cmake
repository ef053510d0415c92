# Windows tests run under Wine in a private prefix made under the build tree.
# COM1..COM8 of the prefix are mapped once, at creation, to ${ML_WINE_PORTS}/comN;
# a test makes the port live by putting a pty there (socat pair or the simulator's
# own pty) and talks to it from the Linux side. Tests that use COMn take the
# resource lock "COMn" so they never share a port.
set(ML_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "private Wine prefix of the test run")
set(ML_WINE_PORTS ${CMAKE_BINARY_DIR}/wineports CACHE PATH "folder of the COM port links of the test prefix")

add_test(NAME wine_prefix_up
  COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/wine-prefix up ${ML_WINE_PREFIX} ${ML_WINE_PORTS})
set_tests_properties(wine_prefix_up PROPERTIES FIXTURES_SETUP wine_prefix LABELS wine)
add_test(NAME wine_prefix_down
  COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/wine-prefix down ${ML_WINE_PREFIX} ${ML_WINE_PORTS})
set_tests_properties(wine_prefix_down PROPERTIES FIXTURES_CLEANUP wine_prefix LABELS wine)

# ml_wine_env(test): the environment every Windows test runs with.
function(ml_wine_env test)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    "WINEPREFIX=${ML_WINE_PREFIX}" "WINEDEBUG=-all" "WINEDLLOVERRIDES=mscoree,mshtml="
    "ML_WINE_PORTS=${ML_WINE_PORTS}")
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED wine_prefix)
endfunction()

# ml_wine_gui_test(name COMMAND ...): a test that needs a display. It runs on its
# own Xvfb with its own prefix (the shared one has no display); GUI tests take
# the lock "wine_gui" so they never share that prefix.
set(ML_WINE_GUI_PREFIX ${CMAKE_BINARY_DIR}/wineprefix-gui CACHE PATH "Wine prefix of the GUI tests")
function(ml_wine_gui_test name)
  cmake_parse_arguments(G "" "" "COMMAND" ${ARGN})
  add_test(NAME ${name}
    COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/wine-gui-run ${ML_WINE_GUI_PREFIX} ${ML_WINE_PORTS} ${G_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS "wine;gui" RESOURCE_LOCK wine_gui TIMEOUT 300)
endfunction()
