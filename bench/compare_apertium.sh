#!/usr/bin/env bash
# Words per second of quelvo and, when Debian's apertium and apertium-eng-spa
# are installed, of Apertium's Spanish-English translator on the same Spanish
# sentences, the two run in turn; quelvo's start-up time and peak memory.
#   bench/compare_apertium.sh QUELVO [SENTENCES] [COPIES] [ROUNDS] [QUELVO_COPIES]
# The sentences are repeated COPIES times into one input (QUELVO_COPIES times,
# default 20 x COPIES, for quelvo: the CPU clock counts in 10 ms steps, so its
# run must last long enough to be counted); each figure is the best of ROUNDS runs. Wall-clock and CPU (user + system) rates are both shown:
# on a busy machine the CPU rate is the steadier.
set -euo pipefail
quelvo=$1
sentences=${2:-$(dirname "$0")/sentences_es.txt}
copies=${3:-50}
rounds=${4:-3}
quelvo_copies=${5:-$((copies * 20))}
startups=20

input=$(mktemp)
q_input=$(mktemp)
timing=$(mktemp)
trap 'rm -f "$input" "$q_input" "$timing"' EXIT
for _ in $(seq "$copies"); do cat "$sentences"; done >"$input"
for _ in $(seq "$quelvo_copies"); do cat "$sentences"; done >"$q_input"
words=$(wc -w <"$input")
q_words=$(wc -w <"$q_input")

# Prints "WALL_SECONDS CPU_SECONDS PEAK_KIB" of one run of the command on the input file $1.
measure() {
    local file=$1
    shift
    /usr/bin/time -o "$timing" -f '%e %U %S %M' "$@" <"$file" >/dev/null 2>&1
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$timing"
}

best() { sort -n -k"$1" | head -n 1 | cut -d' ' -f"$1"; }

have_apertium=false
command -v apertium >/dev/null && grep -qx '[[:space:]]*spa-eng' <<<"$(apertium -l 2>&1)" && have_apertium=true

q_runs="" a_runs=""
for _ in $(seq "$rounds"); do
    q_runs+="$(measure "$q_input" "$quelvo")"$'\n'
    $have_apertium && a_runs+="$(measure "$input" apertium spa-eng)"$'\n'
done
q_wall=$(best 1 <<<"${q_runs%$'\n'}")
q_cpu=$(best 2 <<<"${q_runs%$'\n'}")
q_peak=$(best 3 <<<"${q_runs%$'\n'}")

start=$(date +%s%N)
/usr/bin/time -o "$timing" -f '%U %S' bash -c 'for _ in $(seq "$2"); do "$1" </dev/null >/dev/null; done' - "$quelvo" "$startups"
startup_ms=$(( ($(date +%s%N) - start) / startups / 1000000 ))
startup_cpu_ms=$(awk -v n="$startups" '{ printf "%.1f", ($1 + $2) * 1000 / n }' "$timing")

rate() { awk -v w="$2" -v t="$1" 'BEGIN { printf "%.0f", w / (t > 0.01 ? t : 0.01) }'; }
echo "input: $words words ($copies copies of $(wc -l <"$sentences") sentences; quelvo $q_words words, $quelvo_copies copies), best of $rounds runs"
echo "quelvo:   $(rate "$q_wall" "$q_words") words/s wall, $(rate "$q_cpu" "$q_words") words/s CPU"
if $have_apertium; then
    a_wall=$(best 1 <<<"${a_runs%$'\n'}")
    a_cpu=$(best 2 <<<"${a_runs%$'\n'}")
    echo "apertium: $(rate "$a_wall" "$words") words/s wall, $(rate "$a_cpu" "$words") words/s CPU"
    awk -v qw="$q_wall" -v aw="$a_wall" -v qc="$q_cpu" -v ac="$a_cpu" -v qn="$q_words" -v an="$words" 'BEGIN {
        qw = qw > 0.01 ? qw : 0.01; qc = qc > 0.01 ? qc : 0.01
        printf "ratio:    %.1fx wall, %.1fx CPU\n", (qn / qw) / (an / aw), (qn / qc) / (an / ac) }'
else
    echo "apertium: not installed (apt-get install apertium apertium-eng-spa)"
fi
echo "start-up: $startup_ms ms wall, $startup_cpu_ms ms CPU (mean of $startups runs with no input)"
echo "peak memory: $((q_peak / 1024)) MiB"
