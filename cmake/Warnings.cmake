# Project-wide warning policy: -Wall -Wextra, kept at zero.
function(clavora_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(CLAVORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
