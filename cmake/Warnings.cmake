# Project-wide warning policy: -Wall -Wextra, kept at zero.
function(clavora_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  # GCC 12's optimiser reports impossible overlaps in "literal + std::string&&" (GCC bug
  # 105329); the warning is noise there and hides real ones.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(CLAVORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
