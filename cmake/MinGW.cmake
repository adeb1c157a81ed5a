# Shared part of the MinGW-w64 cross toolchains (toolchain-mingw-x86_64.cmake,
# toolchain-mingw-i686.cmake): Debian's compilers with the POSIX thread model, whose C++
# library has std::mutex (GoogleTest needs it on Windows). Expects MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${MINGW_TRIPLE}-objdump CACHE FILEPATH "The toolchain's objdump")

# Libraries and headers of the target only; programs (llvm-rc, cmake) of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The GCC runtime, the C++ library and the thread library are linked into each DLL and
# program, so that an add-on's DLLs need nothing beside the system's own libraries and the
# host (cmake/CheckDlls.cmake checks it).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# M_PI and the other POSIX constants of <cmath>, which glibc gives every C++ program.
set(CMAKE_CXX_FLAGS_INIT "-D_USE_MATH_DEFINES")
