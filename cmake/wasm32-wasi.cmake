# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The electrode-calc developers
#
# The web app's module and the core's tests as WebAssembly, with Debian's clang 19,
# WASI's C library and libc++ (clang-19 lld-19 wasi-libc libc++-19-dev-wasm32
# libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32). No exceptions: WASI's libc++abi
# cannot throw.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# No run-time type information either: what uses it brings in printf and file calls.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -fno-rtti -ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(ELECTRODE_WEB ON CACHE BOOL "The web app's module" FORCE)
