#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and makes the Debian package
# build/release/quillbox_<version>_amd64.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset release
cmake --build --preset release --target package
ls build/release/quillbox_*_amd64.deb
