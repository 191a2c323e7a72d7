#!/usr/bin/env bash
# Synthesises the update chime with sox: two soft bell tones, 5 s, mono, 44.1 kHz, 16-bit PCM.
# The generated chime.wav is committed beside this script, so a build needs neither sox nor this
# script; run it again only to change the sound. No dither, so the output is the same every run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
sox -D -n -r 44100 -c 1 -b 16 -e signed-integer chime.wav \
  synth 5 sine 880 sine 1318.5 remix 1-2 \
  fade q 0.01 5 4.2 gain -n -6
