# Fuzz build (scripts/fuzz.sh configures it with clang in build/fuzz): the
# core instrumented for libFuzzer, with ASan and UBSan, and the tag reader's
# fuzz target. Nothing else is built.
target_compile_options(plinkety_core PUBLIC -g -O1 -fno-omit-frame-pointer
  -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
target_link_options(plinkety_core PUBLIC -fsanitize=address,undefined)

find_package(ZLIB REQUIRED)
target_link_libraries(plinkety_core PUBLIC ZLIB::ZLIB)
