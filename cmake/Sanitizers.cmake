# Address and undefined-behaviour sanitizers, for the whole tree (modules included, since
# the host loads them into its own process).
if(VESKAR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
