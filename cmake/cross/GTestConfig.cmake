# GoogleTest for a cross build: Debian's sources (/usr/src/googletest, package googletest)
# built with the cross compiler as part of the project, without the project's warning
# options. Gives GTest::gtest, GTest::gtest_main, GTest::gmock as the installed package.
set(VESKAR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT TARGET GTest::gtest)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  get_directory_property(veskar_saved_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
  add_subdirectory(${VESKAR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${veskar_saved_options}")
endif()
set(GTest_FOUND TRUE)
