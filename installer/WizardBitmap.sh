#!/usr/bin/env bash
# Makes the side picture of the installer's first and last pages (164 x 314 pixels, a 24-bit BMP)
# from the program's own art: rows of the banner's falling glyphs, each made of two pieces from
# beside its word, the word itself across the middle, and the program's icon above it.
# Usage: WizardBitmap.sh banner.gif icon.ico out.bmp
set -euo pipefail
(($# == 3)) || {
  echo "usage: ${0##*/} banner.gif icon.ico out.bmp" >&2
  exit 2
}
banner=$1 icon=$2 out=$3
# By its full path: another convert may come first on PATH.
readonly convert=/usr/bin/convert
readonly kRowHeight=51
# Where each row's two pieces come from: left of the word and right of it.
readonly leftPieces=(0 30 12 0 38 20 6)
readonly rightPieces=(300 270 318 0 284 306 276)
readonly kWordRow=3
# The banner's transparent pixels are black here, like the rest of its background.
piece() {
  args+=(\( "${banner}[0]" -crop "$1" +repage -background black -alpha remove \) -geometry "$2"
    -composite)
}
args=()
for row in "${!leftPieces[@]}"; do
  y=$((row * kRowHeight - 22))
  if ((row == kWordRow)); then
    piece "164x$kRowHeight+118+0" "+0+$y"
  else
    piece "82x$kRowHeight+${leftPieces[row]}+0" "+0+$y"
    piece "82x$kRowHeight+${rightPieces[row]}+0" "+82+$y"
  fi
done
# The icon's sixth image: 48 x 48 with alpha.
"$convert" -size 164x314 xc:black "${args[@]}" \( "${icon}[5]" \) -geometry +58+70 -composite \
  -alpha off -type TrueColor "BMP3:$out"
