#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan, and runs every test
# (the fuzz targets included, each for a bounded time).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset test
cmake --build --preset test
ctest --preset test "$@"
