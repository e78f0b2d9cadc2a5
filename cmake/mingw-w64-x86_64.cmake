# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers. The
# posix thread model is chosen because Qt's threads and C++'s std::thread
# both need winpthreads; the win32 model lacks std::thread in GCC 12.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARNQUIL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${TARNQUIL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARNQUIL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${TARNQUIL_MINGW_TRIPLE}-windres)

# Headers and libraries come from the MinGW sysroot (and whatever prefix the
# caller adds, such as the cross-built Qt); programs run during the build
# come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TARNQUIL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
