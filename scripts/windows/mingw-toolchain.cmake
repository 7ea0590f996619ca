# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread
# and std::mutex). Used for the static Qt and for Termika itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TERMIKA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TERMIKA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TERMIKA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TERMIKA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TERMIKA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
