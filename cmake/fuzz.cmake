# Fuzzing tree (clang only): every target is instrumented for libFuzzer with
# ASan + UBSan; harnesses link the fuzzer's main. Configure with
#   CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DML_FUZZ=ON
option(ML_FUZZ "Build the libFuzzer harnesses (clang)" OFF)
if(ML_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ML_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

# ml_fuzzer(name SOURCES ... LIBS ...): a harness plus a short CTest smoke run
# over its committed seed corpus fuzz/corpus/<name> (new inputs go to the build tree).
function(ml_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  ml_warnings(${name})
  set(seeds ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  set(work ${CMAKE_CURRENT_BINARY_DIR}/corpus-${name})
  add_test(NAME ${name}_smoke
    COMMAND sh -c "mkdir -p '${work}' && exec \"$0\" -max_total_time=$\{ML_FUZZ_SECONDS:-8} -timeout=10 -print_final_stats=1 '${work}' '${seeds}'" $<TARGET_FILE:${name}>)
  set_tests_properties(${name}_smoke PROPERTIES LABELS fuzz)
endfunction()
