#!/bin/bash
# Records the fourteen sounds of the game into resources/wave/ (8-bit mono PCM WAV):
# Japanese voices by espeak-ng, clicks and the unification fanfare by sox; and the eleven voices
# again in English into resources/wave/en/ (the clicks and the fanfare serve both languages).
# Usage: tools/sounds/make-sounds.sh [source root]
set -euo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
out="$root/resources/wave"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Repeatable mode: noise and dither use a fixed seed, so a rerun writes the same bytes.
sox() { command sox -R "$@"; }

for tool in espeak-ng sox soxi; do
    command -v "$tool" >/dev/null || { echo "missing $tool (tools/install-deps installs it)" >&2; exit 1; }
done

# Writes the final file: mono, given rate, unsigned 8-bit, with light dither.
finish() {  # finish <in> <id> <rate>
    sox -V1 "$1" -r "$3" -c 1 -b 8 -e unsigned-integer "$out/$2.wav" dither -s
    printf 'wrote %s (%s Hz, %.2f s)\n' "$out/$2.wav" "$3" "$(soxi -D "$out/$2.wav")"
}

# A spoken callout fitted to a target length: the voice is trimmed, warmed, sped up only if
# it would run past the target, and padded with a short tail.
voice() {  # voice <id> <target seconds> <espeak args...> -- <text>
    local id=$1 target=$2
    shift 2
    local args=()
    while [[ $1 != -- ]]; do args+=("$1"); shift; done
    shift
    local text=$1
    espeak-ng "${args[@]}" -w "$work/raw$id.wav" "$text"
    # Trim silence at both ends, soften the synthetic edge, add a little room.
    sox -V1 "$work/raw$id.wav" "$work/trim$id.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
        highpass 120 lowpass 6500 equalizer 2500 1q 2 bass -2 \
        reverb 18 50 40 100 0 0 norm -1
    local len fit
    len=$(soxi -D "$work/trim$id.wav")
    fit=$(awk -v l="$len" -v t="$target" 'BEGIN { m = t * 0.92; printf "%.4f", (l > m) ? l / m : 1 }')
    if [[ $fit != 1.0000 ]]; then
        sox -V1 "$work/trim$id.wav" "$work/fit$id.wav" tempo -s "$fit"
    else
        cp "$work/trim$id.wav" "$work/fit$id.wav"
    fi
    len=$(soxi -D "$work/fit$id.wav")
    local pad
    pad=$(awk -v l="$len" -v t="$target" 'BEGIN { p = t - l; printf "%.4f", (p > 0) ? p : 0 }')
    sox -V1 "$work/fit$id.wav" "$work/pad$id.wav" fade t 0.005 -0 0.03 pad 0 "$pad" trim 0 "$target"
    finish "$work/pad$id.wav" "$id" 22050
}

# The spoken callouts, one row each: id, length in seconds, voice style, Japanese, English.
# Trump announcements (役は…) in a calm male voice, called suits (…請求) a little brighter, the
# callouts of the game short and lively. Each language's voice keeps the length of the row.
callouts=(
    "144 1.61 calm   やくは、クラブ      Trump is clubs"
    "143 1.29 calm   やくは、ダイヤ      Trump is diamonds"
    "145 1.34 calm   やくは、ハート      Trump is hearts"
    "151 1.62 calm   やくは、スペード    Trump is spades"
    "171 0.76 bright クラブせいきゅう    Clubs!"
    "172 0.57 bright ダイヤせいきゅう    Diamonds!"
    "173 0.63 bright ハートせいきゅう    Hearts!"
    "174 0.76 bright スペードせいきゅう  Spades!"
    "147 0.31 call   かん                Mine!"
    "148 0.40 call   こい                Come!"
    "146 0.49 call   いく                Go!"
)
style_args() {  # style_args <language> <style>: espeak-ng's voice, speed, pitch and amplitude
    local v=ja
    [[ $1 == en ]] && v=en-us
    case $2 in
        calm) echo "-v $v -s 150 -p 42 -a 180" ;;
        bright) echo "-v $v -s 165 -p 55 -a 180" ;;
        call) echo "-v $v -s 190 -p 60 -a 190" ;;
    esac
}
for lang in ja en; do
    out="$root/resources/wave"
    [[ $lang == en ]] && out="$root/resources/wave/en"
    mkdir -p "$out"
    for row in "${callouts[@]}"; do
        read -r id len style ja en <<<"$row"
        text=$ja
        [[ $lang == en ]] && text=$en
        # shellcheck disable=SC2046  # the style is a list of options
        voice "$id" "$len" $(style_args "$lang" "$style") -- "$text"
    done
done
out="$root/resources/wave"

# 149: a card laid on the cloth: a short papery snap over a soft low knock.
sox -V1 -n -r 44100 -c 1 "$work/snap.wav" synth 0.09 pinknoise \
    highpass 1800 lowpass 7000 fade q 0.001 0.09 0.085 gain -4
sox -V1 -n -r 44100 -c 1 "$work/knock.wav" synth 0.09 sine 190 \
    fade q 0.002 0.09 0.08 gain -9
sox -V1 -m "$work/snap.wav" "$work/knock.wav" "$work/card.wav" norm -3
finish "$work/card.wav" 149 11025

# 150: a soft wooden tick for a choice, two partials with a quick decay.
sox -V1 -n -r 44100 -c 1 "$work/tick1.wav" synth 0.2 sine 1320 fade l 0.002 0.2 0.19
sox -V1 -n -r 44100 -c 1 "$work/tick2.wav" synth 0.2 sine 2650 fade l 0.001 0.2 0.195 gain -10
sox -V1 -m "$work/tick1.wav" "$work/tick2.wav" "$work/tick.wav" \
    fade q 0.002 0.2 0.17 gain -n -6 pad 0 0
finish "$work/tick.wav" 150 22050

# 193: the unification fanfare, about 11.35 s: brass melody over chords and a timpani roll.
note() {  # note <file> <seconds> <frequencies...>: a brass-like tone or chord
    local file=$1 dur=$2
    shift 2
    local f
    if [[ $# -eq 0 ]]; then
        sox -V1 -n -r 22050 -c 1 "$file" trim 0 "$dur"
        return
    fi
    local rel
    rel=$(awk -v d="$dur" 'BEGIN { r = d * 0.35; if (r > 0.25) r = 0.25; printf "%.3f", r }')
    local i=0 chord=()
    for f in "$@"; do
        sox -V1 -n -r 22050 -c 1 "$work/part$i.wav" synth "$dur" sawtooth "$f" \
            sawtooth mix "$(awk -v f="$f" 'BEGIN { printf "%.2f", f * 1.004 }')" \
            lowpass 2400 tremolo 5.5 6 fade t 0.025 "$dur" "$rel" gain -6
        chord+=("$work/part$i.wav")
        i=$((i + 1))
    done
    if [[ ${#chord[@]} -gt 1 ]]; then
        sox -V1 -m "${chord[@]}" "$file"
    else
        cp "${chord[0]}" "$file"
    fi
}

# Frequencies of the notes used.
C4=261.63 D4=293.66 E4=329.63 F4=349.23 G4=392.00 A4=440.00 B4=493.88
C5=523.25 D5=587.33 E5=659.26 F5=698.46 G5=783.99 A5=880.00
C3=130.81 F3=174.61 G3=196.00 A3=220.00 E3=164.81

# Melody: (seconds, note) pairs; phrases of 0.9 and 1.62 s, the last chord held to the end.
melody=(
    0.117 $G4 0.117 $G4 0.126 $G4 0.54 $C5
    0.18 $G4 0.54 $C5 0.18 $E5 0.72 $G5
    0.117 $E5 0.117 $E5 0.126 $E5 0.54 $F5
    0.18 $E5 0.36 $D5 0.36 $C5 0.72 $D5
    0.117 $G4 0.117 $G4 0.126 $G4 0.54 $C5
    0.18 $E5 0.36 $G5 0.36 $A5 0.72 $G5
    0.36 $F5 0.36 $D5 0.36 $B4 0.36 $D5
    2.35 $C5
)
# Harmony under it, one chord per phrase: (seconds, chord notes ...; "|" ends a chord).
harmony=(
    0.9 $C4 $E4 $G4 "|" 1.62 $C4 $E4 $G4 "|"
    0.9 $A3 $C4 $F4 "|" 1.62 $G3 $B4 $D4 "|"
    0.9 $C4 $E4 $G4 "|" 1.62 $C4 $E4 $A4 "|"
    1.44 $G3 $B4 $D4 "|" 2.35 $C4 $E4 $G4 $C5 "|"
)
files=()
for ((i = 0; i < ${#melody[@]}; i += 2)); do
    note "$work/m$i.wav" "${melody[i]}" "${melody[i + 1]}"
    files+=("$work/m$i.wav")
done
sox -V1 "${files[@]}" "$work/melody.wav"
files=()
chord=()
dur=""
k=0
for item in "${harmony[@]}"; do
    if [[ $item == "|" ]]; then
        note "$work/h$k.wav" "$dur" "${chord[@]}"
        files+=("$work/h$k.wav")
        k=$((k + 1))
        chord=()
        dur=""
    elif [[ -z $dur ]]; then
        dur=$item
    else
        chord+=("$item")
    fi
done
sox -V1 "${files[@]}" "$work/harmony.wav" gain -5 lowpass 1500
# A timpani roll under everything and a low stroke on the last chord.
sox -V1 -n -r 22050 -c 1 "$work/roll.wav" synth 11.35 brownnoise lowpass 160 \
    tremolo 16 70 fade q 0.5 11.35 1.5 gain -3
sox -V1 -n -r 22050 -c 1 "$work/boom.wav" synth 2.0 sine 65 fade q 0.005 2.0 1.9 pad 9.0 0 gain -2
sox -V1 -m -v 1.0 "$work/melody.wav" -v 0.8 "$work/harmony.wav" -v 0.6 "$work/roll.wav" \
    -v 0.8 "$work/boom.wav" "$work/mix.wav"
sox -V1 "$work/mix.wav" "$work/fanfare.wav" reverb 40 50 70 100 10 0 norm -1 \
    pad 0 1 trim 0 11.35 fade t 0.01 11.35 1.2
finish "$work/fanfare.wav" 193 22050
