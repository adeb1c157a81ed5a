# Compiler warnings for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow)
# GCC 12's -Wrestrict reports overlapping copies inside std::string's operator+ when it
# inlines it at -O2 (GCC bug 105329, a false positive fixed in later releases).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
if(VESKAR_WERROR)
  add_compile_options(-Werror)
endif()
