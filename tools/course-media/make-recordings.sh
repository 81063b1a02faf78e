#!/usr/bin/env bash
# Makes the spoken recordings of the demo course with espeak-ng and sox
# (22,050 Hz, mono, 16 bit, lower-case names):
#   INSTALL/wave/*.wav               the course's recordings (alias XE:)
#   INSTALL/E_SK/window.wav          a supplementary recording (alias SK:)
#   INSTALL/Eigene Aufnahmen/*.wav   an own recording (alias XU:, once set)
#   INSTALL/wave/w_*.wav             the words the presentations speak, one
#                                    for each line after "WORTLISTE" in
#                                    course/E_wx.wxt
# Usage: make-recordings.sh INSTALL
set -euo pipefail
install=${1:?Aufruf: make-recordings.sh INSTALLATIONSVERZEICHNIS}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# say OUT VOICE TEXT: TEXT spoken, resampled to the course's format.
say() {
  local out=$1 voice=$2 text=$3
  printf '%s\n' "$text" | espeak-ng -v "$voice" -s 150 -w "$work/raw.wav" --stdin
  sox "$work/raw.wav" -r 22050 -c 1 -b 16 "$work/out.wav"
  mkdir -p "$(dirname "$out")"
  mv "$work/out.wav" "$out"
}

say "$install/wave/go.wav" en-gb "go"
say "$install/wave/to_go.wav" en-gb "to go"
say "$install/wave/bank_river.wav" en-gb "bank. The bank of the river."
say "$install/wave/bank_money.wav" en-gb "bank. A bank for money."
say "$install/wave/house.wav" en-gb "house"
say "$install/wave/home.wav" en-us "home"
say "$install/wave/mate.wav" en-gb "mate"
say "$install/wave/how_are_you.wav" en-us "How are you?"
say "$install/wave/house_river.wav" en-gb "The house is near the river."
say "$install/E_SK/window.wav" en-us "window"
say "$install/Eigene Aufnahmen/good_morning.wav" en-us "Good morning!"

# The words of the presentations: "text<TAB>XE:\file" after the marker.
list="$(dirname "$0")/../../course/E_wx.wxt"
sed -n '/WORTLISTE/,$p' "$list" | grep -v '^#' | while IFS=$'\t' read -r text file; do
  [ -n "$text" ] && [ -n "$file" ] || continue
  say "$install/wave/${file#XE:\\}" en-gb "$text"
done
