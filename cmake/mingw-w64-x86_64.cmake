# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the
# "posix" threading model, which std::thread needs); scripts/windows.sh uses
# it. Programs are linked statically, the C and C++ runtimes and winpthread
# included, so that they need no DLL beyond those of Windows itself. Wine
# runs them for the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORTAVEX_MINGW_HOST x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KORTAVEX_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORTAVEX_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${KORTAVEX_MINGW_HOST}-windres)

# Libraries are searched for Windows alone: those of MinGW-w64, and those
# cross-built elsewhere that the build names with -DCMAKE_FIND_ROOT_PATH
# (scripts/windows.sh: its wxWidgets, whose wx-config is then found there).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KORTAVEX_MINGW_HOST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian's 64-bit loader itself: its "wine" wrapper warns on every start
# that the 32-bit one is missing
find_program(KORTAVEX_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(KORTAVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KORTAVEX_WINE})
endif()
