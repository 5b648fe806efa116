# Native build: the portable core with its unit tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, the tools, and the Windows build as a
# sub-build, so that one `cmake --build` and one `ctest` cover both.
option(PLINKETY_SANITIZE "build the native core and its unit tests with ASan and UBSan" ON)

# The sanitizers go with the targets that link this: the core, and through it
# the unit tests and the tools.
add_library(plinkety_sanitizers INTERFACE)
if(PLINKETY_SANITIZE)
  target_compile_options(plinkety_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(plinkety_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

find_package(ZLIB REQUIRED)
target_link_libraries(plinkety_core PUBLIC ZLIB::ZLIB plinkety_sanitizers)

# The same core without the sanitizers, optimised, for the benchmarks: they
# would otherwise measure ASan rather than the code.
add_library(plinkety_core_unsanitized STATIC)
target_include_directories(plinkety_core_unsanitized PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(plinkety_core_unsanitized PRIVATE -O2)
target_link_libraries(plinkety_core_unsanitized PUBLIC ZLIB::ZLIB)
list(APPEND PLINKETY_CORE_TARGETS plinkety_core_unsanitized)

# TagLib, where installed: the peer reader of the tag benchmarks and of the
# format readers' tests.
find_package(PkgConfig)
if(PkgConfig_FOUND)
  pkg_check_modules(TAGLIB IMPORTED_TARGET taglib)
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

include(ExternalProject)
# The two Windows builds of the one program: x86 (i686, runs on every
# Windows) and x64. Each lists its Wine tests in a file that ctest reads here.
set(PLINKETY_WINDOWS_BUILDS "x86:mingw-i686" "x64:mingw-x86_64")
set(windows_tests_text "")
foreach(build IN LISTS PLINKETY_WINDOWS_BUILDS)
  string(REPLACE ":" ";" build ${build})
  list(GET build 0 arch)
  list(GET build 1 toolchain)
  set(dir ${CMAKE_BINARY_DIR}/windows-${arch})
  ExternalProject_Add(windows-${arch}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${dir}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/${toolchain}.cmake
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DPLINKETY_ARCH=${arch}
      -DPLINKETY_JPEG_PREFIX=${CMAKE_BINARY_DIR}/deps/libjpeg-mingw-${arch}
      -DPLINKETY_WEBSITE=${PLINKETY_WEBSITE}
      -DPLINKETY_EMAIL=${PLINKETY_EMAIL}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
  string(APPEND windows_tests_text
    "if(EXISTS \"${dir}/wine-tests.cmake\")\n"
    "  include(\"${dir}/wine-tests.cmake\")\n"
    "endif()\n")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/windows-tests.cmake "${windows_tests_text}")

# The fuzz build (the core and the libFuzzer targets, with clang) in
# build/fuzz, the folder scripts/fuzz.sh uses, so that the test command can
# give each target a short run.
find_program(PLINKETY_CLANGXX clang++)
if(PLINKETY_CLANGXX)
  ExternalProject_Add(fuzz
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DPLINKETY_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
else()
  message(WARNING "no clang++: the fuzz targets are not built and their short runs not tested")
endif()
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/windows-tests.cmake)

# A native GoogleTest executable, its cases listed one by one in ctest.
function(plinkety_native_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE plinkety_core plinkety_sanitizers GTest::gtest_main)
  gtest_discover_tests(${name} TEST_PREFIX "core." DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "PLINKETY_CORPUS=${CMAKE_SOURCE_DIR}/../shared/corpus")
endfunction()
