# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers (the posix thread model, which
# std::thread and std::mutex need). Programs are linked statically, so that they run under wine
# and on Windows without the compiler's DLLs beside them; CTest runs them through wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANTO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANTO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANTO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANTO_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANTO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# Debian's wine64 package installs the 64-bit loader here; the wine wrapper would look for the
# 32-bit one first.
find_program(ORVANTO_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(ORVANTO_WINE NAMES wine64 wine)
# The tests run in Vienna's zone, as on Linux, where those that convert times set TZ themselves:
# wine takes the system zone it gives the Windows programs from TZ.
if(ORVANTO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env TZ=Europe/Vienna ${ORVANTO_WINE})
endif()
