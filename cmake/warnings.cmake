# Warnings are errors-in-waiting: every target of ours builds clean with these.
function(ml_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
