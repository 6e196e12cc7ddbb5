#!/usr/bin/env bash
# Brings translations/quillbox_de.ts and quillbox_fr.ts up to date with the sources: the
# translations of parts written beside them (translations/parts/<area>_de.ts, ...) are merged
# in and the parts removed, then lupdate adds the texts that are new in the folders of
# translations/folders.txt and drops those that are gone. The .ts files are what translators
# edit; the build compiles them.
#
#   bash scripts/update-translations.sh
#
# QT_HOST_BINS names the folder of lupdate and lconvert when they are not in /usr/lib/qt6/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${QT_HOST_BINS:-/usr/lib/qt6/bin}"
mapfile -t folders < translations/folders.txt
shopt -s nullglob

for language in de fr; do
  target="translations/quillbox_$language.ts"
  parts=(translations/parts/*_"$language".ts)
  if ((${#parts[@]})); then
    # The parts come last: where a text is in both, lconvert keeps the last, so the part's
    # translation wins over the same text left unfinished in the program's file.
    merged="$(mktemp --suffix=.ts)"
    "$bin/lconvert" -target-language "$language" -no-obsolete \
      -i "$target" "${parts[@]}" -o "$merged"
    mv "$merged" "$target"
    rm -f "${parts[@]}"
  fi
  "$bin/lupdate" -silent -I . -locations none -no-obsolete -target-language "$language" \
    "${folders[@]}" -ts "$target"
done
rmdir translations/parts 2>/dev/null || true
