# Shared part of the MinGW-w64 cross toolchains (posix thread model, so std::thread and std::mutex
# work). The including file sets TARVELO_MINGW_TRIPLE, TARVELO_MINGW_PROCESSOR and TARVELO_WINE.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TARVELO_MINGW_PROCESSOR})

set(CMAKE_C_COMPILER ${TARVELO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVELO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVELO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARVELO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the executables run on a bare Windows (or Wine) without MinGW's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and tools built here run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVELO_WINE})
