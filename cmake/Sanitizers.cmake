if(CLAVORA_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(CLAVORA_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT CLAVORA_SANITIZE STREQUAL "")
  message(FATAL_ERROR "Unknown CLAVORA_SANITIZE value '${CLAVORA_SANITIZE}'")
endif()

# Programs that draw text call this: under the race detector they carry the suppressions for
# the font libraries' own synchronisation.
function(clavora_suppress_font_library_races target)
  if(CLAVORA_SANITIZE STREQUAL "thread")
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/sanitizer/FontLibraryRaces.cpp)
  endif()
endfunction()
