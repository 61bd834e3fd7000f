# 64-bit Windows build with MinGW-w64 (Debian's g++-mingw-w64-x86-64-posix), run through 64-bit Wine.
# Used for the tests where the machine cannot run 32-bit programs (Wine's 32-bit loader needs the
# kernel's 32-bit emulation). /usr/bin/wine would pick that loader whenever it is installed, so the
# 64-bit loader is named directly.
set(TARVELO_MINGW_TRIPLE x86_64-w64-mingw32)
set(TARVELO_MINGW_PROCESSOR AMD64)
if(EXISTS /usr/lib/wine/wine64)
  set(TARVELO_WINE /usr/lib/wine/wine64)
else()
  set(TARVELO_WINE wine64)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
