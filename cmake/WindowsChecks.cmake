# Windows builds: after the modules are linked, their exports, imports and the plug-in's
# dialog resource are checked with the toolchain's objdump and windres (CheckDlls.cmake).
# A DLL that breaks the rules fails the build.
find_program(VESKAR_WINDRES NAMES ${CMAKE_RC_COMPILER} REQUIRED)
add_custom_target(dll_check ALL
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DWINDRES=${VESKAR_WINDRES} -DTREE=${CMAKE_BINARY_DIR}
          -DRES=$<TARGET_PROPERTY:VeskarPayloadRelease,VESKAR_RESOURCE_FILE> -DWORK=${CMAKE_BINARY_DIR}/dll-check
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckDlls.cmake
  COMMENT "Checking the DLLs' exports, imports and resources")
add_dependencies(dll_check Veskar QRM_Shade VeskarPayloadRelease release_dialog_res)
