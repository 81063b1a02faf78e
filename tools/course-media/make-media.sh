#!/usr/bin/env bash
# Makes the sounds of the demo course with sox and lame:
#   INSTALL/MP3/*.mp3     three short pieces of background music
#   INSTALL/hvyr/klang.wav  the chime of the sound page
# Usage: make-media.sh INSTALL
# Every tune is written here note by note; nothing is taken from elsewhere.
set -euo pipefail
install=${1:?Aufruf: make-media.sh INSTALLATIONSVERZEICHNIS}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rate=44100

# note NAME SECONDS OUT: one plucked note ("-" is a rest).
note() {
  if [ "$1" = "-" ]; then
    sox -n -r $rate -c 1 -b 16 "$3" trim 0 "$2"
  else
    sox -n -r $rate -c 1 -b 16 "$3" synth "$2" pluck "$1" fade 0 "$2" 0.05
  fi
}

# voice OUT BEAT "NOTE[:BEATS] ..." (repeated REPEAT times): a line of notes
# played one after another; BEATS defaults to 1.
voice() {
  local out=$1 beat=$2 notes=$3 repeat=$4 parts=()
  for ((r = 0; r < repeat; r++)); do
    for n in $notes; do
      local name=${n%%:*} beats=1
      [ "$name" != "$n" ] && beats=${n#*:}
      local seconds f
      seconds=$(awk -v b="$beat" -v n="$beats" 'BEGIN { printf "%.3f", b * n }')
      f="$work/note-$name-$seconds.wav"  # each note is made once
      [ -f "$f" ] || note "$name" "$seconds" "$f"
      parts+=("$f")
    done
  done
  sox "${parts[@]}" "$out"
}

# piece NAME BEAT "MELODY" "BASS" REPEAT: melody and a quieter bass line,
# mixed, a little room, faded out, as an MP3 file.
piece() {
  local name=$1 beat=$2 melody=$3 bass=$4 repeat=$5
  voice "$work/melody.wav" "$beat" "$melody" "$repeat"
  voice "$work/bass.wav" "$beat" "$bass" "$repeat"
  local length
  length=$(soxi -D "$work/melody.wav")
  sox -m -v 0.8 "$work/melody.wav" -v 0.45 "$work/bass.wav" -c 2 "$work/mix.wav" \
    reverb 35 gain -n -3 fade 0.05 "$length" 2.5
  echo "$name: $(soxi -D "$work/mix.wav") s"
  lame --quiet --noreplaygain -b 128 --tt "$name" --ta "vyr englisch" "$work/mix.wav" "$work/$name.mp3"
  mv "$work/$name.mp3" "$install/MP3/$name.mp3"
}

mkdir -p "$install/MP3" "$install/hvyr"

# A walk in the morning: C major, moderate, 4 x 16 beats of 0.45 s (about 29 s).
piece Morgenspaziergang 0.45 \
  "C4 E4 G4 E4 F4 A4 G4:2 E4 G4 C5 B4 A4 F4 G4:2" \
  "C3:4 F3:4 C3:4 G2:4" 4

# Raindrops: A minor, slow, 4 x 14 beats of 0.6 s (about 34 s).
piece Regentropfen 0.6 \
  "A4 C5 E5:2 D5 C5 B4:2 C5 A4 G4 E4 A4:2" \
  "A2:4 E2:4 F2:2 E2:2 A2:2" 4

# The fair: G major, fast, 6 x 16 beats of 0.25 s (about 24 s).
piece Jahrmarkt 0.25 \
  "G4 B4 D5 B4 G4 B4 D5 G5 F#5 D5 A4 D5 F#5 E5 D5:2" \
  "G2:2 D3:2 G2:2 D3:2 D3:2 A2:2 D3:2 G2:2" 6

# The chime: three bell-like notes falling, with room.
note G5 0.35 "$work/c1.wav"
note E5 0.35 "$work/c2.wav"
note C5 1.2 "$work/c3.wav"
sox "$work/c1.wav" "$work/c2.wav" "$work/c3.wav" -c 2 "$work/klang.wav" reverb 50 gain -n -3
mv "$work/klang.wav" "$install/hvyr/klang.wav"
