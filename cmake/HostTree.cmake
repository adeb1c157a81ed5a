# Helpers that place modules where the host looks for them.

# veskar_vessel_module(<target> <sources>...): a vessel module, Modules/<target>.so.
# Only what the sources mark for export is visible.
function(veskar_add_module target subdir)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${target}
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${subdir}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE host_api)
endfunction()
