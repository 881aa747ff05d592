# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
#
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads).
# Used for the toolkit's own build and for the program's; QT_STATIC_PREFIX, when
# given, is where the toolkit built with this file is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ELECTRODE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ELECTRODE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ELECTRODE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ELECTRODE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ELECTRODE_MINGW})
if(QT_STATIC_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${QT_STATIC_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file: the compiler's own runtime goes into the program, not beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here that run at build or test time run under Wine.
if(NOT ELECTRODE_NO_EMULATOR)
  find_program(ELECTRODE_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  if(ELECTRODE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ELECTRODE_WINE})
  endif()
endif()
