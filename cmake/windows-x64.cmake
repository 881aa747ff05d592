# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# The native Windows program for 64-bit Windows, with Debian's mingw-w64.
set(ELECTRODE_WINDOWS_ARCH x64)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ELECTRODE_MINGW x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/windows-native.cmake)
