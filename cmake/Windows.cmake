# One Windows build (PLINKETY_ARCH x86 or x64): the program, statically
# linked, and the Windows-side tests, which ctest runs under Wine through
# tests/harness/wine-run, in a prefix of the build's own bitness.
set(PLINKETY_ARCH "" CACHE STRING "the Windows build this tree makes: x86 or x64")
if(NOT PLINKETY_ARCH MATCHES "^(x86|x64)$")
  message(FATAL_ERROR "PLINKETY_ARCH must be x86 or x64")
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601
                        _WIN32_IE=0x0600 STRICT)
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-s>)
# The program is started from wherever it was unpacked: ASLR (with the
# relocations it needs to be moved, which older linkers dropped from an exe),
# DEP, for x64 the full 64-bit address range, and for x86 the 4 GB that a
# 64-bit Windows gives a 32-bit program that asks, room for a large library.
# Today's linker does most of this unasked; spelled out so that no change of
# toolchain drops it unnoticed. tests/harness/check-exe checks the result.
add_link_options(-Wl,--dynamicbase -Wl,--nxcompat -Wl,--enable-reloc-section)
# No page alignment of the sections in the file: Wine copies a section that
# is not page-aligned into fresh memory at each start, which cost 10 ms when
# the exe carried 3 MB of plain pictures; with the pictures deflated the
# copy is lost in the noise of bench_startup, and the alignment would add
# 23 KB to the exe.
# Each function and object in a section of its own, and the sections nothing
# refers to left out of the exe (MSVC: /Gy and /OPT:REF): the static C++
# library and libjpeg bring far more than the program calls.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)
if(PLINKETY_ARCH STREQUAL "x64")
  add_link_options(-Wl,--high-entropy-va)
else()
  add_link_options(-Wl,--large-address-aware)
endif()

# Both libraries link statically: the program ships as one file.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
set(PLINKETY_JPEG_PREFIX "" CACHE PATH "libjpeg-turbo built for MinGW (scripts/build-libjpeg-mingw.sh)")
set(JPEG_INCLUDE_DIR ${PLINKETY_JPEG_PREFIX}/include CACHE PATH "" FORCE)
set(JPEG_LIBRARY ${PLINKETY_JPEG_PREFIX}/lib/libjpeg.a CACHE FILEPATH "" FORCE)
find_package(JPEG REQUIRED)
target_link_libraries(plinkety_core PUBLIC ZLIB::ZLIB)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The GUI layer: every window class, so that the program and the in-process
# window tests link the same code.
add_library(plinkety_gui STATIC)
target_link_libraries(plinkety_gui PUBLIC plinkety_core JPEG::JPEG
  advapi32 user32 gdi32 kernel32)

set(PLINKETY_HARNESS ${CMAKE_SOURCE_DIR}/tests/harness)
set_property(GLOBAL PROPERTY PLINKETY_WINE_TESTS "")

# Exit code of wine-run when this machine cannot run the build's Wine tests;
# ctest then lists the test as skipped, and wine-run has printed why.
set(PLINKETY_SKIP_CODE 77)

# The arguments as one string of quoted words for a ctest script.
function(plinkety_quoted out)
  set(text "")
  foreach(a IN LISTS ARGN)
    string(APPEND text " \"${a}\"")
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# plinkety_wine_test(NAME <name> COMMAND <args...> [TIMEOUT s] [LABELS ...])
# registers a test that runs under Wine as <name> with the build's
# architecture after its first dot (wine.foo becomes wine.x86.foo);
# generator expressions are allowed in COMMAND.
function(plinkety_wine_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "COMMAND;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  math(EXPR ctest_timeout "${T_TIMEOUT} + 60")
  string(REGEX REPLACE "^([^.]+)\\." "\\1.${PLINKETY_ARCH}." name "${T_NAME}")
  plinkety_quoted(args ${T_COMMAND})
  set(text "add_test(\"${name}\" \"${PLINKETY_HARNESS}/wine-run\" --arch ${PLINKETY_ARCH} --timeout ${T_TIMEOUT} --${args})\n")
  # Each build has its own prefix and display, so the two run side by side;
  # within one build the tests share the prefix's registry and take turns.
  string(APPEND text "set_tests_properties(\"${name}\" PROPERTIES RESOURCE_LOCK wine-${PLINKETY_ARCH} "
                     "SKIP_RETURN_CODE ${PLINKETY_SKIP_CODE} TIMEOUT ${ctest_timeout} "
                     "LABELS \"wine;${PLINKETY_ARCH};${T_LABELS}\")\n")
  set_property(GLOBAL APPEND_STRING PROPERTY PLINKETY_WINE_TESTS "${text}")
endfunction()

# A test of this build that needs no Wine (the exe check), named as above.
function(plinkety_build_test name)
  plinkety_quoted(args ${ARGN})
  set(text "add_test(\"${name}\"${args})\n")
  string(APPEND text "set_tests_properties(\"${name}\" PROPERTIES TIMEOUT 60 LABELS \"${PLINKETY_ARCH}\")\n")
  set_property(GLOBAL APPEND_STRING PROPERTY PLINKETY_WINE_TESTS "${text}")
endfunction()

# A GoogleTest executable for Windows, run in-process under Wine.
function(plinkety_windows_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE plinkety_gui GTest::gtest ole32)
  plinkety_wine_test(NAME "wine.${name}" COMMAND "$<TARGET_FILE:${name}>")
endfunction()

function(plinkety_write_wine_tests)
  get_property(text GLOBAL PROPERTY PLINKETY_WINE_TESTS)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/wine-tests.cmake CONTENT "${text}")
endfunction()
