#!/usr/bin/env bash
# Brings translations/quillbox_de.ts and quillbox_fr.ts up to date with the sources: files
# translated on their own, one area at a time (translations/pending/<area>_de.ts, ...), are
# merged in and removed, then lupdate adds the texts that are new in the folders of
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
  pending=(translations/pending/*_"$language".ts)
  if ((${#pending[@]})); then
    # The pending files come last: where a text is in both, lconvert keeps the last, so their
    # translation wins over the same text left unfinished in the program's file.
    merged="$(mktemp --suffix=.ts)"
    "$bin/lconvert" -target-language "$language" -no-obsolete \
      -i "$target" "${pending[@]}" -o "$merged"
    mv "$merged" "$target"
    rm -f "${pending[@]}"
  fi
  "$bin/lupdate" -silent -I . -locations none -no-obsolete -target-language "$language" \
    "${folders[@]}" -ts "$target"
done
rmdir translations/pending 2>/dev/null || true
