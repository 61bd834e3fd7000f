# One INTERFACE target that every target links: language standard, warnings, hardening.
add_library(tarvelo_defaults INTERFACE)
target_compile_features(tarvelo_defaults INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_include_directories(tarvelo_defaults INTERFACE ${PROJECT_SOURCE_DIR})

if(MSVC)
  target_compile_options(tarvelo_defaults INTERFACE /W4 /permissive- /utf-8)
  if(TARVELO_WERROR)
    target_compile_options(tarvelo_defaults INTERFACE /WX)
  endif()
  target_compile_definitions(tarvelo_defaults INTERFACE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
else()
  target_compile_options(tarvelo_defaults INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
    -Wformat=2)
  if(TARVELO_WERROR)
    target_compile_options(tarvelo_defaults INTERFACE -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(tarvelo_defaults INTERFACE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
      _FILE_OFFSET_BITS=64 __USE_MINGW_ANSI_STDIO=1 _GLIBCXX_ASSERTIONS)
    # No -municode here: test programs take gtest_main's main(); programs get their wide command line
    # from platform/os/CommandLine.h.
    target_link_options(tarvelo_defaults INTERFACE -static -static-libgcc -static-libstdc++)
  else()
    # Hardening: bounds-checked libstdc++ in debug-ish builds, fortified libc, stack protector.
    target_compile_definitions(tarvelo_defaults INTERFACE _FILE_OFFSET_BITS=64
      $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2> _GLIBCXX_ASSERTIONS)
    target_compile_options(tarvelo_defaults INTERFACE -fstack-protector-strong -fPIC)
  endif()
  if(TARVELO_FUZZ)
    # Coverage feedback must come from the libraries under test, not only from the fuzz driver.
    target_compile_options(tarvelo_defaults INTERFACE -fsanitize=fuzzer-no-link)
  endif()
  if(TARVELO_SANITIZE)
    target_compile_options(tarvelo_defaults INTERFACE -fsanitize=address,undefined
      -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(tarvelo_defaults INTERFACE -fsanitize=address,undefined)
  endif()
endif()

# Qt safety defines for every target that uses Qt (harmless elsewhere).
target_compile_definitions(tarvelo_defaults INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_KEYWORDS QT_DISABLE_DEPRECATED_UP_TO=0x060000)

# Core libraries may link only the standard library and other core libraries. This function
# creates one and records it so a configure-time check can refuse anything else.
function(tarvelo_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC tarvelo_defaults)
  set_property(GLOBAL APPEND PROPERTY TARVELO_CORE_TARGETS ${name})
endfunction()
