# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
#
# Cross-compiling the native Windows program (plain Windows API, no toolkit) with
# Debian's mingw-w64 and Windows' own threads; included by windows-x86.cmake and
# windows-x64.cmake, which name the processor.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ELECTRODE_MINGW}-gcc-win32)
set(CMAKE_CXX_COMPILER ${ELECTRODE_MINGW}-g++-win32)
set(CMAKE_RC_COMPILER ${ELECTRODE_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ELECTRODE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Nothing newer than Windows 7 compiles; wide-character Windows functions throughout.
# Only the code the program calls is linked.
set(CMAKE_CXX_FLAGS_INIT
    "-D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -DUNICODE -D_UNICODE -ffunction-sections -fdata-sections")
# One file with only Windows' own DLLs beside it: the compiler's runtime goes inside.
# Loaded anywhere in memory, data never executed, and on 64-bit the whole address space.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections,--dynamicbase,--nxcompat")
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--high-entropy-va")
endif()
# Small rather than fast: one file to download, and nothing in it that needs speed.
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-Os -DNDEBUG")
set(ELECTRODE_WIN32 ON CACHE BOOL "The native Windows program" FORCE)
