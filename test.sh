#!/usr/bin/env bash
# Installs what is missing, builds Debug with ASan+UBSan into build-test/, runs every
# test under Xvfb, then builds and briefly runs the benchmarks optimised.
set -uo pipefail
cd "$(dirname "$0")"
source tools/ownsettings.sh
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" || exit 1

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON || exit 1
cmake --build build-test || exit 1

export SDL_AUDIODRIVER=dummy
export LIBGL_ALWAYS_SOFTWARE=1
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
# Mesa's rasteriser threads keep dynamic TLS that LeakSanitizer's exit scan can trip over.
(cd build-test && LP_NUM_THREADS=0 xvfb-run -a -s "-screen 0 1920x1080x24" \
   ctest --output-on-failure --timeout 300 -j "$(nproc)") || status=1

# Every reader of outside data under libFuzzer for a fixed number of inputs.
if ls fuzz/*_fuzz.cpp >/dev/null 2>&1; then
  JOBS="$(nproc)" tools/fuzz.sh -runs=20000 || status=1
fi

# The audio render is the one piece of code on two threads: run its tests under ThreadSanitizer too.
if ls tests/audio/*.cpp >/dev/null 2>&1; then
  cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_TSAN=ON \
    && cmake --build build-tsan --target audio_tests \
    && (cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -R '^audio\.' -j "$(nproc)") \
    || status=1
fi

# The plain paths with the vector code compiled out: only the audio library and its tests.
if ls tests/audio/*.cpp >/dev/null 2>&1; then
  cmake -S . -B build-plain -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON -DQUILLON_NO_VECTORS=ON \
    && cmake --build build-plain --target audio_tests \
    && (cd build-plain && ctest --output-on-failure -R '^audio\.' -j "$(nproc)") \
    || status=1
fi

if [ -d bench ] && ls bench/*.cpp >/dev/null 2>&1; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF -DQUILLON_BENCH=ON \
    && cmake --build build-bench \
    && xvfb-run -a -s "-screen 0 1920x1080x24" bash -c \
         'rc=0; for b in build-bench/bench/*_bench; do "$b" --benchmark_min_time=1 || rc=1; done; exit $rc' \
    || status=1
fi
exit $status
