# Cross-building the toolkit-free floors, the sample-data tool and the core
# tests for 64-bit Windows with Debian's MinGW-w64 compiler (the POSIX thread
# model, which std::thread needs). The programs are linked statically, so they
# need no runtime DLL beside them, and run under Wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(GS_WINE NAMES wine wine64)
if(GS_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GS_WINE})
endif()
