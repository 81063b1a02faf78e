#!/usr/bin/env bash
# Speaks the sentences of the language lab with espeak-ng into the wave
# directory, as the material's file lines name them:
#   INSTALL/wave/Labor/0/lab_0000.wav, ...
# One sentence ("Yes", 0\lab_0004.wav) stays without a recording on purpose,
# so the lab page shows how a sentence without a speaker looks.
# Usage: make-lab-voices.sh MATERIAL.txt INSTALL STAMP
set -euo pipefail
material=${1:?Aufruf: make-lab-voices.sh SPRACHLABOR.txt INSTALLATIONSVERZEICHNIS STEMPEL}
install=${2:?}
stamp=${3:?}
without='0\lab_0004.wav'

if ! command -v espeak-ng >/dev/null 2>&1; then
  echo "Hinweis: espeak-ng fehlt, das Sprachlabor bleibt ohne Sprecheraufnahmen (tools/install-deps.sh installiert es)." >&2
  touch "$stamp"
  exit 0
fi

made=0
field=-1
sentence=""
while IFS= read -r line || [ -n "$line" ]; do
  line=${line%$'\r'}
  if [[ $line == '****'* ]]; then
    field=0
    continue
  fi
  [ $field -lt 0 ] && continue  # nothing before the first topic
  case $field in
    0) sentence=$line ;;
    4)
      if [ -n "$line" ] && [ "$line" != "$without" ]; then
        out="$install/wave/Labor/${line//\\//}"
        mkdir -p "$(dirname "$out")"
        espeak-ng -v en-gb -s 135 -w "$out.tmp" -- "$sentence"
        mv "$out.tmp" "$out"
        made=$((made + 1))
      fi
      ;;
  esac
  field=$(((field + 1) % 5))
done <"$material"
rm -f "$install/wave/Labor/${without//\\//}"
echo "Sprachlabor: $made Aufnahmen gesprochen"
touch "$stamp"
