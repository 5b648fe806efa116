# Cross toolchain of the x86 build: 32-bit Windows, the program for every Windows.
set(TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
