# 32-bit Windows build with MinGW-w64 (Debian's g++-mingw-w64-i686-posix), run through Wine:
#   cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DTARVELO_GUI=OFF
set(TARVELO_MINGW_TRIPLE i686-w64-mingw32)
set(TARVELO_MINGW_PROCESSOR x86)
set(TARVELO_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
