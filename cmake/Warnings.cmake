# Compiler warnings for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow)
if(VESKAR_WERROR)
  add_compile_options(-Werror)
endif()
