# Compiler warnings for every target of the project (its C++ sources; not the resource
# scripts of a Windows build).
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic;-Wshadow>")
# GCC 12's -Wrestrict reports overlapping copies inside std::string's operator+ when it
# inlines it at -O2 (GCC bug 105329, a false positive fixed in later releases).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
endif()
if(VESKAR_WERROR)
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Werror>)
endif()
