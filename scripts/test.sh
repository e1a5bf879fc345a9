#!/usr/bin/env bash
# Builds the program and runs every test twice: in a plain build, then in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer; then builds the Debian package and checks it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh --tests

run_tests() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRENAMER_WERROR=ON "$@"
    cmake --build "$folder" --parallel "$(nproc)"
    ctest --test-dir "$folder" --output-on-failure --timeout 600
}

run_tests build
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize -DRENAMER_SANITIZE=ON
bash tests/package/check-package.sh
