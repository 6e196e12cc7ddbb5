#!/usr/bin/env bash
# Installs what is missing, builds Quillbox and starts it. Without a pager on the desk it
# first starts the pager simulator with the demo pager on a pseudo-terminal and points
# Quillbox's COM1 at it, so that Download Messages works at once; the simulator stops when
# Quillbox does.
#
#   bash scripts/run.sh [--no-sim] [--xvfb] [--] [quillbox arguments...]
#
#   --no-sim   start Quillbox alone, for a real pager (so does a QUILLBOX_COM1 already set)
#   --xvfb     show Quillbox on a virtual screen (xvfb-run), for a machine without a display
# QUILLBOX_BUILD_DIR chooses another build folder than build/dev.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
}

use_sim=1
use_xvfb=0
args=()
while (($#)); do
  case "$1" in
    --no-sim) use_sim=0 ;;
    --xvfb) use_xvfb=1 ;;
    -h | --help) usage; exit 0 ;;
    --) shift; args+=("$@"); break ;;
    *) args+=("$1") ;;
  esac
  shift
done

# Before the build: a machine that cannot show the window is told so at once.
if ((!use_xvfb)) && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: there is no display to show Quillbox on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "run.sh: start it from a desktop session, or on a virtual screen: bash scripts/run.sh --xvfb" >&2
  exit 1
fi

build="${QUILLBOX_BUILD_DIR:-build/dev}"
bash scripts/bootstrap.sh
cmake --preset dev -B "$build" >/dev/null
cmake --build "$build" --target quillbox quillbox-pager-sim

quillbox="$build/app/quillbox"
simulator="$build/tools/pager-sim/quillbox-pager-sim"

sim_pid=""
sim_dir=""
stop_simulator() {
  if [ -n "$sim_pid" ]; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=""
  fi
  if [ -n "$sim_dir" ]; then
    rm -rf "$sim_dir"
  fi
}
trap stop_simulator EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if ((use_sim)) && [ -n "${QUILLBOX_COM1:-}" ]; then
  echo "run.sh: QUILLBOX_COM1 is set ($QUILLBOX_COM1): no simulator is started."
  use_sim=0
fi

if ((use_sim)); then
  # A fixed name, so that the simulator is easy to find (quillbox-cli, a second program).
  link_dir="${XDG_RUNTIME_DIR:-/tmp}"
  [ -d "$link_dir" ] && [ -w "$link_dir" ] || link_dir=/tmp
  link="$link_dir/quillbox-pager-$(id -u)"
  sim_dir="$(mktemp -d)"
  "$simulator" --image data/demo-pager.json --link "$link" >"$sim_dir/out" 2>"$sim_dir/err" &
  sim_pid=$!
  # The first line of its output is the terminal, printed once the pager listens.
  for _ in $(seq 100); do
    if [ -s "$sim_dir/out" ] || ! kill -0 "$sim_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if ! [ -s "$sim_dir/out" ]; then
    echo "run.sh: the pager simulator did not start:" >&2
    cat "$sim_dir/err" >&2
    exit 1
  fi
  export QUILLBOX_COM1="$link"
  echo "run.sh: the pager simulator holds the demo pager on $link ($(head -n 1 "$sim_dir/out"))."
  echo "run.sh: Quillbox's COM1 is that terminal; keep the port at COM1 in File > Settings."
fi

status=0
if ((use_xvfb)); then
  if ! command -v xvfb-run >/dev/null; then
    echo "run.sh: --xvfb needs xvfb-run (Debian package xvfb) and xauth." >&2
    exit 1
  fi
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" "$quillbox" "${args[@]}" || status=$?
else
  "$quillbox" "${args[@]}" || status=$?
fi
exit "$status"
