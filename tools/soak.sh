#!/usr/bin/env bash
# The game's random-input soak for as many steps as asked (default 200000), under
# ASan+UBSan in the Debug build of ./test.sh (build-test/) and Xvfb, printing the peak
# resident memory at each tenth of the run: after warm-up the figures must stay flat.
#   tools/soak.sh 200000
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/ownsettings.sh
steps=${1:-200000}
case "$steps" in *[!0-9]* | "") echo "usage: tools/soak.sh STEPS" >&2; exit 2 ;; esac
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" || exit 1
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON >/dev/null || exit 1
cmake --build build-test --target game_gui_tests -j "${JOBS:-3}" >/dev/null || exit 1

export SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 LP_NUM_THREADS=0
# A small quarantine, so that freed memory held back by ASan does not pass for growth.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QUILLON_SOAK_STEPS=$steps xvfb-run -a -s "-screen 0 1920x1080x24" \
  build-test/tests/game_gui_tests --gtest_filter='GameSoakGui.*'
