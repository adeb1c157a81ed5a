# Fuzz targets for the host's input readers (fuzz/), with clang's libFuzzer. Everything is
# compiled with the fuzzer's coverage instrumentation, so that the readers inside the host
# library are explored; only the fuzz targets link the fuzzer's own main.
option(VESKAR_FUZZ "Build the fuzz targets (clang, libFuzzer)" OFF)
if(VESKAR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VESKAR_FUZZ needs clang, whose libFuzzer it uses")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
