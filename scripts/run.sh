#!/usr/bin/env bash
# Builds the program alone (not its tests nor the benchmark, and without debug information)
# and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target atnevezes --parallel "$(nproc)"
exec build/src/atnevezes
