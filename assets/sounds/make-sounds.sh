#!/bin/sh
# Synthesises the game's ten sound effects with SoX into the folder given.
#
#   make-sounds.sh <output folder>
#
# Every file is mono, 16-bit, 22 050 Hz, with its peak at -9 dBFS and a
# loudness close to the others' (assets/README.md says how it is measured):
# the game may start several cues in one frame, and the sound library's
# output leaves room for four of them together.  -R makes the noise
# generators repeatable and -D turns dithering off, so the same script
# always gives the same bytes.
set -eu

out=${1:?usage: make-sounds.sh <output folder>}
sox=${SOX:-sox}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# synth <file> <sox effects...>: a sound made from nothing.
synth() {
    file=$1
    shift
    "$sox" -R -D -V1 -n -r 22050 -c 1 -b 16 -e signed-integer "$file" "$@"
}

# blend <output> <volume> <file> <volume> <file>: two layers mixed at their
# own volumes (a tone and some noise, say).
blend() {
    "$sox" -R -D -V1 -m -v "$2" "$3" -v "$4" "$5" "$1"
}

# The peak every cue is mastered to, in dBFS.
peak=-9

# finish <source> <name> [sox effects...]: masters a cue and writes it under
# its final name.  The high-pass takes out the offset that noise and sweeps
# leave (a speaker would push it as a thump); the given effects bring the
# loudness in line with the other cues; the silence at the end goes, and
# short fades make sure the sound starts and stops at zero without a click.
finish() {
    src=$1
    name=$2
    shift 2
    "$sox" -R -D -V1 "$src" -r 22050 -c 1 -b 16 -e signed-integer "$work/final.wav" \
        "$@" highpass 20 reverse silence 1 0.002 -60d fade q 0.01 reverse fade q 0.001 \
        gain -n "$peak"
    mv "$work/final.wav" "$out/$name"
}

# death.wav - the hero is hurt: a short, rough groan falling in pitch.
synth "$work/groan.wav" synth 0.32 sawtooth 240-95 tremolo 28 45
synth "$work/breath.wav" synth 0.32 brownnoise
blend "$work/death_raw.wav" 1.0 "$work/groan.wav" 0.4 "$work/breath.wav"
"$sox" -R -D -V1 "$work/death_raw.wav" "$work/death.wav" lowpass 1600 fade q 0.004 0.32 0.22
finish "$work/death.wav" death.wav contrast 15

# bum.wav - a bomb bursts, a monster dies, a wall falls: a deep rumbling blast.
# The blast dies away by 0.9 s and the cave rings on for 0.2 s more.
synth "$work/bum.wav" synth 0.9 brownnoise synth 0.9 sine mix 70-28 \
    lowpass 1100 overdrive 8 fade q 0.003 0.9 0.75 pad 0 0.2 reverb 35 50 60
finish "$work/bum.wav" bum.wav

# killing.wav - a monster or a destructible wall is hit: a dull crunching thud.
synth "$work/thud.wav" synth 0.16 square 190-55
synth "$work/crunch.wav" synth 0.16 whitenoise fade q 0.001 0.16 0.15
blend "$work/killing_raw.wav" 1.0 "$work/thud.wav" 0.45 "$work/crunch.wav"
"$sox" -R -D -V1 "$work/killing_raw.wav" "$work/killing.wav" lowpass 2200 fade t 0.002 0.16 0.15
finish "$work/killing.wav" killing.wav

# impact.wav - a missile fizzles out against solid stone: a bright spark.
synth "$work/impact.wav" synth 0.2 whitenoise synth 0.2 sine mix 2600-700 \
    highpass 900 fade q 0.001 0.2 0.18
finish "$work/impact.wav" impact.wav contrast 40

# tlacitko.wav - a pick-up, a lever, a teleport: two rising chime notes.
synth "$work/chime1.wav" synth 0.09 triangle 1046.5 synth 0.09 sine mix 2093 fade q 0.002 0.09 0.05
synth "$work/chime2.wav" synth 0.3 triangle 1568 synth 0.3 sine mix 3136 fade q 0.002 0.3 0.27
"$sox" -R -D -V1 "$work/chime1.wav" "$work/chime2.wav" "$work/chime.wav" echo 0.8 0.7 45 0.25
finish "$work/chime.wav" tlacitko.wav

# puma.wav - the bomb counts down: the tick of a clockwork fuse.
synth "$work/puma.wav" synth 0.07 square 1150 synth 0.07 sine mix 2300 \
    lowpass 3500 fade q 0.001 0.07 0.06
finish "$work/puma.wav" puma.wav

# magic.wav - a missile leaves the staff: a rising, shimmering swish.
synth "$work/zap.wav" synth 0.24 triangle 420-1700 tremolo 45 55
synth "$work/swish.wav" synth 0.24 pinknoise highpass 2500
blend "$work/magic_raw.wav" 1.0 "$work/zap.wav" 0.3 "$work/swish.wav"
"$sox" -R -D -V1 "$work/magic_raw.wav" "$work/magic.wav" highpass 350 fade q 0.004 0.24 0.16
finish "$work/magic.wav" magic.wav

# new.wav - the cave is made ready (a new game, a load): a rising arpeggio
# of four bell-like notes that die away as struck bells do and ring into
# each other.
note() {
    synth "$work/note$1.wav" synth 0.45 triangle "$2" synth 0.45 sine mix "$2" \
        fade l 0.003 0.45 0.42 pad "$3"
}
note 0 523.25 0
note 1 659.25 0.09
note 2 783.99 0.18
note 3 1046.5 0.27
"$sox" -R -D -V1 -m "$work/note0.wav" "$work/note1.wav" "$work/note2.wav" "$work/note3.wav" \
    "$work/arpeggio.wav" pad 0 0.2 reverb 40 50 70
finish "$work/arpeggio.wav" new.wav contrast 15

# click.wav - a menu or dialog choice: a crisp, short click.
synth "$work/click.wav" synth 0.035 square 1900-700 lowpass 2500 fade t 0.0005 0.035 0.034
finish "$work/click.wav" click.wav

# heartbeat.wav - the hero's lives are low: a soft, deep double beat, the
# first a little stronger than the second, as a tired heart sounds.
synth "$work/lub.wav" synth 0.11 sine 62-48 synth 0.11 sine mix 124-96 fade q 0.006 0.11 0.09
synth "$work/dub.wav" synth 0.1 sine 70-52 synth 0.1 sine mix 140-104 fade q 0.006 0.1 0.085 \
    vol 0.75 pad 0.17
"$sox" -R -D -V1 -m "$work/lub.wav" "$work/dub.wav" "$work/heartbeat.wav" lowpass 400
finish "$work/heartbeat.wav" heartbeat.wav contrast 20
