#!/usr/bin/env bash
# Builds the project with AddressSanitizer + UndefinedBehaviorSanitizer in its own build
# folder and runs the whole suite there (headless). Any sanitizer report fails the run.
#   scripts/sanitize.sh [build-dir]        (default: build-asan)
# -O1 and -g1 keep the suite fast enough for CI while still giving file and line in every
# report. The build is a unity build (eight sources per compilation): the sanitizers make each
# compilation about twice as slow, and most of that time goes into the same Qt and GoogleTest
# headers, parsed once per batch instead of once per file.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-asan}"
flags="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=None -DOXTA_BUILD_BENCH=OFF "${launcher[@]}" \
    -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=8 \
    -DCMAKE_CXX_FLAGS="$flags -Wno-subobject-linkage" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j "$(nproc)"

# intercept_strndup=0: this GCC's strndup check reads one byte past a string that fills the
# whole length given, which strndup never touches; libxkbcommon-x11 does exactly that with the
# keymap names of an X server's reply, so every start on a real X display would abort.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=0:intercept_strndup=0"
export LSAN_OPTIONS="suppressions=$here/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
