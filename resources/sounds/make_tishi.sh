#!/bin/sh
# Makes tishi.mp3, the alarm chime: two soft bell tones, E6 and then C6, that ring out in
# under two seconds. Needs sox and lame. The result is kept in the repository beside this
# script, so the build needs neither of them.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One partial of a tone: a sine with a soft 15 ms attack and a logarithmic decay.
partial() { # frequency, length in seconds, volume, output
    sox -n -r 44100 -c 1 -b 16 "$4" synth "$2" sine "$1" vol "$3" \
        fade h 0.015 fade l 0 "$2" "$(awk "BEGIN { print $2 - 0.015 }")"
}

# A bell tone: the fundamental, a quieter octave and a faint twelfth that fade sooner.
bell() { # frequency, length in seconds, output
    partial "$1" "$2" 0.6 "$work/p1.wav"
    partial "$(awk "BEGIN { print $1 * 2 }")" "$(awk "BEGIN { print $2 * 0.6 }")" 0.25 "$work/p2.wav"
    partial "$(awk "BEGIN { print $1 * 3 }")" "$(awk "BEGIN { print $2 * 0.3 }")" 0.1 "$work/p3.wav"
    sox -m -v 1 "$work/p1.wav" -v 1 "$work/p2.wav" -v 1 "$work/p3.wav" "$3"
}

bell 1318.51 1.0 "$work/first.wav"
bell 1046.50 1.4 "$work/second.wav"
sox "$work/second.wav" "$work/second-late.wav" pad 0.4 0
sox -m "$work/first.wav" "$work/second-late.wav" "$work/chime.wav" gain -n -4
lame --quiet --noreplaygain -m m -b 96 "$work/chime.wav" "$here/tishi.mp3"
