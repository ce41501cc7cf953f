# 32-bit Windows (x86).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VELMORA_MINGW i686-w64-mingw32)
# Doubles in SSE2 registers, as on x64: the x87 unit keeps 80-bit intermediate
# results, which change the last bit of a result and hide an overflow. Every
# Windows 7 SP1 with its updates since March 2018 requires SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
