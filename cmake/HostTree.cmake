# Helpers that place modules where the host looks for them.

# veskar_add_module(<target> <subdir> <sources>...): a module, <subdir>/<target>.so
# (<subdir>/<target>.dll on Windows, where a DLL is a runtime output).
# Only what the sources mark for export is visible.
function(veskar_add_module target subdir)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${target}
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${subdir}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${subdir}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE host_api)
  if(WIN32)
    # The host's operations are imported from its DLL, through its import library.
    target_link_libraries(${target} PRIVATE veskar_host)
  endif()
endfunction()
