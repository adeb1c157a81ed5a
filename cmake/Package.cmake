# The add-on as users install it: `cmake --install <build> --prefix <folder>` lays out
# the add-on tree, and the `package` target (cpack) zips it, to be unpacked into a host
# installation folder:
#   Modules/             Veskar, QRM_Shade (.dll on Windows, .so here)
#   Modules/Plugin/      VeskarPayloadRelease
#   Config/Vessels/      the class configurations
#   Meshes/, Scenarios/  the meshes and the demo scenarios
#   Doc/                 the user's manual
# The host's own files (the plug-in list Config/Plugins.cfg, our headless host, the
# tests) are not part of it: a host folder keeps its own plug-in list.
install(TARGETS Veskar QRM_Shade
  RUNTIME DESTINATION Modules
  LIBRARY DESTINATION Modules
  ARCHIVE DESTINATION sdk/lib COMPONENT sdk EXCLUDE_FROM_ALL)
install(TARGETS VeskarPayloadRelease
  RUNTIME DESTINATION Modules/Plugin
  LIBRARY DESTINATION Modules/Plugin
  ARCHIVE DESTINATION sdk/lib COMPONENT sdk EXCLUDE_FROM_ALL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Config/Vessels/ DESTINATION Config/Vessels)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Meshes/ DESTINATION Meshes)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Scenarios/ DESTINATION Scenarios)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Doc/ DESTINATION Doc)

if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(veskar_package_platform win64)
  else()
    set(veskar_package_platform win32)
  endif()
else()
  set(veskar_package_platform ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Veskar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Veskar-${PROJECT_VERSION}-${veskar_package_platform})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)  # unpacks straight into the host folder
set(CPACK_COMPONENTS_ALL Unspecified)      # the add-on only, without the sdk component
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
