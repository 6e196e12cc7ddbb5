#!/usr/bin/env bash
# Checks of what the Debian package is made of.
#   checkinstall.sh validate-desktop FILE
#       desktop-file-validate, which must have nothing to say.
#   checkinstall.sh install BUILD_DIR APP_ID VERSION
#       Installs BUILD_DIR into a temporary prefix: every file the package needs is there,
#       the programs run from it without a display and find their data in it, and the manual
#       pages render cleanly and describe every command of quillbox-cli.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ "$1" = validate-desktop ]; then
  out=$(desktop-file-validate "$2" 2>&1) || fail "$out"
  [ -z "$out" ] || fail "$out"
  exit 0
fi

[ "$1" = install ] || fail "unknown check $1"
build=$2 app_id=$3 version=$4
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

files=(
  bin/quillbox bin/quillbox-cli bin/quillbox-pager-sim
  share/applications/quillbox.desktop
  "share/metainfo/$app_id.metainfo.xml"
  share/quillbox/help/index.html share/quillbox/help/de/index.html
  share/quillbox/help/fr/index.html
  share/quillbox/demo-pager.json
  lib/udev/rules.d/60-quillbox.rules
  share/man/man1/quillbox.1.gz share/man/man1/quillbox-cli.1.gz
  share/man/man1/quillbox-pager-sim.1.gz
)
for side in 16 24 32 48 64 128 256; do
  files+=("share/icons/hicolor/${side}x$side/apps/quillbox.png")
done
for f in "${files[@]}"; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
for f in "$prefix"/bin/*; do
  [ -x "$f" ] || fail "$f is not executable"
done
# Every picture and page the help shows or links to, in every language.
for page in "$prefix"/share/quillbox/help/index.html "$prefix"/share/quillbox/help/*/index.html; do
  folder=$(dirname "$page")
  for ref in $(grep -o '\(src\|href\)="[^"#:]*"' "$page" | sed 's/^[a-z]*="//; s/"$//'); do
    [ -f "$folder/$ref" ] || fail "${page#"$prefix"/} refers to $ref, which is not installed"
  done
done

# Every adapter the udev rule names is opened to the desktop's user and kept from the modem
# manager; the rule must come before 73-seat-late.rules, which acts on uaccess.
rules=$prefix/lib/udev/rules.d/60-quillbox.rules
adapters=$(grep -c 'ATTRS{idVendor}==' "$rules") || fail "the udev rule names no adapter"
for needed in 'TAG+="uaccess"' 'ENV{ID_MM_DEVICE_IGNORE}="1"'; do
  [ "$(grep 'ATTRS{idVendor}==' "$rules" | grep -cF "$needed")" = "$adapters" ] ||
    fail "an adapter of the udev rule lacks $needed"
done
[[ "$(basename "$rules")" < 73 ]] || fail "the udev rule comes after 73-seat-late.rules"

# From the prefix, without a display.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
for program in quillbox quillbox-cli quillbox-pager-sim; do
  name=$program
  [ "$program" = quillbox ] && name=Quillbox
  out=$("${nodisplay[@]}" "$prefix/bin/$program" --version) || fail "$program --version failed"
  [ "$out" = "$name $version" ] || fail "$program --version says '$out'"
done
"${nodisplay[@]}" "$prefix/bin/quillbox" --help | grep -q '^Usage: ' || fail "quillbox --help"
# The simulator's default image is the installed demo pager, not the one in the sources.
"$prefix/bin/quillbox-pager-sim" --help | tr -d ' \n' |
  grep -qF "$prefix/share/quillbox/demo-pager.json" ||
  fail "the installed quillbox-pager-sim does not take its demo pager from $prefix"

# Manual pages: no roff warnings, and every command that quillbox-cli lists is described.
for page in "$prefix"/share/man/man1/*.1.gz; do
  out=$(zcat "$page" | groff -man -ww -z 2>&1)
  [ -z "$out" ] || fail "$(basename "$page"): $out"
done
manual=$(zcat "$prefix/share/man/man1/quillbox-cli.1.gz" | groff -man -Tascii -P-cbou 2>/dev/null)
commands=$("$prefix/bin/quillbox-cli" --help | sed -n '/^Commands:/,/^$/p' |
  grep -E '^  [a-z]' | awk '{print $1, $2}')
[ -n "$commands" ] || fail "quillbox-cli --help lists no commands"
while read -r words; do
  grep -qF -- "$words" <<<"$manual" || fail "quillbox-cli(1) does not describe '$words'"
done <<<"$commands"
