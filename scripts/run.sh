#!/usr/bin/env bash
# Installs what is missing, builds Quillbox and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/tools/cli/quillbox-cli --help
