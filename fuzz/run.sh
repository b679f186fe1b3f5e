#!/usr/bin/env bash
# Runs the fuzz targets of a build tree: run.sh BUILD_DIR SECONDS_PER_TARGET [TARGET...]
# Seeds come from the test fixtures, the dictionary sources, the shipped data
# and the development corpus; what each target finds new is kept in
# BUILD_DIR/fuzz-corpus/TARGET for the next run. Prints the executions of each
# target; exits non-zero at the first crash, leaving its input in BUILD_DIR/fuzz-crashes.
set -euo pipefail
build=$(realpath "$1")
seconds=$2
shift 2
root=$(realpath "$(dirname "$0")/..")
corpus=$root/../shared/corpus/dev-es-sv.tsv
seeds=$build/fuzz-seeds
mkdir -p "$seeds" "$build/fuzz-crashes"

# One seed file per line of text.
seed_lines() {
    local dir=$1 n=0
    mkdir -p "$dir"
    while IFS= read -r line; do printf '%s' "$line" >"$dir/$((n++))"; done
}

text_seeds() {
    [ -f "$corpus" ] && cut -f1 "$corpus"
    # The Spanish sentences of the translation tables.
    grep -ohE '^\s*\{"[^"]+", "' "$root"/tests/*_test.cpp | sed -E 's/^\s*\{"//; s/", "$//'
}

# Whole texts of four sentences: two lines, a blank line between them.
paragraph_seeds() {
    mkdir -p "$1"
    text_seeds | awk -v dir="$1" '{
        file = dir "/" int((NR - 1) / 4)
        printf "%s%s", $0, (NR % 4 == 2 ? "\n\n" : NR % 2 ? " " : "\n") >file
        if (NR % 4 == 0) close(file)
    }'
}

# Requests to the service: a byte that picks the method, path and content type
# (see service_fuzz.cpp), the query, a line break, the body.
service_seeds() {
    local dir=$1 n=0
    mkdir -p "$dir"
    printf '\x00\n{"q":"El perro come la carne.","source":"es","target":"sv"}' >"$dir/json"
    printf '\x00\n{"q":["El perro come.","<b>El gato</b>"],"source":"es","target":"sv","format":"html"}' >"$dir/batch"
    printf '\x20\nq=El perro come.&source=auto&target=sv&alternatives=2' >"$dir/form"
    printf '\x41langpair=spa|swe&markUnknown=no&q=El+perro+come+la+xyzzy.\n' >"$dir/apy"
    printf '\x24\nq=Hola' >"$dir/detect"
    printf '\x01\n' >"$dir/get"
    text_seeds | sed -n '1,40{s/\\/\\\\/g; s/"/\\"/g; p}' | while IFS= read -r line; do
        printf '\x00\n{"q":"%s","source":"es","target":"sv"}' "$line" >"$dir/corpus-$((n++))"
    done
}

reader_file() {
    case $1 in
        SpanishWordFile) echo SpOrd.txt ;; SwedishEntryFile) echo SvFile.txt ;; FormEntryFile) echo SbAdj.txt ;;
        VerbFormFile) echo Spvb.dat ;; PhraseFile) echo FrasText.txt ;; IrregularNounFile) echo OregSubs.pek ;;
        IrregularVerbFile) echo SvVerb1.pek ;;
    esac
}

source_seeds() {
    local dir=$1 i=0
    mkdir -p "$dir"
    for name in spanish swedish form_entries spanish_verbs phrases irregular_nouns swedish_irregular_verbs; do
        for f in "$root"/data/lexicon/$name.tsv "$root"/tests/fixtures/*_source/$name.tsv; do
            [ -f "$f" ] && { printf "\\x$(printf %02x $i)"; cat "$f"; } >"$dir/$name-$(basename "$(dirname "$f")")"
        done
        i=$((i + 1))
    done
}

seed_dir() {
    local target=$1 dir=$seeds/$1
    [ -d "$dir" ] && { echo "$dir"; return; }
    case $target in
        fuzz_translate*|fuzz_inspect) text_seeds | seed_lines "$dir" ;;
        fuzz_read_*)
            mkdir -p "$dir"
            local file
            file=$(reader_file "${target#fuzz_read_}")
            for f in "$build/data/$file" "$root"/tests/fixtures/*/"$file"; do
                [ -s "$f" ] && cp "$f" "$dir/$(basename "$(dirname "$f")")"
            done ;;
        fuzz_lexicon_sources) source_seeds "$dir" ;;
        fuzz_text) paragraph_seeds "$dir" ;;
        fuzz_service_request) service_seeds "$dir" ;;
    esac
    echo "$dir"
}

[ $# -gt 0 ] || set -- $(cd "$build/fuzz" && ls fuzz_*)
for target in "$@"; do
    work=$build/fuzz-corpus/$target
    mkdir -p "$work"
    log=$build/fuzz-$target.log
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$build/fuzz-crashes/$target-" "$work" "$(seed_dir "$target")" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "$target: crashed, input in $build/fuzz-crashes" >&2
        exit 1
    fi
    echo "$target: $(sed -nE 's/^stat::number_of_executed_units: *//p' "$log") executions"
done
