# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers and
# runs the built programs (tests, test discovery, the `ejecutar` target)
# under wine.
#
#   cmake -S . -B /tmp/mingw-build \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# The posix-threads flavour of the compilers is the one whose libstdc++ has
# std::thread and std::mutex.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLETE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLETE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLETE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLETE}-windres)

# Libraries, headers and CMake packages come only from the MinGW tree, so
# that the host's (Linux) GoogleTest or Google Benchmark under /usr are never
# picked up; programs such as wine or python still come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLETE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link libgcc, libstdc++ and winpthread statically, so that the programs
# start under wine (or on a bare Windows) without the MinGW runtime DLLs on
# the search path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# wine runs what was built. Debian's wine64 package installs its loader
# under /usr/lib/wine and nothing on the PATH; the wine package adds
# /usr/bin/wine. Another loader can be given with -DMINGW_WINE=<path>.
find_program(MINGW_WINE NAMES wine64 wine
             PATHS /usr/lib/wine /usr/lib64/wine /opt/wine-stable/bin
             DOC "wine loader that runs the Windows programs")
find_program(MINGW_WINESERVER NAMES wineserver64 wineserver
             PATHS /usr/lib/wine /usr/lib64/wine /opt/wine-stable/bin
             DOC "wine server, shared by the programs that wine runs")
if(NOT MINGW_WINE OR NOT MINGW_WINESERVER)
  message(FATAL_ERROR
    "wine was not found, so the Windows programs could not be run for the "
    "tests. Install it (apt-get install wine64) or pass -DMINGW_WINE=<path "
    "of wine64 or wine> and -DMINGW_WINESERVER=<path of wineserver>.")
endif()
# Each program runs through a script that keeps one wine server alive
# between consecutive programs (see the script).
set(CMAKE_CROSSCOMPILING_EMULATOR
    sh ${CMAKE_CURRENT_LIST_DIR}/wine-ejecute.sh ${MINGW_WINESERVER} ${MINGW_WINE})
