# Cross-compiling for 64-bit Windows on Debian with MinGW-w64, for Qt itself
# (tools/build-qt-windows.sh) and for Tempidex against it (the "windows" preset). The posix
# thread model (g++-mingw-w64-x86-64-posix) is the one std::thread and Qt need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_SYSTEM_VERSION 10)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER /usr/bin/${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${triplet}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${triplet}-windres)
set(CMAKE_AR /usr/bin/${triplet}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${triplet}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${triplet}-strip CACHE FILEPATH "")
set(CMAKE_OBJDUMP /usr/bin/${triplet}-objdump CACHE FILEPATH "")

# Libraries, headers and CMake packages for Windows come from the MinGW sysroot, the Qt for
# Windows (QT_MINGW_PREFIX in the environment) and each prefix of CMAKE_PREFIX_PATH; programs
# (the host Qt's moc, rcc and uic, Ninja) from Debian.
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} $ENV{QT_MINGW_PREFIX} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs for Windows (GoogleTest's test discovery, try_run) run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine CACHE FILEPATH "")
