# Cross-compiles for Windows with Debian's MinGW-w64 (the POSIX thread model,
# which std::thread and GoogleTest need), for the target VELMORA_MINGW that
# the including toolchain file names. Programs are linked statically, so that
# none needs a DLL beyond Windows' own.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VELMORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")  # no symbols in the programs that ship
