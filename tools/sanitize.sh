#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer (with the
# libFuzzer targets) into build-asan/ and runs the whole test suite there.  Any report fails it:
# undefined behaviour aborts, and leaks end a test with an error unless tools/lsan.supp names
# them as Qt's.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S . -B build-asan -DTRELVIX_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" \
    "-DCMAKE_CXX_FLAGS=$sanitizers -fno-omit-frame-pointer" \
    "-DCMAKE_EXE_LINKER_FLAGS=$sanitizers" >/dev/null
cmake --build build-asan -j"$(nproc)"

source tools/sanitizer-options.sh
cd build-asan
ctest --output-on-failure -j"$(nproc)"
