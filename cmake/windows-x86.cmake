# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
# The native Windows program for 32-bit Windows, with Debian's mingw-w64.
set(ELECTRODE_WINDOWS_ARCH x86)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ELECTRODE_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/windows-native.cmake)
