#!/bin/sh
# Builds the benchmark in its own Release build folder and runs it.
set -eu

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$source_dir/build-bench"

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" --target renamer_bench --parallel 2
"$build_dir/bench/renamer_bench" "$@"
