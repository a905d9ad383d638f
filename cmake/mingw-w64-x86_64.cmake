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

# CTest and GoogleTest's test discovery start the .exe files through wine.
find_program(KELVRA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KELVRA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KELVRA_WINE})
endif()
