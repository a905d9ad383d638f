# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model),
# run under wine: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELVRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVRA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KELVRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread linked in, so that every .exe runs
# without MinGW's DLLs next to it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Qt for Windows, when scripts/build-qt-windows has made it (its host tools are
# Debian's Qt 6 of the same version). Without it the window, the program and
# their suites cannot be built here.
if(DEFINED ENV{KELVRA_QT_MINGW})
    set(KELVRA_QT_MINGW $ENV{KELVRA_QT_MINGW})
else()
    set(KELVRA_QT_MINGW $ENV{HOME}/.cache/kelvrawizard/qt6-mingw)
endif()
if(EXISTS ${KELVRA_QT_MINGW}/.kelvra-base-complete)
    list(APPEND CMAKE_FIND_ROOT_PATH ${KELVRA_QT_MINGW})
    list(APPEND CMAKE_PREFIX_PATH ${KELVRA_QT_MINGW})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# CTest and GoogleTest's test discovery start the .exe files through wine.
find_program(KELVRA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KELVRA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KELVRA_WINE})
endif()
