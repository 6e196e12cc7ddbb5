#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quillbox needs,
# skipping those already there. Works as root or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev qtkeychain-qt6-dev
  libbenchmark-dev nlohmann-json3-dev
  # The Reed–Solomon codec of the device link's frames.
  libfec-dev
  # The translations: lupdate, lrelease and lconvert, their CMake side, and Qt's own
  # translations of its standard dialogs.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  xvfb xauth
  # The package and its checks: dpkg-shlibdeps (dpkg-dev, file) computes its dependencies;
  # the desktop entry, the AppStream metadata and the manual pages are validated.
  dpkg-dev file desktop-file-utils appstream groff-base
  # The message export is read back by Python's own mail and CSV readers.
  python3
  # The CardDAV tests and bench run against real servers on 127.0.0.1.
  python3-radicale xandikos
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
